#include "tasks/edit.h"

#include "data/DateFormat.h"
#include "data/Prompter.h"
#include "data/TaskStore.h"
#include "data/Utility.h"
#include "data/gridfile.h"
#include "organise/categories.h"
#include "platform/Prompts.h"
#include "platform/QtDates.h"
#include "platform/QtText.h"
#include "tasks/Recur.h"
#include "tasks/SpellCheck.h"
#include "tasks/Timebar.h"
#include "tasks/editformats.h"
#include "tasks/recurrence.h"
#include "tasks/resch.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace orvella {

namespace {

constexpr int kMaxCategory = 20;
constexpr int kMaxNotes = 2048;
constexpr int kMaxCompletionNotes = 255;
constexpr const char* kBlankNotes = "The Notes are blank!";

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QTime timeOfFraction(double dateTime) {
    const double fraction = dateTime - std::floor(dateTime);
    const int ms = static_cast<int>(std::lround(fraction * 86400000.0)) % 86400000;
    return QTime::fromMSecsSinceStartOfDay(ms);
}

std::vector<std::string> memoLinesOf(const QPlainTextEdit& memo) {
    std::vector<std::string> lines;
    for (const QString& line : memo.toPlainText().split(QLatin1Char('\n')))
        lines.push_back(fromQt(line));
    return lines;
}

void setMemo(QPlainTextEdit& memo, const std::string& text) {
    QStringList lines;
    for (const std::string& line : memoLines(text))
        lines << toQt(line);
    memo.setPlainText(lines.join(QLatin1Char('\n')));
}

void limitLength(QPlainTextEdit& memo, int maximum) {
    const QString text = memo.toPlainText();
    if (text.size() <= maximum)
        return;
    const QSignalBlocker block(&memo);
    memo.setPlainText(text.left(maximum));
    memo.moveCursor(QTextCursor::End);
}

} // namespace

TfrmEdit::TfrmEdit(Environment env, QWidget* parent) : QDialog(parent), env_(std::move(env)) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Edit Task"));
    buildControls();
    const double now = env_.clock.now();
    dtTime->setTime(timeOfFraction(now));
    dtComplete->setDate(dateOfSerial(static_cast<int>(std::floor(now))));
    cbCategory->setEditText(toQt(env_.defaultCategory));
}

