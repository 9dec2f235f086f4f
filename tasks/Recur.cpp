#include "tasks/Recur.h"

#include "data/Prompter.h"
#include "platform/QtText.h"
#include "tasks/DayPicker.h"
#include "tasks/TabStopDelegate.h"
#include "tasks/editformats.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orvella {

namespace {

// The preview list's tab stops, in dialog units.
constexpr int kPreviewTabStop = 25;

const QDate kSerialZero(1899, 12, 30);

QDate toQDate(int serial) {
    return kSerialZero.addDays(serial);
}
int toSerial(const QDate& date) {
    return static_cast<int>(kSerialZero.daysTo(date));
}

QString name(const char* prefix, const char* suffix) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
}

QCheckBox* newBox(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

// "E&very" n <unit>, the first row of every pattern panel but the annual one.
QSpinBox* everyRow(QWidget* page, QGridLayout* grid, const char* spinName, int maximum, const char* unit) {
    auto* label = new QLabel(QStringLiteral("E&very"), page);
    label->setObjectName(name("lblEvery", spinName + 3));
    auto* spin = new QSpinBox(page);
    spin->setObjectName(QString::fromLatin1(spinName));
    spin->setRange(1, maximum);
    spin->setValue(1);
    label->setBuddy(spin);
    auto* units = new QLabel(QString::fromLatin1(unit), page);
    units->setObjectName(name("lblUnit", spinName + 3));
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(label);
    row->addWidget(spin);
    row->addWidget(units);
    row->addStretch();
    grid->addLayout(row, 0, 0, 1, 7);
    return spin;
}

// Weekday boxes "Mon" to "Sun" in one row, indexed by weekday 1 Sunday .. 7 Saturday.
void weekdayRow(QWidget* page, QGridLayout* grid, int row, const char* prefix,
                std::array<QCheckBox*, 8>& boxes) {
    static constexpr const char* names[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int i = 0; i < 7; ++i) {
        const int weekday = i == 6 ? 1 : i + 2;
        boxes[static_cast<std::size_t>(weekday)] =
            newBox(page, name(prefix, names[i]), QString::fromLatin1(names[i]));
        grid->addWidget(boxes[static_cast<std::size_t>(weekday)], row, i);
    }
}

QWidget* newPage(QStackedWidget* stack, const char* objectName) {
    auto* page = new QWidget(stack);
    page->setObjectName(QString::fromLatin1(objectName));
    stack->addWidget(page);
    return page;
}

} // namespace

