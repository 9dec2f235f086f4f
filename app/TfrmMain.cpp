#include "app/TfrmMain.h"

#include "app/CalendarPanel.h"
#include "app/CalendarRules.h"
#include "app/ProgramIcon.h"
#include "app/ProgramInfo.h"
#include "app/WindowLayout.h"
#include "data/DataFiles.h"
#include "data/DateFormat.h"
#include "data/GridSort.h"
#include "data/Utility.h"
#include "data/gridfile.h"
#include "organise/FilterIcons.h"
#include "organise/filter.h"
#include "organise/listbox.h"
#include "platform/Prompts.h"
#include "platform/QtDates.h"
#include "platform/QtText.h"
#include "platform/TableModel.h"
#include "platform/TimerPool.h"
#include "platform/TrayIcon.h"
#include "settings/HintSwitch.h"
#include "settings/OptionConversions.h"
#include "settings/TfrmOptions.h"
#include "settings/TitleShadow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace orvella {

namespace {

constexpr int kCalendarBarWidth = 9;
constexpr int kPanelBarWidth = 7;
constexpr int kMinimumWidth = 395; // at 96 dots per inch

QTableView* makeTaskGrid(const char* name, TableModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(16 + 4);
    grid->horizontalHeader()->setHighlightSections(false);
    QPalette pal = grid->palette();
    // Only the grid with the focus shows its selected row.
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Base));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::Text));
    grid->setPalette(pal);
    return grid;
}

} // namespace

TfrmMain::TfrmMain(const Environment& env, QWidget* parent)
    : QMainWindow(parent), gridStore(newStoreTable()), dayTasks(newDayTable()), todoTasks(newTodoTable()),
      env_(env) {
    setObjectName(QStringLiteral("frmMain"));
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // Focus moves while the children go; nothing of this window may hear of it.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    // The views must not ask the tables for anything once the tables are gone.
    gridDay->setModel(nullptr);
    gridNonday->setModel(nullptr);
}

std::string TfrmMain::dataFile(const char* name) const {
    return joinPath(env_.dataFolder, name);
}

void TfrmMain::FormCreate() {
    const std::string notice = ageNotice(env_.clock.now(), buildDate());
    if (!notice.empty())
        messageBox(notice);

    exiting_ = false;
    alarmShowing = false;

    buildPanels();
    buildMenus();
    buildTaskCommands();
    RecoverScreenSize(false);

    const std::string storePath = dataFile(kStoreFile);
    if (!QFileInfo::exists(toQt(storePath))) {
        errorBox("Grid.grd file not found!");
        return;
    }
    const std::string todoPath = dataFile(kTodoFile);
    try {
        loadGrid(gridStore, storePath);
        normaliseStoreTable(gridStore);
        if (!QFileInfo::exists(toQt(todoPath))) {
            errorBox("GridNon.grd file not found!");
            return;
        }
        loadGrid(todoTasks, todoPath);
        normaliseTodoTable(todoTasks);
    } catch (const GridFileError& e) {
        errorBox(e.what());
        return;
    }
    // A store written by hand or by an older copy may be out of order; lookups need order.
    sortStore(gridStore);
    todoModel_->reload();
    UpdateLabels(-1);

    setWindowTitle(QString::fromLatin1(kProgramName));
    setWindowIcon(programIcon());
    buildTimers();
    created_ = true;
}