void TfrmEdit::buildControls() {
    pnlMain = named(new QWidget(this), "pnlMain");
    lblTitle = named(new QLabel(QStringLiteral("To-do Tasks"), pnlMain), "lblTitle");
    QFont heading = lblTitle->font();
    heading.setPointSize(heading.pointSize() + 4);
    lblTitle->setFont(heading);

    lblTime = named(new QLabel(QStringLiteral("&Time:"), pnlMain), "lblTime");
    dtTime = named(new QTimeEdit(pnlMain), "dtTime");
    dtTime->setDisplayFormat(
        QString::fromStdString(qtEditFormat(env_.formats.shortTimeFormat, env_.formats)));
    dtTime->setMinimumWidth(100);
    lblTime->setBuddy(dtTime);
    btTime = named(new QToolButton(pnlMain), "btTime");
    btTime->setText(QStringLiteral("..."));
    btTime->setToolTip(QStringLiteral("Time Entry"));
    btTime->setFocusPolicy(Qt::NoFocus);

    lblCategory = named(new QLabel(QStringLiteral("&Category:"), pnlMain), "lblCategory");
    cbCategory = named(new QComboBox(pnlMain), "cbCategory");
    cbCategory->setEditable(true);
    cbCategory->setInsertPolicy(QComboBox::NoInsert);
    cbCategory->setMaxVisibleItems(12);
    cbCategory->lineEdit()->setMaxLength(kMaxCategory);
    cbCategory->setMinimumWidth(160);
    lblCategory->setBuddy(cbCategory);
    btCategory = named(new QToolButton(pnlMain), "btCategory");
    btCategory->setText(QStringLiteral("..."));
    btCategory->setToolTip(QStringLiteral("Edit Category Choices"));

    cbAlarm = named(new QCheckBox(QStringLiteral("&Alarm?"), pnlMain), "cbAlarm");
    cbDone = named(new QCheckBox(QStringLiteral("Is this task completed?"), pnlMain), "cbDone");
    cbDone->hide();
    lblComplete = named(new QLabel(pnlMain), "lblComplete");

    lblNotes = named(new QLabel(QStringLiteral("&Notes:"), pnlMain), "lblNotes");
    memMain = named(new QPlainTextEdit(pnlMain), "memMain");
    memMain->setMinimumSize(380, 130);
    memMain->setTabChangesFocus(true);
    memMain->installEventFilter(this);
    lblNotes->setBuddy(memMain);
    btSpell1 = named(new QPushButton(QStringLiteral("&Spelling"), pnlMain), "btSpell1");
    btSpell1->hide();

    btOK = named(new QPushButton(QStringLiteral("&OK"), pnlMain), "btOK");
    btOK->setDefault(true);
    btCancel = named(new QPushButton(QStringLiteral("Cancel"), pnlMain), "btCancel");
    btComplete = named(new QPushButton(QStringLiteral("&Mark complete"), pnlMain), "btComplete");
    btReschedule = named(new QPushButton(QStringLiteral("R&eschedule"), pnlMain), "btReschedule");
    btRepeat = named(new QPushButton(QStringLiteral("&Repeat"), pnlMain), "btRepeat");
    popRepeat = named(new QMenu(btRepeat), "popRepeat");
    Repeat1 = popRepeat->addAction(QStringLiteral("Repeat"), this, &TfrmEdit::Repeat1Click);
    Repeat1->setObjectName(QStringLiteral("Repeat1"));
    Repeatannuallyfor10years1 = popRepeat->addAction(QStringLiteral("Repeat annually for 10 years"), this,
                                                     &TfrmEdit::Repeatannuallyfor10years1Click);
    Repeatannuallyfor10years1->setObjectName(QStringLiteral("Repeatannuallyfor10years1"));
    btRepeat->setMenu(popRepeat);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->addWidget(lblTime, 0, 0);
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(0);
    timeRow->addWidget(dtTime);
    timeRow->addWidget(btTime);
    timeRow->addStretch();
    fields->addLayout(timeRow, 0, 1);
    fields->addWidget(lblComplete, 0, 2);
    fields->addWidget(lblCategory, 1, 0);
    auto* categoryRow = new QHBoxLayout;
    categoryRow->setSpacing(0);
    categoryRow->addWidget(cbCategory);
    categoryRow->addWidget(btCategory);
    categoryRow->addStretch();
    fields->addLayout(categoryRow, 1, 1);
    fields->addWidget(cbAlarm, 1, 2);
    fields->setColumnStretch(2, 1);

    auto* notesRow = new QHBoxLayout;
    notesRow->addWidget(lblNotes);
    notesRow->addStretch();
    notesRow->addWidget(btSpell1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btOK, btCancel, btComplete, btReschedule, btRepeat})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* mainColumn = new QVBoxLayout(pnlMain);
    mainColumn->setContentsMargins(0, 0, 0, 0);
    mainColumn->addWidget(lblTitle);
    mainColumn->addLayout(fields);
    mainColumn->addLayout(notesRow);
    mainColumn->addWidget(memMain, 1);
    mainColumn->addLayout(buttons);

    pnlComplete = named(new QWidget(this), "pnlComplete");
    EsLabel1 = named(new QLabel(QStringLiteral("Task Completion Notes"), pnlComplete), "EsLabel1");
    EsLabel1->setFont(heading);
    lblCompNotes = named(new QLabel(QStringLiteral("&Notes"), pnlComplete), "lblCompNotes");
    memComplete = named(new QPlainTextEdit(pnlComplete), "memComplete");
    memComplete->setTabChangesFocus(true);
    lblCompNotes->setBuddy(memComplete);
    btSpell2 = named(new QPushButton(QStringLiteral("&Spelling"), pnlComplete), "btSpell2");
    btSpell2->hide();
    lblCompDate = named(new QLabel(QStringLiteral("&Date of Task Completion"), pnlComplete), "lblCompDate");
    dtComplete = named(new QDateEdit(pnlComplete), "dtComplete");
    dtComplete->setCalendarPopup(true);
    dtComplete->setDisplayFormat(
        QString::fromStdString(qtEditFormat(env_.formats.shortDateFormat, env_.formats)));
    dtComplete->setMinimumWidth(120);
    lblCompDate->setBuddy(dtComplete);
    btOrigin = named(new QPushButton(QStringLiteral("Goto origin date"), pnlComplete), "btOrigin");
    btToday = named(new QPushButton(QStringLiteral("Goto today"), pnlComplete), "btToday");
    btOK2 = named(new QPushButton(QStringLiteral("&OK"), pnlComplete), "btOK2");
    btCancel2 = named(new QPushButton(QStringLiteral("Cancel"), pnlComplete), "btCancel2");

    auto* compNotesRow = new QHBoxLayout;
    compNotesRow->addWidget(lblCompNotes);
    compNotesRow->addStretch();
    compNotesRow->addWidget(btSpell2);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dtComplete);
    dateRow->addWidget(btOrigin);
    dateRow->addWidget(btToday);
    dateRow->addStretch();
    auto* compButtons = new QHBoxLayout;
    compButtons->addWidget(btOK2);
    compButtons->addWidget(btCancel2);
    compButtons->addStretch();
    auto* compColumn = new QVBoxLayout(pnlComplete);
    compColumn->setContentsMargins(0, 0, 0, 0);
    compColumn->addWidget(EsLabel1);
    compColumn->addLayout(compNotesRow);
    compColumn->addWidget(memComplete, 1);
    compColumn->addWidget(lblCompDate);
    compColumn->addLayout(dateRow);
    compColumn->addLayout(compButtons);
    pnlComplete->hide();

    // Both panels share the whole dialog; the hidden one takes no room.
    auto* body = new QGridLayout(this);
    body->addWidget(pnlMain, 0, 0);
    body->addWidget(pnlComplete, 0, 0);

    // The spelling buttons show when a dictionary was found.
    btSpell1->setVisible(env_.speller != nullptr);
    btSpell2->setVisible(env_.speller != nullptr);
    connect(btSpell1, &QPushButton::clicked, this, [this] {
        if (env_.speller)
            checkSpelling(*memMain, *env_.speller, this);
    });
    connect(btSpell2, &QPushButton::clicked, this, [this] {
        if (env_.speller)
            checkSpelling(*memComplete, *env_.speller, this);
    });
    connect(btOK, &QPushButton::clicked, this, &TfrmEdit::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btComplete, &QPushButton::clicked, this, &TfrmEdit::btCompleteClick);
    connect(btReschedule, &QPushButton::clicked, this, &TfrmEdit::btRescheduleClick);
    connect(btTime, &QToolButton::clicked, this, &TfrmEdit::btTimeClick);
    connect(btCategory, &QToolButton::clicked, this, &TfrmEdit::btCategoryClick);
    connect(btOK2, &QPushButton::clicked, this, &TfrmEdit::btOK2Click);
    connect(btCancel2, &QPushButton::clicked, this, &TfrmEdit::btCancel2Click);
    connect(btOrigin, &QPushButton::clicked, this, &TfrmEdit::btOriginClick);
    connect(btToday, &QPushButton::clicked, this, &TfrmEdit::btTodayClick);
    connect(memMain, &QPlainTextEdit::textChanged, this, &TfrmEdit::memMainChange);
    connect(memComplete, &QPlainTextEdit::textChanged, this,
            [this] { limitLength(*memComplete, kMaxCompletionNotes); });
}

