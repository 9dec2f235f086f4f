#include "platform/LocaleFormats.h"

#include "data/DateFormat.h"
#include "data/DateTime.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

// Wednesday 5 March 2003, 14:07:09.
const double kMoment = encodeDate(2003, 3, 5) + encodeTime(14, 7, 9);

TEST(FormatSettingsFrom, EnglishUnitedStates) {
    const FormatSettings fs = formatSettingsFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(fs.shortDateFormat, "M/d/yy");
    EXPECT_EQ(fs.longDateFormat, "dddd, MMMM d, yyyy");
    EXPECT_EQ(fs.shortTimeFormat, "h:nn AMPM");
    EXPECT_EQ(fs.longTimeFormat, "h:nn:ss AMPM");
    EXPECT_EQ(fs.dateSeparator, '/');
    EXPECT_EQ(fs.timeSeparator, ':');
    EXPECT_EQ(fs.decimalSeparator, '.');
    EXPECT_EQ(fs.timeAMString, "AM");
    EXPECT_EQ(fs.timePMString, "PM");
    EXPECT_EQ(fs.longMonthNames[0], "January");
    EXPECT_EQ(fs.shortMonthNames[11], "Dec");
    EXPECT_EQ(fs.longDayNames[0], "Sunday");
    EXPECT_EQ(fs.shortDayNames[6], "Sat");
    EXPECT_EQ(formatDateTime("c", kMoment, fs), "3/5/03 2:07:09 PM");
    EXPECT_EQ(formatDateTime("dddddd", kMoment, fs), "Wednesday, March 5, 2003");
}

TEST(FormatSettingsFrom, GermanGermany) {
    const FormatSettings fs = formatSettingsFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(fs.shortDateFormat, "dd.MM.yy");
    EXPECT_EQ(fs.longDateFormat, "dddd, d. MMMM yyyy");
    EXPECT_EQ(fs.shortTimeFormat, "hh:nn");
    EXPECT_EQ(fs.longTimeFormat, "hh:nn:ss");
    EXPECT_EQ(fs.dateSeparator, '.');
    EXPECT_EQ(fs.timeSeparator, ':');
    EXPECT_EQ(fs.decimalSeparator, ',');
    EXPECT_EQ(fs.longMonthNames[2], "M\xC3\xA4rz");
    EXPECT_EQ(fs.longDayNames[0], "Sonntag");
    EXPECT_EQ(fs.longDayNames[1], "Montag");
    EXPECT_EQ(formatDateTime("c", kMoment, fs), "05.03.03 14:07:09");
    EXPECT_EQ(formatDateTime("dddddd", kMoment, fs), "Mittwoch, 5. M\xC3\xA4rz 2003");
}

TEST(FormatSettingsFrom, MonthLettersSurviveForFix2000) {
    FormatSettings fs = formatSettingsFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    fs.shortDateFormat = patternFromQtFormat(QStringLiteral("dd-MMM-yy"));
    fix2000(fs);
    EXPECT_EQ(fs.shortDateFormat, "dd-MM-yyyy");
    EXPECT_EQ(fs.longTimeFormat, "h:nn AMPM");
}

struct QtPatternCase {
    const char* qt;
    const char* expected;
};

class PatternFromQt : public testing::TestWithParam<QtPatternCase> {};

TEST_P(PatternFromQt, Translates) {
    EXPECT_EQ(patternFromQtFormat(QString::fromUtf8(GetParam().qt)), GetParam().expected) << GetParam().qt;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PatternFromQt,
    testing::Values(QtPatternCase{"d 'de' MMMM 'de' yyyy", "d 'de' MMMM 'de' yyyy"},
                    QtPatternCase{"HH'h'mm", "hh'h'nn"}, QtPatternCase{"'o''clock' h", "'o'\"'\"'clock' h"},
                    QtPatternCase{"''h", "\"'\"h"}, QtPatternCase{"h:mm a", "h:nn AMPM"},
                    QtPatternCase{"ap h", "AMPM h"}, QtPatternCase{"t HH:mm", "hh:nn"},
                    QtPatternCase{"HH:mm:ss zzz", "hh:nn:ss zzz"},
                    QtPatternCase{"x, \"d\"", "'x', '\"'d'\"'"},
                    QtPatternCase{"yyyy\xE5\xB9\xB4M\xE6\x9C\x88", "yyyy\xE5\xB9\xB4M\xE6\x9C\x88"},
                    // Runs longer than Qt reads must not merge into a longer element here.
                    QtPatternCase{"ddddd", "dddd''d"}));

TEST(PatternFromQt, QuotedTextFormatsAsWritten) {
    const std::string pattern = patternFromQtFormat(QStringLiteral("d 'de' MMMM, 'hmm' HH:mm"));
    EXPECT_EQ(formatDateTime(pattern, kMoment, FormatSettings::enUS()), "5 de March, hmm 14:07");
}

} // namespace
} // namespace orvella
