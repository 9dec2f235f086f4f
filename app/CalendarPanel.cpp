#include "app/CalendarPanel.h"

#include "app/CalendarRules.h"
#include "platform/QtDates.h"

#include <QSignalBlocker>

namespace orvella {

CalendarPanel::CalendarPanel(QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < 4; ++i) {
        auto* cal = new MonthCalendar(this);
        cal->setObjectName(QStringLiteral("cal%1").arg(i + 1));
        cals_[static_cast<std::size_t>(i)] = cal;
        CalendarGrid* grid = cal->grid();
        grid->setDrawCell([this, i](const QDate& date, const QRect&, bool selected, bool inMonth) {
            return drawCell_ ? drawCell_(i, date, selected, inMonth) : std::optional<CellPaint>();
        });
        connect(grid, &QCalendarWidget::clicked, this, [this, i] { cal1Click(i); });
        connect(grid, &CalendarGrid::focused, this, [this, i] {
            if (current_ >= 0 && current_ != i)
                cal1Click(i);
        });
        connect(grid, &QCalendarWidget::selectionChanged, this, [this, i] {
            if (i == current_)
                cal1DateChange();
        });
        connect(grid, &QCalendarWidget::currentPageChanged, this, [this] { cal1MonthChange(); });
        connect(grid, &QCalendarWidget::activated, this, [this, i] {
            if (i != current_)
                cal1Click(i);
            emit dayDoubleClicked();
        });
    }
}

void CalendarPanel::setDrawCell(DrawCell handler) {
    drawCell_ = std::move(handler);
}

QDate CalendarPanel::selectedDate() const {
    return current_ >= 0 ? calendar(current_)->date() : QDate();
}

void CalendarPanel::select(int index, const QDate& date) {
    previous_ = current_ < 0 ? index : current_;
    current_ = index;
    {
        const QSignalBlocker block(calendar(index)->grid());
        calendar(index)->setDate(date);
    }
    markCurrent();
    updateAppropriateMonth();
    cal1DateChange();
}

void CalendarPanel::cal1Click(int index) {
    const bool changed = index != current_;
    previous_ = current_;
    current_ = index;
    markCurrent();
    if (changed)
        cal1DateChange();
    else
        ColorAllCalendars(false);
    emit calendarClicked();
}

void CalendarPanel::markCurrent() {
    for (int i = 0; i < 4; ++i)
        calendar(i)->setRaised(i == current_);
    ColorAllCalendars(true);
}

void CalendarPanel::cal1DateChange() {
    if (dateChanging_ || current_ < 0)
        return;
    dateChanging_ = true;
    previous_ = current_;
    emit dateSelected(calendar(current_)->date());
    ColorAllCalendars(false);
    dateChanging_ = false;
}

void CalendarPanel::cal1MonthChange() {
    if (current_ >= 0 && inStep_ && !aligning_)
        updateAppropriateMonth();
}

void CalendarPanel::updateAppropriateMonth() {
    if (current_ < 0)
        return;
    aligning_ = true;
    inStep_ = false;
    const std::array<int, 4> dates = alignedCalendarDates(current_, serialOf(calendar(current_)->date()));
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(calendar(i)->grid());
        calendar(i)->setDate(dateOfSerial(dates[static_cast<std::size_t>(i)]));
    }
    inStep_ = true;
    aligning_ = false;
    ColorAllCalendars(true);
}

void CalendarPanel::ColorAllCalendars(bool all) {
    for (int i = 0; i < 4; ++i)
        if (all || i == current_)
            calendar(i)->grid()->repaintCells();
}

void CalendarPanel::setMonthBackground(const QColor& colour, const QDate& today) {
    for (MonthCalendar* cal : cals_) {
        const bool thisMonth =
            cal->grid()->monthShown() == today.month() && cal->grid()->yearShown() == today.year();
        QPalette pal = cal->grid()->palette();
        pal.setColor(QPalette::Base,
                     colour.isValid() && thisMonth ? colour : palette().color(QPalette::Button));
        pal.setColor(QPalette::AlternateBase, pal.color(QPalette::Base));
        cal->grid()->setPalette(pal);
    }
}

void CalendarPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resizeCalendars();
}

void CalendarPanel::resizeCalendars() {
    const CalendarLayout l = calendarLayout(width(), height(), 0, width() + 1);
    for (int i = 0; i < 4; ++i) {
        MonthCalendar* cal = calendar(i);
        const int left = i % 2 == 0 ? 1 : l.width; // the right column overlaps the left by a pixel
        const int top = i / 2 == 0 ? 0 : l.height - 1;
        cal->setGeometry(left, top, l.width, l.height);
        cal->setWeekDayHeaderVisible(l.weekDayHeader);
        cal->setMonthLabelVisible(l.monthLabels);
        QFont font = calendarFont_;
        if (l.dayFontPoints > 0)
            font.setPointSize(l.dayFontPoints);
        cal->setDayFont(font);
    }
}

} // namespace orvella
