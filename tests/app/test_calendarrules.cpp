#include "app/CalendarRules.h"
#include "data/DateTime.h"
#include "data/GridSort.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

int date(int y, int m, int d) {
    return encodeDate(y, m, d);
}

TEST(CalendarRules, CalendarsShowConsecutiveMonthsKeepingTheDay) {
    EXPECT_EQ(
        alignedCalendarDates(0, date(2024, 1, 31)),
        (std::array<int, 4>{date(2024, 1, 31), date(2024, 2, 29), date(2024, 3, 29), date(2024, 4, 29)}));
    EXPECT_EQ(alignedCalendarDates(0, date(2023, 1, 31))[1], date(2023, 2, 28));
    EXPECT_EQ(
        alignedCalendarDates(3, date(2024, 3, 31)),
        (std::array<int, 4>{date(2023, 12, 29), date(2024, 1, 29), date(2024, 2, 29), date(2024, 3, 31)}));
    EXPECT_EQ(
        alignedCalendarDates(1, date(2025, 1, 15)),
        (std::array<int, 4>{date(2024, 12, 15), date(2025, 1, 15), date(2025, 2, 15), date(2025, 3, 15)}));
    EXPECT_EQ(shiftMonths(date(2100, 3, 31), -1), date(2100, 2, 28)); // 2100 is no leap year
}

class HideAll final : public TaskVisibility {
public:
    bool visible(const std::string&, const std::string&) const override { return false; }
    bool active() const override { return true; }
};

Table storeWith(std::initializer_list<std::pair<int, const char*>> rows) {
    Table t = newStoreTable();
    int seq = 101;
    for (const auto& [day, done] : rows) {
        const int r = t.appendRow();
        t.setCell(StoreCol::Key, r, makeStoreKey(day, seq++));
        t.setCell(StoreCol::Time, r, "9:00");
        t.setCell(StoreCol::Done, r, done);
    }
    return t;
}

