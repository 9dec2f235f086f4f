#include "data/DateFormat.h"

#include "data/DateTime.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

// Wednesday 5 March 2003.
const int kDay = encodeDate(2003, 3, 5);
const double kAfternoon = kDay + encodeTime(14, 7, 9, 45);
const double kMorning = kDay + encodeTime(9, 5, 0, 0);
const double kMidnight = kDay;
const double kNoon = kDay + encodeTime(12, 0);

struct FormatCase {
    const char* pattern;
    double dateTime;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << '"' << c.pattern << '"';
}

class FormatEnUS : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatEnUS, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatDateTime(c.pattern, c.dateTime, FormatSettings::enUS()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatEnUS,
    testing::Values(
        FormatCase{"d", kAfternoon, "5"}, FormatCase{"dd", kAfternoon, "05"},
        FormatCase{"ddd", kAfternoon, "Wed"}, FormatCase{"dddd", kAfternoon, "Wednesday"},
        FormatCase{"DDDD", kAfternoon, "Wednesday"}, FormatCase{"ddddd", kAfternoon, "3/5/2003"},
        FormatCase{"dddddd", kAfternoon, "Wednesday, March 5, 2003"}, FormatCase{"m", kAfternoon, "3"},
        FormatCase{"mm", kAfternoon, "03"}, FormatCase{"mmm", kAfternoon, "Mar"},
        FormatCase{"MMMM", kAfternoon, "March"}, FormatCase{"yy", kAfternoon, "03"},
        FormatCase{"yyyy", kAfternoon, "2003"}, FormatCase{"yyyy-mm-dd", kAfternoon, "2003-03-05"},
        // Hours are 24-hour without an am/pm element.
        FormatCase{"h", kMorning, "9"}, FormatCase{"hh", kMorning, "09"}, FormatCase{"hh", kAfternoon, "14"},
        FormatCase{"n", kMorning, "5"}, FormatCase{"nn", kMorning, "05"}, FormatCase{"s", kAfternoon, "9"},
        FormatCase{"ss", kAfternoon, "09"}, FormatCase{"z", kAfternoon, "45"},
        FormatCase{"zzz", kAfternoon, "045"}, FormatCase{"hh:nn:ss.zzz", kAfternoon, "14:07:09.045"},
        // m after an hour is minutes, whatever lies between; mmm never is.
        FormatCase{"h:m", kAfternoon, "14:7"}, FormatCase{"hh:mm", kAfternoon, "14:07"},
        FormatCase{"hh 'o''clock' mm", kAfternoon, "14 oclock 07"}, FormatCase{"h mmm", kAfternoon, "14 Mar"},
        FormatCase{"mm/dd hh:mm", kAfternoon, "03/05 14:07"}, FormatCase{"hh:nn mm", kAfternoon, "14:07 03"},
        // 12-hour clock once an am/pm element appears anywhere.
        FormatCase{"h:nn am/pm", kAfternoon, "2:07 pm"}, FormatCase{"h:nn AM/PM", kMorning, "9:05 AM"},
        FormatCase{"Am/pM h", kAfternoon, "pM 2"}, FormatCase{"h a/p", kAfternoon, "2 p"},
        FormatCase{"h A/P", kMorning, "9 A"}, FormatCase{"h ampm", kAfternoon, "2 PM"},
        FormatCase{"hh AMPM", kMidnight, "12 AM"}, FormatCase{"h am/pm", kNoon, "12 pm"},
        FormatCase{"'am/pm' h", kAfternoon, "am/pm 14"},
        // Quotes, separators and other characters.
        FormatCase{"'dd' \"mm\" x", kAfternoon, "dd mm x"}, FormatCase{"'open", kAfternoon, "open"},
        FormatCase{"d/m:y", kAfternoon, "5/3:03"},
        // Whole formats.
        FormatCase{"t", kAfternoon, "2:07 PM"}, FormatCase{"tt", kAfternoon, "2:07:09 PM"},
        FormatCase{"c", kAfternoon, "3/5/2003 2:07:09 PM"}, FormatCase{"c", kMidnight, "3/5/2003"},
        FormatCase{"", kAfternoon, "3/5/2003 2:07:09 PM"}));