void TfrmEdit::setTitle(const std::string& text, bool past) {
    QPalette pal = lblTitle->palette();
    if (past) {
        pal.setColor(QPalette::WindowText, Qt::red);
        lblTitle->setPalette(pal);
        lblTitle->setText(toQt("PAST " + text));
    } else {
        lblTitle->setText(toQt(text));
    }
}

void TfrmEdit::setLooks(const QFont& titleFont, const QPalette& titlePalette, const QFont& memoFont) {
    for (QLabel* caption : {lblTitle, EsLabel1}) {
        caption->setFont(titleFont);
        QPalette pal = caption->palette();
        pal.setColor(QPalette::WindowText, titlePalette.color(QPalette::WindowText));
        caption->setPalette(pal);
    }
    memMain->setFont(memoFont);
    memComplete->setFont(memoFont);
}

void TfrmEdit::setTask(const TaskFields& task) {
    if (!task.time.empty())
        dtTime->setTime(timeOfFraction(timeOrNow(task.time, env_.formats, env_.clock)));
    cbAlarm->setChecked(task.alarm == "Yes");
    const int item = cbCategory->findText(toQt(task.category));
    if (item >= 0)
        cbCategory->setCurrentIndex(item);
    cbCategory->setEditText(toQt(task.category));
    cbDone->setChecked(task.done == "Yes");
    if (cbDone->isChecked())
        hideTimeFields();
    const QSignalBlocker block(memMain);
    setMemo(*memMain, task.what);
}

