#pragma once

#include <QCalendarWidget>
#include <QColor>

#include <functional>
#include <optional>

class QLabel;

namespace orvella {

// The colours an owner-draw handler gives a day cell.
struct CellPaint {
    QColor text;
    QColor background;
};

// The month grid: a QCalendarWidget whose day cells of the shown month are painted through
// an owner-draw handler that gets the cell's date, rectangle, selected flag and in-month flag.
// When the handler gives no colours the cell is painted blank (days of the shown month) or
// by the widget itself (days of the neighbouring months).
class CalendarGrid : public QCalendarWidget {
    Q_OBJECT

public:
    using DrawCell = std::function<std::optional<CellPaint>(const QDate& date, const QRect& rect,
                                                            bool selected, bool inMonth)>;

    explicit CalendarGrid(QWidget* parent = nullptr);
    void setDrawCell(DrawCell handler) { drawCell_ = std::move(handler); }
    // Repaints every cell (the widget caches nothing but only repaints what changed).
    void repaintCells();

signals:
    void focused();

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DrawCell drawCell_;
};

// One of the main window's month calendars: the month and year as a label over the grid.
class MonthCalendar : public QWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    CalendarGrid* grid() const { return grid_; }
    QDate date() const;
    // Sets the selected date (and with it the shown month) without reporting a click.
    void setDate(const QDate& date);
    void setMonthLabelVisible(bool visible);
    void setWeekDayHeaderVisible(bool visible);
    void setDayFont(const QFont& font);
    // Raised for the current calendar, lowered for the others.
    void setRaised(bool raised);

private:
    void updateTitle();

    QLabel* title_;
    CalendarGrid* grid_;
};

} // namespace orvella