void TfrmMain::buildPanels() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    pnlTop = new QWidget(central);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    auto* topRow = new QVBoxLayout(pnlTop);
    topRow->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = new QToolBar(pnlTop);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(20, 20));
    topRow->addWidget(ToolBar1);
    column->addWidget(pnlTop);

    splitTodo = new QSplitter(Qt::Vertical, central);
    splitTodo->setObjectName(QStringLiteral("splitTodo"));
    splitTodo->setHandleWidth(kPanelBarWidth);
    splitTodo->setChildrenCollapsible(true);
    column->addWidget(splitTodo, 1);

    pnlTasks = new QSplitter(Qt::Horizontal, splitTodo);
    pnlTasks->setObjectName(QStringLiteral("pnlTasks"));
    pnlTasks->setHandleWidth(kCalendarBarWidth);

    pnlCalendars = new CalendarPanel(pnlTasks);
    pnlCalendars->setObjectName(QStringLiteral("pnlCalendars"));
    pnlCalendars->setMinimumWidth(120);
    pnlCalendars->setDrawCell([this](int cal, const QDate& date, bool selected, bool inMonth) {
        return cal1DrawCell(cal, date, selected, inMonth);
    });
    connect(pnlCalendars, &CalendarPanel::dateSelected, this, &TfrmMain::showSelectedDate);
    connect(pnlCalendars, &CalendarPanel::dayDoubleClicked, this, &TfrmMain::cal1CellDblClick);

    auto* dayView = new QWidget(pnlTasks);
    auto* dayColumn = new QVBoxLayout(dayView);
    dayColumn->setContentsMargins(2, 2, 2, 0);
    dayColumn->setSpacing(2);
    lblDate = new QLabel(dayView);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    QFont headingFont = lblDate->font();
    headingFont.setPointSize(headingFont.pointSize() + 6);
    lblDate->setFont(headingFont);
    dayColumn->addWidget(lblDate);

    splitDay = new QSplitter(Qt::Vertical, dayView);
    splitDay->setObjectName(QStringLiteral("splitDay"));
    splitDay->setHandleWidth(kPanelBarWidth);
    dayModel_ = new TableModel(dayTasks, this);
    gridDay = makeTaskGrid("gridDay", dayModel_, splitDay);
    pnlMemo = new QWidget(splitDay);
    pnlMemo->setObjectName(QStringLiteral("pnlMemo"));
    auto* memoBox = new QVBoxLayout(pnlMemo);
    memoBox->setContentsMargins(0, 0, 0, 0);
    memWhat = new QPlainTextEdit(pnlMemo);
    memWhat->setObjectName(QStringLiteral("memWhat"));
    memWhat->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memWhat->installEventFilter(this);
    memWhat->hide();
    memoBox->addWidget(memWhat);
    splitDay->setStretchFactor(0, 1);
    dayColumn->addWidget(splitDay, 1);
    pnlTasks->setStretchFactor(1, 1);

    pnlTodo = new QWidget(splitTodo);
    pnlTodo->setObjectName(QStringLiteral("pnlTodo"));
    auto* todoColumn = new QVBoxLayout(pnlTodo);
    todoColumn->setContentsMargins(2, 0, 2, 2);
    todoColumn->setSpacing(2);
    EsLabel1 = new QLabel(pnlTodo);
    EsLabel1->setObjectName(QStringLiteral("EsLabel1"));
    EsLabel1->setFont(headingFont);
    todoColumn->addWidget(EsLabel1);
    todoModel_ = new TableModel(todoTasks, this);
    gridNonday = makeTaskGrid("gridNonday", todoModel_, pnlTodo);
    todoColumn->addWidget(gridNonday, 1);
    splitTodo->setStretchFactor(0, 1);

    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);

    // A double click on the day heading or the status bar goes to today.
    lblDate->installEventFilter(this);
    statusBar()->installEventFilter(this);
    connect(gridDay->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmMain::DrawExtraMemo);
    connect(dayModel_, &QAbstractItemModel::modelReset, this, &TfrmMain::DrawExtraMemo);
    connect(gridDay->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortGridByHeader(gridDay, dayTasks, dayModel_, column); });
    connect(gridNonday->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortGridByHeader(gridNonday, todoTasks, todoModel_, column); });
    dayModel_->setStrikeOutColumn(DayCol::Done);
    todoModel_->setStrikeOutColumn(TodoCol::Done);

    const qreal dpi = screen() ? screen()->logicalDotsPerInchX() : 96.0;
    setMinimumWidth(static_cast<int>(kMinimumWidth * dpi / 96.0));
}

void TfrmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    Hide1 = file->addAction(QStringLiteral("&Hide"), this, &TfrmMain::Hide1Click);
    Hide1->setObjectName(QStringLiteral("Hide1"));
    Hide1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_H));
    Exit1 = file->addAction(QStringLiteral("E&xit"), this, &TfrmMain::SayGoodBye);
    Exit1->setObjectName(QStringLiteral("Exit1"));
    Exit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    tbHideCalendar =
        ToolBar1->addAction(style()->standardIcon(QStyle::SP_TitleBarMinButton),
                            QStringLiteral("Hide calendar"), this, &TfrmMain::Hidecalendar1Click);
    tbHideCalendar->setObjectName(QStringLiteral("tbHideCalendar"));
    tbHideCalendar->setToolTip(QStringLiteral("Hide calendar"));

    TrayIcon_ = new TrayIcon(this);
    TrayIcon_->setIcon(programIcon());
    popTray = new QMenu(this);
    popTray->setObjectName(QStringLiteral("popTray"));
    Showcalendar1 = popTray->addAction(QStringLiteral("Calendar"), this, &TfrmMain::Showcalendar1Click);
    Showcalendar1->setObjectName(QStringLiteral("Showcalendar1"));
    popTray->addSeparator();
    ExitOrvella1 = popTray->addAction(QStringLiteral("Exit Orvella"), this, &TfrmMain::SayGoodBye);
    ExitOrvella1->setObjectName(QStringLiteral("ExitOrvella1"));
    TrayIcon_->setMenu(popTray);
    connect(TrayIcon_, &TrayIcon::clicked, this, &TfrmMain::TrayIconClick);
    connect(TrayIcon_, &TrayIcon::doubleClicked, this, &TfrmMain::Showcalendar1Click);
    connect(TrayIcon_, &TrayIcon::appMinimize, this, &TfrmMain::TrayIconAppMinimize);
}

void TfrmMain::buildTimers() {
    timerPool_ = new TimerPool(this);
    tmLayout_ = timerPool_->add(40, true, [this] { Timer2Timer(); });
    tmStatusClock_ = timerPool_->add(1000, true, [this] { UpdateStatusClock(); });
}

// The triggers that only work while the window shows.
void TfrmMain::setShownOnlyTriggers(bool enabled) {
    if (timerPool_)
        timerPool_->setEnabled(tmStatusClock_, enabled);
}

// --- first showing ---------------------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_ && created_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow() {
    const int today = env_.clock.today();
    const VersionReminder reminder = versionReminder(env_.settings.readInteger("Options", "Days", -1), today);
    if (reminder.show)
        infoBox(kVersionReminderText);
    if (reminder.writeToday)
        env_.settings.writeInteger("Options", "Days", today);

    fix2000(env_.formats);
    ReadSettings(false);

    pnlCalendars->select(1, dateOfSerial(today));
    UpdateStatusClock();
    gridDay->setFocus();

    timerPool_->setEnabled(tmLayout_, true);
    if (isMinimized())
        setShownOnlyTriggers(false);
    ReadFontSettings();
}

// --- the filter ------------------------------------------------------------------------

void TfrmMain::attachFilterDialog(TfrmFilter* dialog) {
    frmFilter_ = dialog;
    filter_ = &dialog->taskFilter();
    Categories1 = new QAction(QStringLiteral("&Categories"), this);
    Categories1->setObjectName(QStringLiteral("Categories1"));
    connect(Categories1, &QAction::triggered, this, &TfrmMain::Categories1Click);
    if (QMenu* file = findChild<QMenu*>(QStringLiteral("File1")))
        file->insertAction(Hide1, Categories1);
    Filters1 = menuBar()->addAction(QStringLiteral("Filters"), this, &TfrmMain::btFilterClick);
    Filters1->setObjectName(QStringLiteral("Filters1"));
    btFilter =
        ToolBar1->addAction(filtersOffIcon(), QStringLiteral("Filters"), this, &TfrmMain::btFilterClick);
    btFilter->setObjectName(QStringLiteral("btFilter"));
    btFilter->setToolTip(QStringLiteral("Filter tasks"));
    connect(dialog, &TfrmFilter::categoriesSaved, this, [this] {
        ColorAllCalendars(true);
        readFromStore(selectedDate_);
        UpdateLabels(pnlCalendars->current());
    });
    updateFilterImage();
}

void TfrmMain::btFilterClick() {
    if (!frmFilter_)
        return;
    frmFilter_->showModal();
    updateFilterImage();
}

void TfrmMain::Categories1Click() {
    if (frmFilter_)
        editCategories(this, env_.dataFolder, gridStore, *frmFilter_);
}

void TfrmMain::updateFilterImage() {
    if (Filters1 && btFilter)
        showFilterState(*Filters1, *btFilter, taskFilter().active());
}

// --- calendars and the day view ---------------------------------------------------------

void TfrmMain::showSelectedDate(const QDate& date) {
    selectedDate_ = serialOf(date);
    readFromStore(selectedDate_);
    UpdateLabels(pnlCalendars->current());
    TrayIcon_->setHint(QStringLiteral("Today is ") +
                       toQt(formatDateTime("dddddd", env_.clock.today(), env_.formats)));
}

