#include "app/TfrmMain.h"

#include "app/ProgramIcon.h"
#include "app/ProgramInfo.h"
#include "app/WindowLayout.h"
#include "data/DataFiles.h"
#include "data/DateFormat.h"
#include "data/Utility.h"
#include "data/gridfile.h"
#include "platform/QtText.h"
#include "platform/TableModel.h"
#include "platform/TimerPool.h"
#include "platform/TrayIcon.h"

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
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
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
    // The views must not ask the tables for anything once the tables are gone.
    gridDay->setModel(nullptr);
    gridNonday->setModel(nullptr);
}

std::string TfrmMain::dataFile(const char* name) const { return joinPath(env_.dataFolder, name); }

void TfrmMain::FormCreate() {
    const std::string notice = ageNotice(env_.clock.now(), buildDate());
    if (!notice.empty())
        messageBox(notice);

    exiting_ = false;
    alarmShowing = false;

    buildPanels();
    buildMenus();
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

    pnlCalendars = new QWidget(pnlTasks);
    pnlCalendars->setObjectName(QStringLiteral("pnlCalendars"));

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
    memWhat->setReadOnly(true);
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

    tbHideCalendar = ToolBar1->addAction(style()->standardIcon(QStyle::SP_TitleBarMinButton),
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
}

void TfrmMain::setShownOnlyTriggers(bool) {
    // The panel-colour and status-clock triggers join here when they exist.
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

    selectedDate_ = today;
    readFromStore(selectedDate_);
    UpdateLabels();
    gridDay->setFocus();

    timerPool_->setEnabled(tmLayout_, true);
    if (isMinimized())
        setShownOnlyTriggers(false);
}

void TfrmMain::UpdateLabels() {
    lblDate->setText(toQt(formatDateTime("dddd, dddddd", selectedDate_, env_.formats)));
    EsLabel1->setText(QStringLiteral("To-do tasks"));
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
    const bool closeExits = env_.settings.readBoolean("Options", "ExitF4", true);
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

void TfrmMain::Hide1Click() { Hidecalendar1Click(); }

void TfrmMain::Hidecalendar1Click() {
    setShownOnlyTriggers(false);
    TrayIcon_->hideProgram();
}

void TfrmMain::Showcalendar1Click() {
    setShownOnlyTriggers(true);
    TrayIcon_->showProgram();
}

void TfrmMain::TrayIconClick() { TrayIcon_->showProgram(); }

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
        resize(std::max(layout->width - extra.width(), minimumWidth()), std::max(layout->height - extra.height(), 1));
        move(wantedFrame_.topLeft());
    }
    pnlTasks->setSizes({layout->split1Pos, std::max(layout->width - layout->split1Pos, 1)});
    splitTodo->setSizes({std::max(layout->height - layout->split2Pos, 1), layout->split2Pos});
    splitDay->setSizes({std::max(layout->height - layout->split2Pos - layout->splitDay, 1), layout->splitDay});
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::FormResize() { layoutGridColumns(); }

void TfrmMain::layoutGridColumns() {
    // Time, Category, What, Done?, Alarm?: the What column takes the room that is left.
    gridDay->horizontalHeader()->setStretchLastSection(false);
    gridDay->setColumnWidth(DayCol::Time, 80);
    gridDay->setColumnWidth(DayCol::Category, 100);
    gridDay->setColumnWidth(DayCol::Done, 52);
    gridDay->setColumnWidth(DayCol::Alarm, 52);
    gridDay->horizontalHeader()->setSectionResizeMode(DayCol::What, QHeaderView::Stretch);
    gridNonday->setColumnWidth(TodoCol::Category, 100);
    gridNonday->setColumnWidth(TodoCol::Done, 52);
    gridNonday->horizontalHeader()->setSectionResizeMode(TodoCol::What, QHeaderView::Stretch);
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

} // namespace orvella