TfrmRecur::TfrmRecur(const Clock& clock, const FormatSettings& formats, QWidget* parent)
    : QDialog(parent), clock_(clock), formats_(formats) {
    setObjectName(QStringLiteral("TfrmRecur"));
    setWindowTitle(QStringLiteral("Repeating event"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();

    for (QRadioButton* rb : {rbWofM, rbDofM, rbWeekly, rbDaily, rbAnnual})
        connect(rb, &QRadioButton::toggled, this, &TfrmRecur::patternClick);
    connect(date1, &QDateEdit::dateChanged, this, &TfrmRecur::dateChange);
    connect(date2, &QDateEdit::dateChanged, this, &TfrmRecur::dateChange);
    for (int i = 0; i < kOccurrenceCount; ++i)
        connect(cbOccurrence[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
                [this, i] { occurrenceClick(i); });
    connect(btPreview, &QPushButton::clicked, this, &TfrmRecur::btPreviewClick);
    connect(btReset, &QPushButton::clicked, this, &TfrmRecur::btResetClick);
    connect(btDelete, &QPushButton::clicked, this, &TfrmRecur::btDeleteClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmRecur::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TfrmRecur::reject);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TfrmRecur::ListBox1Click);
    ListBox1->installEventFilter(this);

    rbWofM->setChecked(true);
    setStartDate(clock_.today());
}

void TfrmRecur::buildControls() {
    const QString dateFormat = QString::fromStdString(qtEditFormat(formats_.shortDateFormat, formats_));
    auto newDate = [&](const char* objectName) {
        auto* edit = new QDateEdit(this);
        edit->setObjectName(QString::fromLatin1(objectName));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(dateFormat);
        return edit;
    };
    lblStart = new QLabel(QStringLiteral("&Start Date"), this);
    lblStart->setObjectName(QStringLiteral("lblStart"));
    date1 = newDate("date1");
    lblStart->setBuddy(date1);
    lblEnd = new QLabel(QStringLiteral("E&nd Date"), this);
    lblEnd->setObjectName(QStringLiteral("lblEnd"));
    date2 = newDate("date2");
    lblEnd->setBuddy(date2);
    lblNdays = new QLabel(this);
    lblNdays->setObjectName(QStringLiteral("lblNdays"));
    lblNdays->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNdays->setMinimumWidth(lblNdays->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    lblDays = new QLabel(QStringLiteral("Days"), this);
    lblDays->setObjectName(QStringLiteral("lblDays"));

    auto newRadio = [&](const char* objectName, const char* caption) {
        auto* rb = new QRadioButton(QString::fromLatin1(caption), this);
        rb->setObjectName(QString::fromLatin1(objectName));
        return rb;
    };
    rbWofM = newRadio("rbWofM", "&Week of Month");
    rbDofM = newRadio("rbDofM", "Da&ys of Month");
    rbWeekly = newRadio("rbWeekly", "W&eekly");
    rbDaily = newRadio("rbDaily", "D&aily");
    rbAnnual = newRadio("rbAnnual", "Annually");

    pnlPattern = new QStackedWidget(this);
    pnlPattern->setObjectName(QStringLiteral("pnlPattern"));
    pnlPattern->setFrameShape(QFrame::StyledPanel);

    pnlWofM = newPage(pnlPattern, "pnlWofM");
    auto* wofm = new QGridLayout(pnlWofM);
    cntWofM = everyRow(pnlWofM, wofm, "cntWofM", 12, "Months");
    static constexpr const char* occurrences[] = {"1st", "2nd", "3rd", "4th", "5th", "Last"};
    for (int i = 0; i < kOccurrenceCount; ++i) {
        cbOccurrence[static_cast<std::size_t>(i)] =
            newBox(pnlWofM, name("cbWofM", occurrences[i]), QString::fromLatin1(occurrences[i]));
        wofm->addWidget(cbOccurrence[static_cast<std::size_t>(i)], 1, i);
    }
    weekdayRow(pnlWofM, wofm, 2, "cbWofM", cbWofMDay);
    wofm->setRowStretch(3, 1);

    pnlDofM = newPage(pnlPattern, "pnlDofM");
    auto* dofm = new QGridLayout(pnlDofM);
    cntDofM = everyRow(pnlDofM, dofm, "cntDofM", 12, "Months");
    sgMonth = new DayPicker(pnlDofM);
    sgMonth->setObjectName(QStringLiteral("sgMonth"));
    dofm->addWidget(sgMonth, 1, 0, 4, 1);
    cbLastDay = newBox(pnlDofM, QStringLiteral("cbLastDay"), QStringLiteral("Last day of the month"));
    cbDofMAvoidSat = newBox(pnlDofM, QStringLiteral("cbDofMAvoidSat"), QStringLiteral("Avoid Saturdays?"));
    cbDofMAvoidSun = newBox(pnlDofM, QStringLiteral("cbDofMAvoidSun"), QStringLiteral("Avoid Sundays?"));
    dofm->addWidget(cbLastDay, 1, 1);
    dofm->addWidget(cbDofMAvoidSat, 2, 1);
    dofm->addWidget(cbDofMAvoidSun, 3, 1);
    dofm->setRowStretch(4, 1);
    dofm->setColumnStretch(2, 1);
    dofm->setHorizontalSpacing(16);

    pnlWeekly = newPage(pnlPattern, "pnlWeekly");
    auto* weekly = new QGridLayout(pnlWeekly);
    cntWeekly = everyRow(pnlWeekly, weekly, "cntWeekly", 52, "Weeks");
    weekdayRow(pnlWeekly, weekly, 1, "cbWeekly", cbWeeklyDay);
    weekly->setRowStretch(2, 1);

    pnlDaily = newPage(pnlPattern, "pnlDaily");
    auto* daily = new QGridLayout(pnlDaily);
    cntDaily = everyRow(pnlDaily, daily, "cntDaily", 364, "Days");
    cbDailyAvoidSat = newBox(pnlDaily, QStringLiteral("cbDailyAvoidSat"), QStringLiteral("Avoid Saturdays?"));
    cbDailyAvoidSun = newBox(pnlDaily, QStringLiteral("cbDailyAvoidSun"), QStringLiteral("Avoid Sundays?"));
    daily->addWidget(cbDailyAvoidSat, 1, 0, 1, 7);
    daily->addWidget(cbDailyAvoidSun, 2, 0, 1, 7);
    daily->setRowStretch(3, 1);

    pnlAnnual = newPage(pnlPattern, "pnlAnnual");
    auto* annual = new QVBoxLayout(pnlAnnual);
    lblAnnual =
        new QLabel(QStringLiteral("Events are scheduled annually on the starting date above"), pnlAnnual);
    lblAnnual->setObjectName(QStringLiteral("lblAnnual"));
    lblAnnual->setWordWrap(true);
    annual->addWidget(lblAnnual);
    annual->addStretch();

    lblPreview = new QLabel(QStringLiteral("Preview of dates"), this);
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setToolTip(QStringLiteral("Click and drag to select multiple dates to delete"));
    ListBox1->setItemDelegate(new TabStopDelegate(kPreviewTabStop, ListBox1));
    ListBox1->setUniformItemSizes(true);
    lblHighlight =
        new QLabel(QStringLiteral("Highlight multiple dates then click Delete to remove dates."), this);
    lblHighlight->setObjectName(QStringLiteral("lblHighlight"));
    lblHighlight->setWordWrap(true);
    Label12 = new QLabel(QStringLiteral("Number of dates: "), this);
    Label12->setObjectName(QStringLiteral("Label12"));

    auto newButton = [&](const char* objectName, const char* caption) {
        auto* bt = new QPushButton(QString::fromLatin1(caption), this);
        bt->setObjectName(QString::fromLatin1(objectName));
        bt->setAutoDefault(false);
        return bt;
    };
    btPreview = newButton("btPreview", "&Preview Selection");
    btPreview->setDefault(true);
    btReset = newButton("btReset", "&Reset");
    btDelete = newButton("btDelete", "&Delete");
    btDelete->setEnabled(false);
    btOK = newButton("btOK", "OK");
    btOK->setToolTip(QStringLiteral("Add multiple reminders"));
    btOK->setEnabled(false);
    btCancel = newButton("btCancel", "Cancel");

    // Layout: the range, the pattern beside its panel, the preview and its buttons.
    auto* range = new QHBoxLayout;
    range->addWidget(lblStart);
    range->addWidget(date1);
    range->addSpacing(16);
    range->addWidget(lblEnd);
    range->addWidget(date2);
    range->addSpacing(16);
    range->addWidget(lblNdays);
    range->addWidget(lblDays);
    range->addStretch();

    auto* radios = new QVBoxLayout;
    for (QRadioButton* rb : {rbWofM, rbDofM, rbWeekly, rbDaily, rbAnnual})
        radios->addWidget(rb);
    radios->addStretch();
    auto* pattern = new QHBoxLayout;
    pattern->addLayout(radios);
    pattern->addWidget(pnlPattern, 1);

    auto* generate = new QHBoxLayout;
    generate->addWidget(btPreview);
    generate->addWidget(btReset);
    generate->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(lblHighlight);
    side->addWidget(btDelete);
    side->addStretch();
    side->addWidget(btOK);
    side->addWidget(btCancel);
    auto* preview = new QHBoxLayout;
    preview->addWidget(ListBox1, 1);
    preview->addLayout(side);

    auto* main = new QVBoxLayout(this);
    main->addLayout(range);
    main->addLayout(pattern);
    main->addLayout(generate);
    main->addWidget(lblPreview);
    main->addLayout(preview, 1);
    main->addWidget(Label12);
}

void TfrmRecur::init(const std::string& time, const std::string& category, bool alarm,
                     const std::string& notes) {
    task_ = {time, category, notes, alarm ? "Yes" : "No"};
    QString start = toQt(notes);
    start.remove(QLatin1Char('\r'));
    start.replace(QLatin1Char('\n'), QLatin1Char(' '));
    setWindowTitle(QStringLiteral("Repeating event for ") + start.left(35) + QStringLiteral("..."));
}

void TfrmRecur::setStartDate(int date) {
    date1->setDate(toQDate(date));
    date2->setDate(toQDate(date + 30));
}

std::vector<int> TfrmRecur::dates() const {
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int i = 0; i < ListBox1->count(); ++i)
        out.push_back(ListBox1->item(i)->data(Qt::UserRole).toInt());
    return out;
}

RecurrenceRule TfrmRecur::rule() const {
    RecurrenceRule r;
    auto ticked = [](const std::array<QCheckBox*, 8>& boxes) {
        std::array<bool, 8> days{};
        for (std::size_t d = 1; d < boxes.size(); ++d)
            days[d] = boxes[d]->isChecked();
        return days;
    };
    if (rbWofM->isChecked()) {
        r.pattern = RecurPattern::WeekOfMonth;
        r.every = cntWofM->value();
        for (std::size_t i = 0; i < cbOccurrence.size(); ++i)
            r.occurrences[i] = cbOccurrence[i]->isChecked();
        r.weekdays = ticked(cbWofMDay);
    } else if (rbDofM->isChecked()) {
        r.pattern = RecurPattern::DayOfMonth;
        r.every = cntDofM->value();
        r.monthDays = sgMonth->selectedDays();
        r.lastDayOfMonth = cbLastDay->isChecked();
        r.avoidSaturdays = cbDofMAvoidSat->isChecked();
        r.avoidSundays = cbDofMAvoidSun->isChecked();
    } else if (rbWeekly->isChecked()) {
        r.pattern = RecurPattern::Weekly;
        r.every = cntWeekly->value();
        r.weekdays = ticked(cbWeeklyDay);
    } else if (rbDaily->isChecked()) {
        r.pattern = RecurPattern::Daily;
        r.every = cntDaily->value();
        r.avoidSaturdays = cbDailyAvoidSat->isChecked();
        r.avoidSundays = cbDailyAvoidSun->isChecked();
    } else {
        r.pattern = RecurPattern::Annual;
    }
    return r;
}

int TfrmRecur::startDate() const {
    return toSerial(date1->date());
}

int TfrmRecur::endDate() const {
    return toSerial(date2->date());
}

void TfrmRecur::btPreviewClick() {
    const std::optional<std::vector<int>> generated = generateDates(rule(), startDate(), endDate());
    if (!generated)
        return;
    ListBox1->clear();
    for (const int date : *generated) {
        auto* item = new QListWidgetItem(toQt(previewLine(date, formats_, clock_)));
        item->setData(Qt::UserRole, date);
        ListBox1->addItem(item);
    }
    updateCount();
    if (generated->empty())
        errorBox(kNoDatesMessage);
    updateButtons();
}

void TfrmRecur::btResetClick() {
    ListBox1->clear();
    Label12->clear();
    btOK->setEnabled(false);
    btDelete->setEnabled(false);
}

void TfrmRecur::btDeleteClick() {
    // Deleting from the bottom keeps the rows still to go where they are.
    for (int i = ListBox1->count() - 1; i >= 0; --i)
        if (ListBox1->item(i)->isSelected())
            delete ListBox1->takeItem(i);
    updateCount();
    updateButtons();
}

void TfrmRecur::btOKClick() {
    if (!confirmBox("Really add " + std::to_string(ListBox1->count()) + " events to the calendar?"))
        return;
    accept();
}

void TfrmRecur::ListBox1Click() {
    btDelete->setEnabled(!ListBox1->selectedItems().isEmpty());
}

bool TfrmRecur::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        btDeleteClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmRecur::patternClick() {
    const std::array<std::pair<QRadioButton*, QWidget*>, 5> pages{{{rbWofM, pnlWofM},
                                                                   {rbDofM, pnlDofM},
                                                                   {rbWeekly, pnlWeekly},
                                                                   {rbDaily, pnlDaily},
                                                                   {rbAnnual, pnlAnnual}}};
    for (const auto& [rb, page] : pages)
        if (rb->isChecked())
            pnlPattern->setCurrentWidget(page);
}

void TfrmRecur::dateChange() {
    lblNdays->setText(QString::number(endDate() - startDate()));
}

void TfrmRecur::occurrenceClick(int occurrence) {
    // "4th" and "Last" exclude each other: the one just ticked gives way.
    const auto fourth = static_cast<std::size_t>(Occurrence::Fourth);
    const auto last = static_cast<std::size_t>(Occurrence::Last);
    const auto clicked = static_cast<std::size_t>(occurrence);
    if (clicked != fourth && clicked != last)
        return;
    QCheckBox* other = cbOccurrence[clicked == fourth ? last : fourth];
    if (cbOccurrence[clicked]->isChecked() && other->isChecked())
        cbOccurrence[clicked]->setChecked(false);
}

void TfrmRecur::updateCount() {
    Label12->setText(QStringLiteral("Number of dates: %1").arg(ListBox1->count()));
}

void TfrmRecur::updateButtons() {
    btDelete->setEnabled(!ListBox1->selectedItems().isEmpty());
    btOK->setEnabled(ListBox1->count() > 0);
}

} // namespace orvella