// A double click on a day edits its selected task, or adds one when the day has none.
void TfrmMain::cal1CellDblClick() {
    if (!dayTasks.cell(DayCol::Time, 1).empty())
        btEditClick(TaskCommand::DayToolbar);
    else
        btAddClick(true);
}

void TfrmMain::Today1Click() {
    pnlCalendars->select(1, dateOfSerial(env_.clock.today()));
}

void TfrmMain::ColorAllCalendars(bool all) {
    pnlCalendars->ColorAllCalendars(all);
}

std::optional<CellPaint> TfrmMain::cal1DrawCell(int calendar, const QDate& date, bool selected,
                                                bool inMonth) const {
    if (!options_ || !pnlCalendars->inStep() || !inMonth)
        return std::nullopt;
    const int serial = serialOf(date);
    DayCellFacts facts;
    facts.today = serial == env_.clock.today();
    facts.selected = selected;
    facts.currentCalendar = calendar == pnlCalendars->current();
    facts.taskColour = dayTaskColour(gridStore, serial, *options_, taskFilter());
    const DayCellColours c = dayCellColours(facts, *options_);
    auto toColour = [this](const CellColour& colour) {
        switch (colour.role) {
        case CellColour::Role::WindowText:
            return palette().color(QPalette::WindowText);
        case CellColour::Role::ButtonFace:
            return palette().color(QPalette::Button);
        case CellColour::Role::Highlight:
            return palette().color(QPalette::Highlight);
        case CellColour::Role::HighlightText:
            return palette().color(QPalette::HighlightedText);
        case CellColour::Role::Stored:
            break;
        }
        return QColor(static_cast<int>(colour.value & 0xFF), static_cast<int>((colour.value >> 8) & 0xFF),
                      static_cast<int>((colour.value >> 16) & 0xFF));
    };
    return CellPaint{toColour(c.text), toColour(c.background)};
}

void TfrmMain::UpdateLabels(int calendar) {
    EsLabel1->setText(toQt(todoHeading(todoTasks.rowCount() - 1)));
    if (calendar < 0 || calendar != pnlCalendars->current())
        return;
    const DayHeading heading =
        dayHeading(selectedDate_, dayTasks.rowCount() - 1, std::string(), env_.formats, env_.clock);
    const bool shadows = !options_ || options_->shadows;
    QPalette pal = lblDate->palette();
    pal.setColor(QPalette::WindowText, heading.holiday ? QColor(Qt::red)
                                       : shadows       ? QColor(Qt::blue)
                                                       : QColor(0, 0, 128));
    lblDate->setPalette(pal);
    lblDate->setText(toQt(heading.text));
}

void TfrmMain::UpdateStatusClock() {
    try {
        statusBar()->showMessage(toQt(statusClockText(env_.clock.now(), env_.formats)));
    } catch (...) {
    }
}

void TfrmMain::DrawExtraMemo() {
    const QModelIndex current = gridDay->selectionModel()->currentIndex();
    memoRow_ = current.isValid() ? TableModel::tableRow(current.row()) : -1;
    const std::string what = memoRow_ > 0 && memoRow_ < dayTasks.rowCount()
                                 ? dayTasks.cell(DayCol::What, memoRow_)
                                 : std::string();
    QStringList lines;
    for (const std::string& line : memoLines(what))
        lines << toQt(line);
    const QSignalBlocker block(memWhat);
    memWhat->setPlainText(lines.join(QLatin1Char('\n')));
    memWhat->setVisible(!what.empty());
    const bool done = memoRow_ > 0 && dayTasks.cell(DayCol::Done, memoRow_) == "Yes";
    QPalette pal = memWhat->palette();
    pal.setColor(QPalette::Base, done ? palette().color(QPalette::Button) : QColor(248, 252, 201));
    memWhat->setPalette(pal);
}