TEST(CalendarRules, DayTaskColours) {
    const Table store = storeWith({{10, "Yes"}, {10, "No"}, {11, "Yes"}});
    OptionValues both;
    both.doneColor = both.notDoneColor = true;
    OptionValues doneOnly = both;
    doneOnly.notDoneColor = false;
    OptionValues neither;
    const AllTasksVisible all;
    struct Case {
        int day;
        const OptionValues& options;
        const TaskVisibility& filter;
        int colour;
    } cases[] = {
        {10, both, all, 2},  {10, doneOnly, all, 1}, {11, both, all, 1},
        {12, both, all, -1}, {10, neither, all, -1}, {10, both, HideAll(), -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dayTaskColour(store, c.day, c.options, c.filter), c.colour) << c.day;
}

TEST(CalendarRules, DayCellColoursInTheirOrder) {
    OptionValues o;
    o.holidayColor = true;
    o.done = {1, 2};
    o.notDone = {3, 4};
    o.holiday = {5, 6};
    using R = CellColour::Role;
    const DayCellColours plain{{R::WindowText, 0}, {R::ButtonFace, 0}};
    const DayCellColours lime{{R::Stored, 0}, {R::Stored, 0x00FF00}};
    const DayCellColours highlight{{R::HighlightText, 0}, {R::Highlight, 0}};
    struct Case {
        DayCellFacts facts;
        DayCellColours colours;
    } cases[] = {
        {{}, plain},
        {{.holiday = true}, {{R::Stored, 5}, {R::Stored, 6}}},
        {{.holiday = true, .taskColour = 2}, {{R::Stored, 3}, {R::Stored, 4}}},
        {{.taskColour = 1}, {{R::Stored, 1}, {R::Stored, 2}}},
        {{.today = true, .holiday = true, .taskColour = 2}, lime},
        {{.today = true, .selected = true}, lime}, // selected, but on a calendar that is not current
        {{.today = true, .selected = true, .currentCalendar = true}, highlight},
        {{.selected = true, .taskColour = 1}, {{R::Stored, 1}, {R::Stored, 2}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dayCellColours(c.facts, o), c.colours);
    o.holidayColor = false;
    EXPECT_EQ(dayCellColours({.holiday = true}, o), plain);
}

TEST(CalendarRules, Headings) {
    const FormatSettings fs = FormatSettings::enUS();
    const FixedClock clock(date(2026, 12, 11) + 0.5); // a Friday
    EXPECT_EQ(todoHeading(1), "To-do Tasks");
    EXPECT_EQ(todoHeading(3), "3 To-do Tasks");
    EXPECT_EQ(dayHeading(date(2026, 12, 11), 2, "", fs, clock).text, "2 tasks Fri 12/11/2026  Today");
    EXPECT_EQ(dayHeading(date(2026, 12, 12), 1, "", fs, clock).text, "Saturday 12/12/2026  Tomorrow");
    const DayHeading holiday = dayHeading(date(2026, 12, 25), 3, "Christmas Day", fs, clock);
    EXPECT_TRUE(holiday.holiday);
    EXPECT_EQ(holiday.text, "Christmas Day Fri 12/25/2026  14 days");
}

TEST(CalendarRules, CalendarLayoutThresholds) {
    struct Case {
        int panelHeight;
        bool header, labels;
    } cases[] = {{2 * 107 + 30 + 1, true, true}, {2 * 106 + 30 + 1, false, true}, {2 * 50, false, false}};
    for (const Case& c : cases) {
        const CalendarLayout l = calendarLayout(600, c.panelHeight, 30, 200);
        EXPECT_EQ(l.weekDayHeader, c.header) << c.panelHeight;
        EXPECT_EQ(l.monthLabels, c.labels) << c.panelHeight;
    }
    const CalendarLayout big = calendarLayout(600, 500, 30, 200);
    EXPECT_EQ(big.width, 296);
    EXPECT_EQ(big.height, 234);
    EXPECT_EQ(big.dayFontPoints, 0);
    EXPECT_TRUE(big.loweredCells);
    const CalendarLayout tiny = calendarLayout(100, 80, 30, 200);
    EXPECT_FALSE(tiny.navigationVisible);
    EXPECT_EQ(tiny.height, 40);
    EXPECT_EQ(tiny.dayFontPoints, 4);
}

TEST(CalendarRules, SortingTheDayGridByTime) {
    const FormatSettings fs = FormatSettings::enUS();
    const FixedClock clock(date(2026, 12, 11) + 0.5);
    Table day = newDayTable();
    day.setRowCount(5);
    const char* times[] = {"2:00 PM", "9:00 AM", "soon", "10:30 AM"};
    for (int i = 0; i < 4; ++i) {
        day.setCell(DayCol::Time, i + 1, times[i]);
        day.setCell(DayCol::What, i + 1, times[i]);
    }
    sortGridRows(day, DayCol::Time, true, true, fs, clock);
    // A time that does not read stands for now, after every time of day.
    EXPECT_EQ(day.cell(DayCol::What, 1), "9:00 AM");
    EXPECT_EQ(day.cell(DayCol::What, 2), "10:30 AM");
    EXPECT_EQ(day.cell(DayCol::What, 3), "2:00 PM");
    EXPECT_EQ(day.cell(DayCol::What, 4), "soon");
    sortGridRows(day, DayCol::What, false, true, fs, clock);
    EXPECT_EQ(day.cell(DayCol::What, 1), "soon");

    Table todo = newTodoTable();
    todo.setRowCount(4);
    const char* cats[][2] = {{"b", "2"}, {"a", "9"}, {"b", "10"}};
    for (int i = 0; i < 3; ++i) {
        todo.setCell(TodoCol::Category, i + 1, cats[i][0]);
        todo.setCell(TodoCol::What, i + 1, cats[i][1]);
    }
    sortGridRows(todo, TodoCol::Category, true, false, fs, clock);
    // Equal categories are ordered by What, which reads as numbers.
    EXPECT_EQ(todo.cell(TodoCol::What, 1), "9");
    EXPECT_EQ(todo.cell(TodoCol::What, 2), "2");
    EXPECT_EQ(todo.cell(TodoCol::What, 3), "10");
}

} // namespace
} // namespace orvella
