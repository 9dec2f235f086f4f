#include "app/CalendarRules.h"

#include "data/DateFormat.h"
#include "data/DateTime.h"
#include "data/Utility.h"

#include <algorithm>

namespace orvella {

namespace {

int monthLength(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return lengths[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

} // namespace

int shiftMonths(int date, int months) {
    int y = 0, m = 0, d = 0;
    decodeDate(date, y, m, d);
    const int index = y * 12 + (m - 1) + months;
    y = index / 12;
    m = index % 12 + 1;
    return encodeDate(y, m, std::min(d, monthLength(y, m)));
}

std::array<int, 4> alignedCalendarDates(int current, int date) {
    std::array<int, 4> dates{};
    dates[static_cast<std::size_t>(current)] = date;
    for (int i = current + 1; i < 4; ++i)
        dates[static_cast<std::size_t>(i)] = shiftMonths(dates[static_cast<std::size_t>(i - 1)], 1);
    for (int i = current - 1; i >= 0; --i)
        dates[static_cast<std::size_t>(i)] = shiftMonths(dates[static_cast<std::size_t>(i + 1)], -1);
    return dates;
}

int dayTaskColour(const Table& store, int date, const OptionValues& options, const TaskVisibility& filter) {
    if (options.doneColor && options.notDoneColor) {
        if (dateTaskState(store, date, false, true, filter) == 2)
            return 2;
        return dateTaskState(store, date, true, false, filter);
    }
    return dateTaskState(store, date, options.doneColor, options.notDoneColor, filter);
}

DayCellColours dayCellColours(const DayCellFacts& cell, const OptionValues& options) {
    if (cell.selected && cell.currentCalendar)
        return {{CellColour::Role::HighlightText, 0}, {CellColour::Role::Highlight, 0}};
    if (cell.today)
        return {{CellColour::Role::Stored, 0x000000}, {CellColour::Role::Stored, 0x00FF00}};
    DayCellColours c{{CellColour::Role::WindowText, 0}, {CellColour::Role::ButtonFace, 0}};
    auto take = [&c](const ColourPair& pair) {
        c = {{CellColour::Role::Stored, pair.text}, {CellColour::Role::Stored, pair.background}};
    };
    if (options.holidayColor && cell.holiday)
        take(options.holiday);
    if (cell.taskColour == 1)
        take(options.done);
    else if (cell.taskColour == 2)
        take(options.notDone);
    return c;
}

std::string todoHeading(int rows) {
    return rows < 2 ? "To-do Tasks" : std::to_string(rows) + " To-do Tasks";
}

DayHeading dayHeading(int date, int rows, const std::string& holidayName, const FormatSettings& fs,
                      const Clock& clock) {
    const std::string relative = relativeDateText(date, clock);
    if (!holidayName.empty())
        return {holidayName + " " + formatDateTime("ddd ddddd", date, fs) + "  " + relative, true};
    const std::string count = rows < 2 ? std::string() : std::to_string(rows) + " tasks ";
    const char* pattern = count.empty() ? "dddd ddddd" : "ddd ddddd";
    return {count + formatDateTime(pattern, date, fs) + "  " + relative, false};
}

std::string statusClockText(double now, const FormatSettings& fs) {
    return "Today is " + formatDateTime("dddddd tt", now, fs);
}

CalendarLayout calendarLayout(int panelWidth, int panelHeight, int navigationBarHeight,
                              int navigationToolbarWidth) {
    CalendarLayout l;
    l.width = std::max((panelWidth - 8) / 2, 0);
    const int withBar = std::max((panelHeight - navigationBarHeight - 1) / 2, 0);
    l.navigationVisible = (withBar > 100 || l.width > 100) && navigationToolbarWidth <= panelWidth;
    l.height = l.navigationVisible ? withBar : std::max(panelHeight / 2, 0);
    const int h = l.height;
    const int w = l.width;
    l.weekDayHeader = h > 106;
    l.monthLabels = h > 50;
    if (h < 50 || w < 70) {
        l.dayFontPoints = 4;
        l.flatLabels = true;
    } else if (h < 100 || w < 120) {
        l.dayFontPoints = 6;
        l.flatLabels = true;
    }
    l.loweredCells = !(h < 110 || w < 140);
    return l;
}

} // namespace orvella