void TfrmEdit::hideTimeFields() {
    cbAlarm->hide();
    lblTime->hide();
    dtTime->hide();
    btTime->hide();
}

void TfrmEdit::setCompleteEnabled(bool enabled) {
    btComplete->setEnabled(enabled);
}

double TfrmEdit::timeValue() const {
    return dtTime->time().msecsSinceStartOfDay() / 86400000.0;
}

TaskFields TfrmEdit::task() const {
    return {formatDateTime("t", timeValue(), env_.formats), fromQt(cbCategory->currentText()),
            memoText(memoLinesOf(*memMain)), yesNo(cbDone->isChecked()), yesNo(cbAlarm->isChecked())};
}

std::vector<std::string> TfrmEdit::categories() const {
    std::vector<std::string> items;
    for (int i = 0; i < cbCategory->count(); ++i)
        items.push_back(fromQt(cbCategory->itemText(i)));
    return items;
}

int TfrmEdit::showModal() {
    FormShow();
    return dialogs().execModal(*this);
}

void TfrmEdit::FormShow() {
    setWindowTitle(windowTitle().remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
    loadCategories();
    pnlMain->show();
    pnlMain->raise();
    pnlComplete->hide();
    btOK2->setEnabled(false);
    lblComplete->setFont(lblTitle->font());
    const bool done = cbDone->isChecked();
    lblComplete->setText(done ? QStringLiteral("Completed Task")
                              : QStringLiteral("Task is not yet completed"));
    btComplete->setVisible(!done);
    btRepeat->setVisible(!done);
    if (done)
        btReschedule->hide();
    if (!dateTask) {
        btRepeat->hide();
        btReschedule->hide();
    }
    if (!btRepeat->isHidden()) {
        btReschedule->setVisible(existingTask && dateTask);
        btRepeat->setVisible(!btReschedule->isHidden());
    }
    if (dtTime->isHidden()) {
        // Without a time the completion state takes the time's row.
        if (auto* fields =
                qobject_cast<QGridLayout*>(lblComplete->parentWidget()->layout()->itemAt(1)->layout())) {
            fields->removeWidget(lblComplete);
            fields->addWidget(lblComplete, 0, 0, 1, 3);
        }
    }
    if (completeOnShow)
        btCompleteClick();
    taskDate = env_.selectedDate;
    if (!dtTime->isHidden())
        dtTime->setFocus();
    else
        memMain->setFocus();
}

bool TfrmEdit::notesBlank() {
    if (!memoText(memoLinesOf(*memMain)).empty())
        return false;
    errorBox(kBlankNotes);
    memMain->setFocus();
    return true;
}

void TfrmEdit::loadCategories() {
    const QString text = cbCategory->currentText();
    const std::vector<std::string> items = readSortedCategories(joinPath(env_.dataFolder, kCategoryFile));
    const QSignalBlocker block(cbCategory);
    cbCategory->clear();
    for (const std::string& item : items)
        cbCategory->addItem(toQt(item));
    const int item = cbCategory->findText(text);
    if (item >= 0)
        cbCategory->setCurrentIndex(item);
    cbCategory->setEditText(text);
}

void TfrmEdit::saveCategories() {
    try {
        writeCategoryFile(joinPath(env_.dataFolder, kCategoryFile), categories());
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
}

void TfrmEdit::btOKClick() {
    if (notesBlank())
        return;
    const std::string category = fromQt(cbCategory->currentText());
    std::vector<std::string> items = categories();
    if (!category.empty() && findCategory(items, category) < 0) {
        items.insert(items.begin() + sortedPosition(items, category), category);
        const QSignalBlocker block(cbCategory);
        cbCategory->insertItem(sortedPosition(categories(), category), toQt(category));
        cbCategory->setEditText(toQt(category));
        saveCategories();
    }
    accept();
}

void TfrmEdit::memMainChange() {
    limitLength(*memMain, kMaxNotes);
    if (dateTask && !cbDone->isChecked())
        btRepeat->show();
    btComplete->setEnabled(true);
    btOK->setEnabled(true);
}

bool TfrmEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memMain && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc leaves the notes for Cancel rather than closing the dialog at once.
        if (event->type() == QEvent::KeyRelease)
            btCancel->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmEdit::btCompleteClick() {
    if (notesBlank())
        return;
    pnlMain->hide();
    pnlComplete->show();
    pnlComplete->raise();
    btOK->setEnabled(false);
    btOK2->setEnabled(true);
    memComplete->setFocus();
}

void TfrmEdit::btOK2Click() {
    cbAlarm->setChecked(false);
    cbDone->setChecked(true);
    if (env_.addCompletion)
        env_.addCompletion({static_cast<double>(serialOf(dtComplete->date())), timeValue(),
                            fromQt(cbCategory->currentText()), originText, memoText(memoLinesOf(*memMain)),
                            memoText(memoLinesOf(*memComplete))});
    accept();
}

void TfrmEdit::btCancel2Click() {
    btOK->setEnabled(true);
    btOK2->setEnabled(false);
    pnlComplete->hide();
    pnlMain->show();
}

void TfrmEdit::btOriginClick() {
    dtComplete->setDate(dateOfSerial(env_.selectedDate));
}

void TfrmEdit::btTodayClick() {
    dtComplete->setDate(dateOfSerial(env_.clock.today()));
}

void TfrmEdit::btRescheduleClick() {
    TfrmReschedule dialog(env_.clock, env_.formats, this);
    dialog.setTitleLook(lblTitle->font(), lblTitle->palette());
    dialog.setDate(env_.selectedDate);
    dialog.FormShow();
    if (dialogs().execModal(dialog) != QDialog::Accepted)
        return;
    taskDate = dialog.date();
    if (taskDate != env_.selectedDate)
        accept();
}

void TfrmEdit::btTimeClick() {
    TfrmTimePopup popup(env_.clock, env_.formats, this);
    popup.settime(dtTime->time());
    if (dialogs().execModal(popup) != QDialog::Accepted)
        return;
    dtTime->setTime(popup.time());
    dtTime->setFocus();
}

void TfrmEdit::btCategoryClick() {
    // The editor works on the file, so it starts from this dialog's list.
    saveCategories();
    if (env_.editCategories)
        env_.editCategories();
    loadCategories();
    saveCategories();
}

TaskFields TfrmEdit::storeFields() const {
    TaskFields fields = task();
    fields.time = formatDateTime("tt", timeValue(), env_.formats);
    fields.done = "No";
    return fields;
}

void TfrmEdit::storeNewTask() {
    if (existingTask)
        return;
    appendStoreTask(env_.store, env_.selectedDate, storeFields());
    storedNewTask_ = true;
}

void TfrmEdit::Repeat1Click() {
    if (notesBlank())
        return;
    storeNewTask();
    const TaskFields fields = storeFields();
    TfrmRecur recur(env_.clock, env_.formats, this);
    recur.init(fields.time, fields.category, cbAlarm->isChecked(), fields.what);
    recur.setStartDate(env_.selectedDate + 1);
    if (dialogs().execModal(recur) == QDialog::Accepted)
        appendRepeatRows(env_.store, recur.task(), recur.dates());
    if (env_.sortStore)
        env_.sortStore();
    accept();
}

void TfrmEdit::Repeatannuallyfor10years1Click() {
    if (notesBlank())
        return;
    storeNewTask();
    const TaskFields fields = storeFields();
    for (int date : tenYearlyDates(env_.selectedDate))
        appendStoreTask(env_.store, date, fields);
    if (env_.sortStore)
        env_.sortStore();
    accept();
}

} // namespace orvella
