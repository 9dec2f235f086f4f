#pragma once

#include "platform/MonthCalendar.h"

#include <QWidget>

#include <array>
#include <functional>

namespace orvella {

// The four month calendars of the main window, cal1 to cal4 in two rows. One of them is the
// current calendar: its selected day is the window's selected date, and the others show the
// neighbouring months around it.
class CalendarPanel : public QWidget {
    Q_OBJECT

public:
    // Paints a day cell of calendar `index`; see CalendarGrid::DrawCell.
    using DrawCell =
        std::function<std::optional<CellPaint>(int index, const QDate& date, bool selected, bool inMonth)>;

    explicit CalendarPanel(QWidget* parent = nullptr);

    void setDrawCell(DrawCell handler);
    MonthCalendar* calendar(int index) const { return cals_[static_cast<std::size_t>(index)]; }
    // -1 until the first showing.
    int current() const { return current_; }
    int previous() const { return previous_; }
    bool inStep() const { return inStep_; }
    // The current calendar's date; invalid while there is none.
    QDate selectedDate() const;

    // Makes calendar `index` current with `date` and aligns the others around it.
    void select(int index, const QDate& date);
    void cal1Click(int index);
    void cal1DateChange();
    void cal1MonthChange();
    void updateAppropriateMonth();
    void ColorAllCalendars(bool all);
    void resizeCalendars();
    void setCalendarFont(const QFont& font) {
        calendarFont_ = font;
        resizeCalendars();
    }
    // The background of calendars that show the current month ("MonthColor"); invalid: none.
    void setMonthBackground(const QColor& colour, const QDate& today);

signals:
    // The current calendar's date changed: the day view follows.
    void dateSelected(const QDate& date);
    void calendarClicked();
    // A day was double clicked (its calendar is current with that day by then).
    void dayDoubleClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void markCurrent();

    std::array<MonthCalendar*, 4> cals_{};
    DrawCell drawCell_;
    int current_ = -1;
    int previous_ = -1;
    bool inStep_ = true;
    bool aligning_ = false;
    bool dateChanging_ = false;
    QFont calendarFont_;
};

} // namespace orvella