void TfrmMain::memWhatExit() {
    if (memoRow_ <= 0 || memoRow_ >= dayTasks.rowCount() || dayTasks.cell(DayCol::Time, memoRow_).empty())
        return;
    std::vector<std::string> lines;
    for (const QString& line : memWhat->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(fromQt(line));
    const std::string text = memoText(lines);
    if (text == dayTasks.cell(DayCol::What, memoRow_))
        return;
    dayTasks.setCell(DayCol::What, memoRow_, text);
    const int row = memoRow_;
    try {
        writeToStore(selectedDate_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    dayModel_->reload();
    gridDay->selectRow(row - 1);
}

void TfrmMain::sortGridByHeader(QTableView* grid, Table& table, TableModel* model, int column) {
    const bool isDay = grid == gridDay;
    bool ascending = true;
    if (isDay) {
        ascending = column == sortColumn_ ? !sortAscending_ : true;
        sortColumn_ = column;
        sortAscending_ = ascending;
    } else {
        ascending = grid->horizontalHeader()->sortIndicatorSection() != column ||
                    grid->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    }
    sortGridRows(table, column, ascending, isDay, env_.formats, env_.clock);
    grid->horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    model->reload();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memWhat && event->type() == QEvent::FocusOut)
        memWhatExit();
    if ((watched == lblDate || watched == statusBar()) && event->type() == QEvent::MouseButtonDblClick)
        Today1Click();
    return QMainWindow::eventFilter(watched, event);
}

// --- the store ---------------------------------------------------------------------------

void TfrmMain::readFromStore(int date) {
    copyDayFromStore(gridStore, date, dayTasks, taskFilter());
    dayModel_->reload();
}

void TfrmMain::writeToStore(int date) {
    copyDayToStore(gridStore, date, dayTasks, taskFilter());
    SortGridStore();
}

void TfrmMain::SortGridStore() {
    sortStore(gridStore);
    saveGrid(gridStore, dataFile(kStoreFile));
}

void TfrmMain::saveTaskFiles(bool sorted) {
    if (sorted)
        SortGridStore();
    else
        saveGrid(gridStore, dataFile(kStoreFile));
    saveGrid(todoTasks, dataFile(kTodoFile));
}

// --- closing, hiding and showing ----------------------------------------------------------

bool TfrmMain::FormCloseQuery() {
    SaveFontSettings();
    // Built without the options dialog (as in its own tests) the window follows the store.
    const bool closeExits =
        frmOptions_ ? frmOptions_->options().exitOnClose : env_.settings.read(keys::ExitF4);
    if (!closeExits && !exiting_) {
        TrayIcon_->hideProgram();
        return false;
    }
    return true;
}

void TfrmMain::FormClose() {
    alarmShowing = true;
    if (timerPool_)
        timerPool_->stopAll();
    try {
        MemorizeScreen(false);
    } catch (...) {
    }
    try {
        saveTaskFiles(true);
    } catch (...) {
        // The program ends anyway; the last successful save stays on disk.
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (goodByeDone_ || !created_) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    goodByeDone_ = true;
    event->accept();
    QApplication::quit();
}

void TfrmMain::SayGoodBye() {
    exiting_ = true;
    try {
        MemorizeScreen(false);
    } catch (...) {
    }
    alarmShowing = true;
    if (timerPool_)
        timerPool_->stopAll();
    stopAlarmSound();
    try {
        saveTaskFiles(true);
    } catch (...) {
    }
    goodByeDone_ = true;
    QApplication::quit();
}

bool TfrmMain::WMQueryEndSession() {
    exiting_ = true;
    if (timerPool_)
        timerPool_->stopAll();
    return FormCloseQuery();
}

void TfrmMain::Hide1Click() {
    stopAlarmSound();
    Hidecalendar1Click();
}

void TfrmMain::Hidecalendar1Click() {
    setShownOnlyTriggers(false);
    TrayIcon_->hideProgram();
}

void TfrmMain::Showcalendar1Click() {
    setShownOnlyTriggers(true);
    TrayIcon_->showProgram();
}

void TfrmMain::TrayIconClick() {
    TrayIcon_->showProgram();
}

void TfrmMain::TrayIconAppMinimize() {
    try {
        saveTaskFiles(false);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
}

void TfrmMain::startHidden() {
    if (TrayIcon_->available())
        return; // the icon is the program's only face until it is shown
    showMinimized();
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && created_ && !goodByeDone_)
        TrayIcon_->windowMinimized();
}

// --- layout -------------------------------------------------------------------------------

void TfrmMain::MemorizeScreen(bool ask) {
    if (ask && !confirmBox("Really memorize current screen positions?"))
        return;
    const QRect frame = frameGeometry();
    WindowLayout l;
    l.top = frame.top();
    l.left = frame.left();
    l.height = frame.height();
    l.width = frame.width();
    l.split1Pos = pnlCalendars->width();
    l.split2Pos = pnlTodo->height();
    l.splitDay = pnlMemo->height();
    writeWindowLayout(env_.settings, ask, l);
}

void TfrmMain::RecoverScreenSize(bool fromMenu) {
    const QRect screenRect = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const int frameHeight = frameGeometry().height() - height();
    const auto layout = readWindowLayout(env_.settings, fromMenu,
                                         {screenRect.width(), screenRect.height(), std::max(frameHeight, 0)});
    if (!layout) {
        if (fromMenu)
            errorBox("Screen has not yet been memorized");
        return;
    }
    if (layout->maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        wantedFrame_ = QRect(layout->left, layout->top, layout->width, layout->height);
        const QSize extra = frameGeometry().size() - size();
        resize(std::max(layout->width - extra.width(), minimumWidth()),
               std::max(layout->height - extra.height(), 1));
        move(wantedFrame_.topLeft());
    }
    pnlTasks->setSizes({layout->split1Pos, std::max(layout->width - layout->split1Pos, 1)});
    splitTodo->setSizes({std::max(layout->height - layout->split2Pos, 1), layout->split2Pos});
    splitDay->setSizes(
        {std::max(layout->height - layout->split2Pos - layout->splitDay, 1), layout->splitDay});
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::FormResize() {
    ResizeGridDay();
    ResizeGridNonDay();
}

namespace {
// A width of the grids' design at 96 dots per inch, on this screen.
int scaled(const QWidget* w, int pixels) {
    return pixels * w->logicalDpiX() / 96;
}
} // namespace

void TfrmMain::ResizeGridDay() {
    // Time, Category, Done? and Alarm? keep their widths; What takes the room that is left.
    QHeaderView* header = gridDay->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(DayCol::What, QHeaderView::Stretch);
    gridDay->setColumnWidth(DayCol::Time, scaled(this, 58));
    gridDay->setColumnWidth(DayCol::Category, scaled(this, 74));
    gridDay->setColumnWidth(DayCol::Done, scaled(this, 46));
    gridDay->setColumnWidth(DayCol::Alarm, scaled(this, 46));
}

void TfrmMain::ResizeGridNonDay() {
    QHeaderView* header = gridNonday->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(TodoCol::What, QHeaderView::Stretch);
    gridNonday->setColumnWidth(TodoCol::Category, scaled(this, 84));
    gridNonday->setColumnWidth(TodoCol::Done, scaled(this, 54));
}

void TfrmMain::Timer2Timer() {
    timerPool_->setEnabled(tmLayout_, false);
    // The window manager's frame is known now: make the outer size the remembered one.
    if (wantedFrame_.isValid() && !isMaximized()) {
        const QSize extra = frameGeometry().size() - size();
        if (extra != QSize(0, 0) && frameGeometry() != wantedFrame_) {
            resize(std::max(wantedFrame_.width() - extra.width(), minimumWidth()),
                   std::max(wantedFrame_.height() - extra.height(), 1));
            move(wantedFrame_.topLeft());
        }
        wantedFrame_ = QRect();
    }
    FormResize();
}

// --- the options ----------------------------------------------------------------------------

void TfrmMain::attachOptionsDialog(TfrmOptions* dialog) {
    frmOptions_ = dialog;
    setOptions(&dialog->options());
    Options2 = new QAction(QStringLiteral("&Options"), this);
    Options2->setObjectName(QStringLiteral("Options2"));
    Options2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(Options2, &QAction::triggered, this, &TfrmMain::Options2Click);
    if (QMenu* file = findChild<QMenu*>(QStringLiteral("File1")))
        file->insertAction(Categories1 ? Categories1 : Hide1, Options2);
    tbOptions = ToolBar1->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                    QStringLiteral("Options"), this, &TfrmMain::Options2Click);
    tbOptions->setObjectName(QStringLiteral("tbOptions"));
    tbOptions->setToolTip(QStringLiteral("Options"));
    hints_ = new HintSwitch(*this);

    connect(dialog, &TfrmOptions::shadowsChanged, this, &TfrmMain::ApplySettings);
    connect(dialog, &TfrmOptions::strikeOutChanged, this, [this] {
        recolourCalendars(false);
        readFromStore(selectedDate_);
    });
    connect(dialog, &TfrmOptions::calendarColoursChanged, this, &TfrmMain::recolourCalendars);
    connect(dialog, &TfrmOptions::currentMonthCleared, this,
            [this] { pnlCalendars->setMonthBackground(QColor(), dateOfSerial(env_.clock.today())); });
    connect(dialog, &TfrmOptions::hintColoursChanged, this, &TfrmMain::applyHintColours);
    connect(dialog, &TfrmOptions::calendarFontChanged, this,
            [this] { pnlCalendars->setCalendarFont(toQFont(options_->calendarFont)); });
    connect(dialog, &TfrmOptions::gridFontChanged, this, &TfrmMain::ChangeGridFonts);
    connect(dialog, &TfrmOptions::rowHeightChanged, this, &TfrmMain::setGridRowHeight);
    if (frmFilter_) {
        TfrmFilter* filter = frmFilter_;
        auto panels = [filter, dialog] {
            const OptionValues& o = dialog->options();
            filter->setPanelColours(toQColor(o.done.text), toQColor(o.done.background),
                                    toQColor(o.notDone.text), toQColor(o.notDone.background));
        };
        connect(dialog, &TfrmOptions::filterColoursChanged, filter, panels);
        panels();
    }
    // What the dialog read at its creation takes effect now.
    pnlCalendars->setCalendarFont(toQFont(options_->calendarFont));
    ChangeGridFonts();
}

void TfrmMain::Options2Click() {
    if (!frmOptions_)
        return;
    dialogs().execModal(*frmOptions_);
    ReadSettings(false); // whichever button closed it
}

void TfrmMain::ReadSettings(bool startInTray) {
    if (!frmOptions_)
        return;
    // The snooze list takes "SnoozeIndex" here once it exists; the shadows flag, default
    // category and delete confirmation are read from the options themselves.
    ApplySettings(options_->shadows);
    // The chime and pop-up timers, the pop-up menu marks and the tray icon's day follow the
    // options here once they exist.
    applyHintColours();
    if (startInTray)
        setShownOnlyTriggers(false);
}

void TfrmMain::ApplySettings(bool shadows) {
    if (!frmOptions_)
        return;
    const QFont title = toQFont(options_->titleFont);
    const int height = titleCaptionHeight(options_->titleFont.size, logicalDpiY(), shadows);
    for (QLabel* caption : {lblDate, EsLabel1}) {
        caption->setFont(title);
        caption->setFixedHeight(height);
        applyTitleShadow(*caption, shadows);
    }
    if (frmFilter_) {
        frmFilter_->titleCaption().setFont(title);
        applyTitleShadow(frmFilter_->titleCaption(), shadows);
    }
    // The completed-task and password windows' captions join here once they exist.
    UpdateLabels(pnlCalendars->current());
    ResizeGridDay();
    ResizeGridNonDay();
    const Qt::DayOfWeek firstDay = options_->weekStartsSunday ? Qt::Sunday : Qt::Monday;
    for (int i = 0; i < 4; ++i)
        pnlCalendars->calendar(i)->grid()->setFirstDayOfWeek(firstDay);
    hints_->setHintsShown(options_->flyBy);
}

void TfrmMain::ChangeGridFonts() {
    const QFont font = toQFont(options_->gridFont);
    gridDay->setFont(font);
    gridNonday->setFont(font);
    memWhat->setFont(font);
    // The grids' print fonts follow the grid font once printing exists.
    setGridRowHeight(options_->rowHeight);
}

void TfrmMain::setGridRowHeight(int height) {
    for (QTableView* grid : {gridDay, gridNonday}) {
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(height + 4);
    }
}

void TfrmMain::recolourCalendars(bool monthColouring) {
    const bool month = monthColouring || options_->monthColor;
    pnlCalendars->setMonthBackground(month ? toQColor(options_->monthBackground) : QColor(),
                                     dateOfSerial(env_.clock.today()));
    ColorAllCalendars(true);
}

void TfrmMain::applyHintColours() {
    QPalette pal = QToolTip::palette();
    pal.setColor(QPalette::ToolTipBase, toQColor(options_->hint.background));
    pal.setColor(QPalette::ToolTipText, toQColor(options_->hint.text));
    QToolTip::setPalette(pal);
}

void TfrmMain::stopAlarmSound() {
    if (frmOptions_)
        frmOptions_->playAlarmSound("", false, false);
}

void TfrmMain::ReadFontSettings() {
    printFont_ = env_.settings.read(keys::PrintFont);
}

void TfrmMain::SaveFontSettings() {
    if (shownOnce_) // nothing was read before the first showing
        env_.settings.write(keys::PrintFont, printFont_);
}

} // namespace orvella