class FormatDeDE : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDeDE, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatDateTime(c.pattern, c.dateTime, FormatSettings::deDE()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatDeDE,
                         testing::Values(FormatCase{"ddd", kAfternoon, "Mi"},
                                         FormatCase{"dddd", kAfternoon, "Mittwoch"},
                                         FormatCase{"mmm", kAfternoon, "M\xC3\xA4r"},
                                         FormatCase{"mmmm", kAfternoon, "M\xC3\xA4rz"},
                                         FormatCase{"ddddd", kAfternoon, "05.03.2003"},
                                         FormatCase{"dddddd", kAfternoon, "Mittwoch, 5. M\xC3\xA4rz 2003"},
                                         FormatCase{"d/m/yyyy", kAfternoon, "5.3.2003"},
                                         FormatCase{"t", kAfternoon, "14:07"},
                                         FormatCase{"tt", kMorning, "09:05:00"},
                                         FormatCase{"c", kAfternoon, "05.03.2003 14:07:09"},
                                         FormatCase{"hh:mm", kAfternoon, "14:07"},
                                         // The locale has no AM/PM texts; the clock still turns 12-hour.
                                         FormatCase{"h ampm", kAfternoon, "2 "}));

TEST(FormatDateTime, FormatThatNamesItselfEnds) {
    FormatSettings fs;
    fs.shortDateFormat = "ddddd-";
    const std::string text = formatDateTime("ddddd", kAfternoon, fs);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_not_of('-'), std::string::npos);
}

