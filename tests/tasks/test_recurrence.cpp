#include "tasks/recurrence.h"

#include "data/Clock.h"
#include "data/DateTime.h"
#include "data/TaskStore.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace orvella {
namespace {

using test::ScriptedPrompter;
using Dates = std::vector<int>;

int day(int y, int m, int d) {
    return encodeDate(y, m, d);
}

// Weekday numbers as the rules index them.
constexpr int Sun = 1, Mon = 2, Thu = 5, Fri = 6;

RecurrenceRule daily(int every, bool avoidSat, bool avoidSun) {
    RecurrenceRule r;
    r.pattern = RecurPattern::Daily;
    r.every = every;
    r.avoidSaturdays = avoidSat;
    r.avoidSundays = avoidSun;
    return r;
}

RecurrenceRule weekly(int every, std::initializer_list<int> weekdays) {
    RecurrenceRule r;
    r.pattern = RecurPattern::Weekly;
    r.every = every;
    for (int w : weekdays)
        r.weekdays[static_cast<std::size_t>(w)] = true;
    return r;
}

RecurrenceRule daysOfMonth(int every, std::initializer_list<int> days, bool lastDay = false,
                           bool avoidSat = false) {
    RecurrenceRule r;
    r.pattern = RecurPattern::DayOfMonth;
    r.every = every;
    for (int d : days)
        r.monthDays[static_cast<std::size_t>(d)] = true;
    r.lastDayOfMonth = lastDay;
    r.avoidSaturdays = avoidSat;
    return r;
}

RecurrenceRule weekOfMonth(int every, std::initializer_list<Occurrence> occurrences,
                           std::initializer_list<int> weekdays) {
    RecurrenceRule r = weekly(1, weekdays);
    r.pattern = RecurPattern::WeekOfMonth;
    r.every = every;
    for (Occurrence o : occurrences)
        r.occurrences[static_cast<std::size_t>(o)] = true;
    return r;
}

RecurrenceRule annual() {
    RecurrenceRule r;
    r.pattern = RecurPattern::Annual;
    return r;
}

struct PatternCase {
    const char* what;
    RecurrenceRule rule;
    int start, end;
    Dates expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.what;
}

class Patterns : public testing::TestWithParam<PatternCase> {};

TEST_P(Patterns, OfferTheirDatesInOrder) {
    const PatternCase& c = GetParam();
    ScriptedPrompter prompts;
    const auto dates = generateDates(c.rule, c.start, c.end);
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(*dates, c.expected);
    EXPECT_TRUE(prompts.log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Recurrence, Patterns,
    testing::Values(PatternCase{"daily avoiding weekends over two weeks gives the ten weekdays",
                                daily(1, true, true),
                                day(2003, 3, 3),
                                day(2003, 3, 16),
                                {day(2003, 3, 3), day(2003, 3, 4), day(2003, 3, 5), day(2003, 3, 6),
                                 day(2003, 3, 7), day(2003, 3, 10), day(2003, 3, 11), day(2003, 3, 12),
                                 day(2003, 3, 13), day(2003, 3, 14)}},
                    PatternCase{"an avoided day is skipped and the count goes on from it",
                                daily(3, true, false),
                                day(2003, 3, 6),
                                day(2003, 3, 18),
                                {day(2003, 3, 6), day(2003, 3, 9), day(2003, 3, 12), day(2003, 3, 18)}},
                    PatternCase{"every 2 weeks on Monday and Thursday from a Wednesday",
                                weekly(2, {Mon, Thu}),
                                day(2003, 3, 5),
                                day(2003, 4, 5),
                                {day(2003, 3, 6), day(2003, 3, 17), day(2003, 3, 20), day(2003, 3, 31),
                                 day(2003, 4, 3)}},
                    PatternCase{"weeks run Sunday to Saturday",
                                weekly(1, {Sun}),
                                day(2003, 3, 2),
                                day(2003, 3, 15),
                                {day(2003, 3, 2), day(2003, 3, 9)}},
                    PatternCase{"day 31 over January to April",
                                daysOfMonth(1, {31}),
                                day(2003, 1, 1),
                                day(2003, 4, 30),
                                {day(2003, 1, 31), day(2003, 3, 31)}},
                    PatternCase{"day 31 and the last day list the 31st twice",
                                daysOfMonth(1, {31}, true),
                                day(2003, 1, 1),
                                day(2003, 4, 30),
                                {day(2003, 1, 31), day(2003, 1, 31), day(2003, 2, 28), day(2003, 3, 31),
                                 day(2003, 3, 31), day(2003, 4, 30)}},
                    PatternCase{"days in order, every other month, avoiding Saturdays",
                                daysOfMonth(2, {15, 1}, false, true),
                                day(2003, 1, 10),
                                day(2003, 6, 30),
                                {day(2003, 1, 15), day(2003, 5, 1), day(2003, 5, 15)}},
                    PatternCase{"5th Monday only in months with five",
                                weekOfMonth(1, {Occurrence::Fifth}, {Mon}),
                                day(2003, 1, 1),
                                day(2003, 12, 31),
                                {day(2003, 3, 31), day(2003, 6, 30), day(2003, 9, 29), day(2003, 12, 29)}},
                    PatternCase{"last Friday in every month",
                                weekOfMonth(1, {Occurrence::Last}, {Fri}),
                                day(2003, 1, 1),
                                day(2003, 12, 31),
                                {day(2003, 1, 31), day(2003, 2, 28), day(2003, 3, 28), day(2003, 4, 25),
                                 day(2003, 5, 30), day(2003, 6, 27), day(2003, 7, 25), day(2003, 8, 29),
                                 day(2003, 9, 26), day(2003, 10, 31), day(2003, 11, 28), day(2003, 12, 26)}},
                    PatternCase{"within a month, grouped by occurrence, weekdays from Sunday",
                                weekOfMonth(1, {Occurrence::First, Occurrence::Last}, {Fri, Mon}),
                                day(2003, 3, 1),
                                day(2003, 3, 31),
                                {day(2003, 3, 3), day(2003, 3, 7), day(2003, 3, 31), day(2003, 3, 28)}},
                    PatternCase{"annually from 29 February 2004",
                                annual(),
                                day(2004, 2, 29),
                                day(2009, 3, 1),
                                {day(2004, 2, 29), day(2005, 2, 28), day(2006, 2, 28), day(2007, 2, 28),
                                 day(2008, 2, 29), day(2009, 2, 28)}}));

TEST(Recurrence, NthToDate) {
    struct Case {
        Occurrence occurrence;
        int weekday, year, month, expected;
    } cases[] = {
        {Occurrence::First, 7, 2003, 3, day(2003, 3, 1)},
        {Occurrence::Fifth, Mon, 2003, 3, day(2003, 3, 31)},
        {Occurrence::Fifth, Mon, 2003, 2, 0},
        {Occurrence::Fourth, Fri, 2003, 2, day(2003, 2, 28)},
        {Occurrence::Last, Sun, 2004, 2, day(2004, 2, 29)},
        {Occurrence::Last, Sun, 2003, 2, day(2003, 2, 23)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nthToDate(c.occurrence, c.weekday, c.year, c.month), c.expected)
            << c.year << "-" << c.month << " weekday " << c.weekday;
}

TEST(Recurrence, RangesUpTo7400DaysRun) {
    const int start = day(2003, 3, 5);
    {
        ScriptedPrompter prompts;
        const auto dates = generateDates(daily(1, false, false), start, start + kMaxRecurDays);
        ASSERT_TRUE(dates.has_value());
        EXPECT_EQ(dates->size(), 7401u);
        EXPECT_TRUE(prompts.log().empty());
    }
    ScriptedPrompter prompts;
    EXPECT_FALSE(generateDates(daily(1, false, false), start, start + kMaxRecurDays + 1).has_value());
    EXPECT_EQ(prompts.log(),
              (std::vector<ScriptedPrompter::Shown>{{BoxKind::Error, "Date range exceeds 20 years!"}}));
}

TEST(Recurrence, AFullListWarnsOnceAndDropsTheRest) {
    ScriptedPrompter prompts;
    const int start = day(2003, 3, 5);
    const auto dates = generateDates(daily(1, false, false), start, start + 9, 4);
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(*dates, (Dates{start, start + 1, start + 2, start + 3}));
    EXPECT_EQ(
        prompts.texts(BoxKind::Warning),
        std::vector<std::string>{"Maximum capacity of listbox reached ... unable to preview all dates."});
}

TEST(Recurrence, OffersOnlyDatesInTheRange) {
    DateOffers offers(100, 110);
    for (int d : {0, 99, 100, 105, 110, 111, 105})
        offers.offer(d);
    EXPECT_EQ(offers.dates(), (Dates{100, 105, 110, 105}));

    // An end before the start offers nothing.
    ScriptedPrompter prompts;
    EXPECT_EQ(generateDates(daily(1, false, false), 200, 199), Dates{});
}

TEST(Recurrence, DateInYearFallsBackFrom29February) {
    EXPECT_EQ(dateInYear(day(2004, 2, 29), 2005), day(2005, 2, 28));
    EXPECT_EQ(dateInYear(day(2004, 2, 29), 2008), day(2008, 2, 29));
    EXPECT_EQ(dateInYear(day(2004, 2, 29), 2100), day(2100, 2, 28));
    EXPECT_EQ(dateInYear(day(2003, 12, 31), 2013), day(2013, 12, 31));
}

TEST(Recurrence, PreviewLinesHaveThreeTabbedFields) {
    const FixedClock clock(day(2003, 3, 5) + 0.5);
    FormatSettings fs = FormatSettings::enUS();
    EXPECT_EQ(previewLine(day(2003, 3, 10), fs, clock), "3/10/2003\tMon\t5 days");
    EXPECT_EQ(previewLine(day(2003, 3, 4), fs, clock), "3/4/2003\tTue\tYesterday");

    struct Case {
        const char* shortDate;
        const char* expected;
    } cases[] = {
        {"M/d/yy", "M/d/yyyy"},
        {"dd.MM.yyyy", "dd.MM.yyyy"},
        {"'Tag' d 'im Monat' MM 'des Jahres' yy", "'Tag' d 'im Monat' MM 'de"},
        {"yy-MM-dd", "yyyy-MM-dd"},
    };
    for (const Case& c : cases) {
        fs.shortDateFormat = c.shortDate;
        EXPECT_EQ(previewDateFormat(fs), c.expected) << c.shortDate;
    }
}

TEST(Recurrence, RepeatRowsCarryTheTaskOnEachDate) {
    Table store = newStoreTable();
    const int existing = store.appendRow();
    store.setCell(StoreCol::Key, existing, "37600.101");
    const RepeatedTask task{"9:30 AM", "Work", "Line one\r\nLine two\r\n", "Yes"};
    appendRepeatRows(store, task, {day(2003, 3, 10), day(2003, 3, 6), day(2003, 3, 10)});

    ASSERT_EQ(store.rowCount(), 5);
    EXPECT_EQ(store.cell(StoreCol::Key, existing), "37600.101");
    const std::vector<std::string> keys{"37690.100", "37686.100", "37690.100"};
    for (int i = 0; i < 3; ++i) {
        const int r = existing + 1 + i;
        EXPECT_EQ(store.cell(StoreCol::Key, r), keys[static_cast<std::size_t>(i)]);
        EXPECT_EQ(store.cell(StoreCol::Time, r), "9:30 AM");
        EXPECT_EQ(store.cell(StoreCol::Category, r), "Work");
        EXPECT_EQ(store.cell(StoreCol::What, r), "Line one\r\nLine two\r\n");
        EXPECT_EQ(store.cell(StoreCol::Done, r), "No");
        EXPECT_EQ(store.cell(StoreCol::Alarm, r), "Yes");
    }
}

} // namespace
} // namespace orvella