struct TimeCase {
    const char* text;
    int hour, minute, second, millisecond;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseTime : public testing::TestWithParam<TimeCase> {};

TEST_P(ParseTime, EnUS) {
    const TimeCase& c = GetParam();
    double time = -1;
    ASSERT_TRUE(tryParseTime(c.text, FormatSettings::enUS(), time));
    EXPECT_DOUBLE_EQ(time, encodeTime(c.hour, c.minute, c.second, c.millisecond));
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseTime,
                         testing::Values(TimeCase{"9:30", 9, 30, 0, 0}, TimeCase{"9:5", 9, 5, 0, 0},
                                         TimeCase{"7", 7, 0, 0, 0}, TimeCase{"0:00", 0, 0, 0, 0},
                                         TimeCase{" 23:59:59 ", 23, 59, 59, 0},
                                         TimeCase{"9:30:15.250", 9, 30, 15, 250},
                                         TimeCase{"12:00 AM", 0, 0, 0, 0}, TimeCase{"12:00 PM", 12, 0, 0, 0},
                                         TimeCase{"12:30 am", 0, 30, 0, 0}, TimeCase{"9PM", 21, 0, 0, 0},
                                         TimeCase{"9:30 p", 21, 30, 0, 0}, TimeCase{"9:30a", 9, 30, 0, 0},
                                         TimeCase{"pm 9:30", 21, 30, 0, 0}, TimeCase{"PM9", 21, 0, 0, 0}));

class ParseTimeFails : public testing::TestWithParam<const char*> {};

TEST_P(ParseTimeFails, EnUS) {
    double time = -1;
    EXPECT_FALSE(tryParseTime(GetParam(), FormatSettings::enUS(), time));
    EXPECT_EQ(time, -1);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseTimeFails,
                         testing::Values("25:00", "24:00", "10:60", "10:30:60", "13:00 PM", "0:30 AM", "",
                                         "   ", "abc", "PM", "9:", ":30", "9.30", "123", "9:30 XM", "AM 9 PM",
                                         "9:30:15.1234", "9 : 30"));

TEST(ParseTime, UsesTheLocaleSeparatorAndMarkers) {
    FormatSettings fs;
    fs.timeSeparator = '.';
    fs.timeAMString = "vorm.";
    fs.timePMString = "nachm.";
    double time = 0;
    ASSERT_TRUE(tryParseTime("9.30 nachm.", fs, time));
    EXPECT_DOUBLE_EQ(time, encodeTime(21, 30));
    ASSERT_TRUE(tryParseTime("VORM. 9:30.15", fs, time));
    EXPECT_DOUBLE_EQ(time, encodeTime(9, 30, 15));
    EXPECT_FALSE(tryParseTime("13 nachm.", fs, time));
}

struct DateCase {
    const char* shortDateFormat;
    const char* text;
    int currentYear;
    int year, month, day;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.shortDateFormat << " \"" << c.text << '"';
}

class ParseDate : public testing::TestWithParam<DateCase> {};

TEST_P(ParseDate, InTheShortDateOrder) {
    const DateCase& c = GetParam();
    FormatSettings fs;
    fs.shortDateFormat = c.shortDateFormat;
    int serial = -1;
    ASSERT_TRUE(tryParseDate(c.text, fs, c.currentYear, serial));
    EXPECT_EQ(serial, encodeDate(c.year, c.month, c.day));
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDate,
                         testing::Values(DateCase{"M/d/yyyy", "3/26/2003", 2003, 2003, 3, 26},
                                         DateCase{"M/d/yyyy", " 3/26 ", 2003, 2003, 3, 26},
                                         DateCase{"M/d/yyyy", "3-26-03", 2003, 2003, 3, 26},
                                         DateCase{"M/d/yyyy", "12.31.1999", 2003, 1999, 12, 31},
                                         DateCase{"M/d/yyyy", "1/2/003", 2003, 3, 1, 2},
                                         DateCase{"M/d/yyyy", "1/1/0", 2003, 2000, 1, 1},
                                         // The window runs from 50 years before to 49 after the current year.
                                         DateCase{"M/d/yyyy", "12/31/52", 2003, 2052, 12, 31},
                                         DateCase{"M/d/yyyy", "1/1/53", 2003, 1953, 1, 1},
                                         DateCase{"M/d/yyyy", "1/1/99", 2050, 2099, 1, 1},
                                         DateCase{"M/d/yyyy", "1/1/00", 2050, 2000, 1, 1},
                                         DateCase{"M/d/yyyy", "2/29/2004", 2003, 2004, 2, 29},
                                         DateCase{"dd.MM.yyyy", "26.3.2003", 2003, 2003, 3, 26},
                                         DateCase{"dd.MM.yyyy", "26.3", 2003, 2003, 3, 26},
                                         DateCase{"dd.MM.yyyy", "26/03/03", 2003, 2003, 3, 26},
                                         DateCase{"dd.MM.yyyy", "1-2-98", 2003, 1998, 2, 1},
                                         DateCase{"yyyy-MM-dd", "2003-3-26", 2003, 2003, 3, 26},
                                         DateCase{"yyyy-MM-dd", "3-26", 2003, 2003, 3, 26},
                                         DateCase{"'Day' M/d/yyyy", "3/4", 2003, 2003, 3, 4}));

struct BadDate {
    const char* shortDateFormat;
    const char* text;
};

void PrintTo(const BadDate& c, std::ostream* os) {
    *os << c.shortDateFormat << " \"" << c.text << '"';
}

class ParseDateFails : public testing::TestWithParam<BadDate> {};

TEST_P(ParseDateFails, InTheShortDateOrder) {
    FormatSettings fs;
    fs.shortDateFormat = GetParam().shortDateFormat;
    int serial = -1;
    EXPECT_FALSE(tryParseDate(GetParam().text, fs, 2003, serial));
    EXPECT_EQ(serial, -1);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDateFails,
                         testing::Values(BadDate{"M/d/yyyy", "2/29/2003"}, BadDate{"M/d/yyyy", "2/29"},
                                         BadDate{"M/d/yyyy", "13/1/2003"}, BadDate{"M/d/yyyy", "3/32"},
                                         BadDate{"M/d/yyyy", "3"}, BadDate{"M/d/yyyy", ""},
                                         BadDate{"M/d/yyyy", "3//26"}, BadDate{"M/d/yyyy", "3/26/"},
                                         BadDate{"M/d/yyyy", "3/26/2003/1"},
                                         BadDate{"M/d/yyyy", "3/26/12345"}, BadDate{"M/d/yyyy", "3/26 x"},
                                         BadDate{"M/d/yyyy", "0/0"}, BadDate{"dd.MM.yyyy", "3.26.2003"}));

TEST(ParseDate, UsesTheLocaleSeparator) {
    FormatSettings fs = FormatSettings::deDE();
    fs.dateSeparator = ',';
    int serial = 0;
    ASSERT_TRUE(tryParseDate("26,3,2003", fs, 2003, serial));
    EXPECT_EQ(serial, encodeDate(2003, 3, 26));
}

struct DateTimeCase {
    const char* text;
    double expected;
};

const double kMarch26 = encodeDate(2003, 3, 26);

TEST(ParseDateTime, DateWithOptionalTime) {
    const DateTimeCase cases[] = {{"3/26/2003", kMarch26},
                                  {"3/26/2003 9:30 PM", kMarch26 + encodeTime(21, 30)},
                                  {" 3/26  21:30:15 ", kMarch26 + encodeTime(21, 30, 15)}};
    for (const DateTimeCase& c : cases) {
        double dateTime = -1;
        ASSERT_TRUE(tryParseDateTime(c.text, FormatSettings::enUS(), 2003, dateTime)) << c.text;
        EXPECT_DOUBLE_EQ(dateTime, c.expected) << c.text;
    }
    for (const char* text : {"3/26/2003 25:00", "3/26/2003x", "3/26/2003 x", "9:30", ""}) {
        double dateTime = -1;
        EXPECT_FALSE(tryParseDateTime(text, FormatSettings::enUS(), 2003, dateTime)) << text;
        EXPECT_EQ(dateTime, -1) << text;
    }
}

struct Fix2000Case {
    const char* shortDate;
    const char* longTime;
    const char* fixedShortDate;
    const char* fixedLongTime;
};

class Fix2000 : public testing::TestWithParam<Fix2000Case> {};

TEST_P(Fix2000, Rewrites) {
    const Fix2000Case& c = GetParam();
    FormatSettings fs;
    fs.shortDateFormat = c.shortDate;
    fs.longTimeFormat = c.longTime;
    fs.shortTimeFormat = "h:mm:ss";
    fix2000(fs);
    EXPECT_EQ(fs.shortDateFormat, c.fixedShortDate);
    EXPECT_EQ(fs.longTimeFormat, c.fixedLongTime);
    EXPECT_EQ(fs.shortTimeFormat, "h:mm:ss");
}

INSTANTIATE_TEST_SUITE_P(Formats, Fix2000,
                         testing::Values(Fix2000Case{"M/d/yy", "h:mm:ss tt", "M/d/yyyy", "h:mm tt"},
                                         Fix2000Case{"dd-MMM-yy", "HH.mm.ss", "dd-MM-yyyy", "HH.mm"},
                                         Fix2000Case{"dd.MM.yyyy", "hhmmss", "dd.MM.yyyy", "hhmm"},
                                         Fix2000Case{"yy/MM/dd yy", "h:mm:ss:ss", "yyyy/MM/dd yy", "h:mm:ss"},
                                         Fix2000Case{"M/d/YY", "h:mm", "M/d/YY", "h:mm"}));

TEST(TimeOrNow, ParsedTimeElseTheFullNow) {
    const FixedClock clock(kAfternoon);
    EXPECT_DOUBLE_EQ(timeOrNow("9:30", FormatSettings::enUS(), clock), encodeTime(9, 30));
    EXPECT_DOUBLE_EQ(timeOrNow("soon", FormatSettings::enUS(), clock), kAfternoon);
}

struct RelativeCase {
    int today[3];
    int date[3];
    const char* expected;
};

void PrintTo(const RelativeCase& c, std::ostream* os) {
    *os << c.date[0] << '-' << c.date[1] << '-' << c.date[2] << " from " << c.today[0] << '-' << c.today[1]
        << '-' << c.today[2];
}

class RelativeDate : public testing::TestWithParam<RelativeCase> {};

TEST_P(RelativeDate, Text) {
    const RelativeCase& c = GetParam();
    // The time of day must not count.
    const FixedClock clock(encodeDate(c.today[0], c.today[1], c.today[2]) + 0.75);
    EXPECT_EQ(relativeDateText(encodeDate(c.date[0], c.date[1], c.date[2]), clock), c.expected);
}

// Today is Wednesday 26 March 2003 unless a case says otherwise.
INSTANTIATE_TEST_SUITE_P(Dates, RelativeDate,
                         testing::Values(RelativeCase{{2003, 3, 26}, {2003, 3, 26}, "Today"},
                                         RelativeCase{{2003, 3, 26}, {2003, 3, 27}, "Tomorrow"},
                                         RelativeCase{{2003, 3, 26}, {2003, 3, 25}, "Yesterday"},
                                         RelativeCase{{2002, 12, 31}, {2003, 1, 1}, "Tomorrow"},
                                         RelativeCase{{2003, 3, 26}, {2003, 3, 28}, "2 days"},
                                         RelativeCase{{2003, 3, 26}, {2003, 3, 24}, "2 days ago"},
                                         RelativeCase{{2003, 3, 26}, {2003, 4, 5}, "10 days"},
                                         // Future weeks count from the start of this week.
                                         RelativeCase{{2003, 3, 26}, {2003, 5, 3}, "38 days"},
                                         RelativeCase{{2003, 3, 26}, {2003, 5, 4}, "6 wks"},
                                         RelativeCase{{2003, 3, 26}, {2003, 5, 31}, "9 wks"},
                                         RelativeCase{{2003, 3, 26}, {2003, 6, 1}, "3 mons"},
                                         RelativeCase{{2003, 3, 26}, {2003, 7, 26}, "4 mons"},
                                         RelativeCase{{2003, 3, 26}, {2005, 12, 1}, "33 mons"},
                                         RelativeCase{{2003, 3, 26}, {2006, 1, 1}, "2 yrs 10 mons"},
                                         RelativeCase{{2003, 3, 26}, {2006, 3, 1}, "3 yrs"},
                                         RelativeCase{{2003, 3, 26}, {2006, 4, 1}, "3 yrs 1 mon"},
                                         // Past weeks count to the end of that date's week.
                                         RelativeCase{{2003, 3, 26}, {2003, 2, 9}, "45 days ago"},
                                         RelativeCase{{2003, 3, 26}, {2003, 2, 8}, "7 wks ago"},
                                         RelativeCase{{2003, 3, 26}, {2003, 2, 5}, "7 wks ago"},
                                         RelativeCase{{2003, 3, 26}, {2003, 1, 1}, "12 wks ago"},
                                         RelativeCase{{2003, 3, 26}, {2002, 12, 31}, "3 mons ago"},
                                         RelativeCase{{2003, 3, 26}, {2002, 2, 26}, "13 mons ago"},
                                         RelativeCase{{2003, 3, 26}, {2001, 1, 1}, "26 mons ago"},
                                         RelativeCase{{2003, 1, 15}, {2000, 12, 15}, "2 yrs 1 mon ago"},
                                         RelativeCase{{2003, 3, 26}, {2000, 1, 10}, "3 yrs 2 mons ago"},
                                         RelativeCase{{2003, 3, 26}, {2000, 3, 1}, "3 yrs ago"}));

TEST(PluralS, OnlyAboveOne) {
    EXPECT_EQ(pluralS(0), "");
    EXPECT_EQ(pluralS(1), "");
    EXPECT_EQ(pluralS(2), "s");
}

TEST(MonthNumber, FoldsOnlyAsciiLetters) {
    const FormatSettings us = FormatSettings::enUS();
    EXPECT_EQ(monthNumber("March", us), 3);
    EXPECT_EQ(monthNumber("mARCH", us), 3);
    EXPECT_EQ(monthNumber("December", us), 12);
    EXPECT_EQ(monthNumber("Mar", us), 0);
    EXPECT_EQ(monthNumber("March ", us), 0);
    EXPECT_EQ(monthNumber("", us), 0);
    const FormatSettings de = FormatSettings::deDE();
    EXPECT_EQ(monthNumber("m\xC3\xA4rz", de), 3);
    EXPECT_EQ(monthNumber("M\xC3\x84RZ", de), 0);
    EXPECT_EQ(monthNumber("March", de), 0);
}

TEST(DaysInMonth, EveryFourthYearIsLeap) {
    struct {
        int month, year, days;
    } const cases[] = {{1, 2003, 31}, {2, 2003, 28},  {2, 2004, 29}, {2, 1900, 29}, {2, 2000, 29},
                       {4, 2003, 30}, {12, 2003, 31}, {0, 2003, 0},  {13, 2003, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(daysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

} // namespace
} // namespace orvella
