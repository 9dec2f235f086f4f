#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <set>

namespace orvella {
namespace {

TEST(SettingsStore, ValuesReadWithTheProgramsEncodings) {
    MemorySettingsBackend backend;
    Settings s(backend);
    struct Case {
        const char* text;
        bool asBoolean; // read with default false
        int asInteger;  // read with default -1
    } cases[] = {
        {"1", true, 1},   {"0", false, 0}, {"2", true, 2},       {"yes", false, -1},
        {"-5", true, -5}, {"", false, -1}, {"12abc", false, -1}, {"99999999999", false, -1},
        {"+3", true, 3},
    };
    for (const Case& c : cases) {
        backend.setValue("Options", "V", c.text);
        EXPECT_EQ(s.readBoolean("Options", "V", false), c.asBoolean) << c.text;
        EXPECT_EQ(s.readInteger("Options", "V", -1), c.asInteger) << c.text;
    }
    backend.setValue("Options", "Yes", "yes");
    EXPECT_TRUE(s.readBoolean("Options", "Yes", true));
    EXPECT_EQ(s.readText("Missing", "V", "fallback"), "fallback");
    EXPECT_EQ(s.readInteger("Options", "Absent", 35796), 35796);
}

TEST(SettingsStore, WritesEveryValueAsText) {
    MemorySettingsBackend backend;
    Settings s(backend);
    EXPECT_TRUE(s.writeBoolean("Options", "B", true));
    EXPECT_TRUE(s.writeInteger("Options", "I", -42));
    EXPECT_TRUE(s.writeText("", "FilterTop", "100"));
    EXPECT_EQ(backend.value("Options", "B"), "1");
    EXPECT_EQ(backend.value("Options", "I"), "-42");
    EXPECT_EQ(backend.value("", "FilterTop"), "100");
    backend.setWritable(false);
    EXPECT_FALSE(s.writeBoolean("Options", "B", false));
    EXPECT_EQ(backend.value("Options", "B"), "1");
}

TEST(SettingsTable, EveryValueOnceWithADefaultInsideItsRange) {
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const SettingDef& d : settingsTable()) {
        EXPECT_TRUE(seen.insert({d.section, d.name}).second) << d.section << "/" << d.name;
        if (d.rule == DefaultRule::Fixed && (d.type == SettingType::Integer || d.type == SettingType::Date)) {
            EXPECT_GE(d.number, d.low) << d.name;
            EXPECT_LE(d.number, d.high) << d.name;
        }
    }
    EXPECT_EQ(keys::DailySat.at(10).name(), "Sat10");
    EXPECT_EQ(keys::PwGridCol.at(0).name(), "Col0");
    EXPECT_EQ(keys::FilterTop.section(), "");
    EXPECT_EQ(keys::GridFont.strikeOut.name(), "GridFontStrike");
}

TEST(SettingsTable, AnEmptyStoreReadsEveryDefault) {
    MemorySettingsBackend backend;
    const Settings s(backend);
    EXPECT_EQ(s.read(keys::FirstTime), "000");
    EXPECT_EQ(s.read(keys::DoneColorBG), 0xFFFF00u);
    EXPECT_EQ(s.read(keys::NotDoneColorBG), 0x0000FFu);
    EXPECT_EQ(s.read(keys::RowHeight), 16);
    EXPECT_EQ(s.read(keys::SnoozeIndex), 1);
    EXPECT_EQ(s.read(keys::Days), -1);
    EXPECT_EQ(s.read(keys::ChartStart), 35796);
    EXPECT_EQ(s.read(keys::ChartEnd, 45000), 45000);
    EXPECT_EQ(s.read(keys::TitleFont), (FontSpec{"Times New Roman", 20, false, false, false, false}));
    EXPECT_EQ(s.read(keys::PrintFont), (FontSpec{"Arial", 10, false, false, false, false}));
    EXPECT_TRUE(s.read(keys::FilterNotDone));
    EXPECT_EQ(s.read(keys::WebCalBackColor), 0xFFFFD9u);
    EXPECT_EQ(s.read(keys::WebCalHomeDesc), "Click to go to Quillmark");
    EXPECT_EQ(s.read(keys::WebCalTrunc), 50);
    EXPECT_EQ(s.read(keys::PwGridCol.at(5)), -1);
    EXPECT_FALSE(s.read(keys::Daily.at(10)));
    EXPECT_TRUE(s.read(keys::DailyWed.at(1)));
    EXPECT_EQ(s.read(keys::YearWidth), 400);
    EXPECT_EQ(backend.value("Options", "FirstTime"), std::nullopt); // reading writes nothing
}

TEST(SettingsTable, BadTextReadsTheDefaultOrIsClampedToTheRange) {
    MemorySettingsBackend backend;
    const Settings s(backend);
    using Reader = int (*)(const Settings&);
    const Reader rowHeight = [](const Settings& st) { return st.read(keys::RowHeight); };
    const Reader alarmMin = [](const Settings& st) { return st.read(keys::AlarmMin); };
    const Reader snooze = [](const Settings& st) { return st.read(keys::SnoozeIndex); };
    const Reader gridFontSize = [](const Settings& st) { return st.read(keys::GridFont).size; };
    const Reader days = [](const Settings& st) { return st.read(keys::Days); };
    const Reader chartStart = [](const Settings& st) { return st.read(keys::ChartStart); };
    struct Case {
        const char* name;
        std::string text;
        Reader read;
        int expected;
    } integers[] = {
        {"RowHeight", "7", rowHeight, 8},
        {"RowHeight", "51", rowHeight, 50},
        {"RowHeight", "24", rowHeight, 24},
        {"RowHeight", "abc", rowHeight, 16},
        {"RowHeight", "1e3", rowHeight, 16},
        {"RowHeight", "99999999999", rowHeight, 16},
        {"AlarmMin", "-5", alarmMin, 0},
        {"AlarmMin", "500", alarmMin, 120},
        {"SnoozeIndex", "12", snooze, 9},
        {"GridFontSize", "0", gridFontSize, 8},
        {"GridFontSize", "10000", gridFontSize, 8},
        {"GridFontSize", "12", gridFontSize, 12},
        {"Days", "99999999", days, -1},
        {"ChartStart", " 5", chartStart, 35796},
    };
    for (const Case& c : integers) {
        backend.setValue("Options", c.name, c.text);
        EXPECT_EQ(c.read(s), c.expected) << c.name << "=" << c.text;
    }

    struct ColourCase {
        std::string text;
        Colour expected;
    } colours[] = {
        {"16777215", 0xFFFFFF},
        {"-2147483633", 0x8000000F},
        {"2147483663", 0x8000000F},
        {"4294967296", 0xFFFF00},
        {"-1", 0xFFFF00},
        {"16777216", 0xFFFF00},
        {"0x00FF", 0xFFFF00},
        {"", 0xFFFF00},
        {std::string(50, '9'), 0xFFFF00},
    };
    for (const ColourCase& c : colours) {
        backend.setValue("Options", "DoneColorBG", c.text);
        EXPECT_EQ(s.read(keys::DoneColorBG), c.expected) << c.text;
    }

    backend.setValue("Options", "Category", std::string(kMaxSettingText + 1, 'x'));
    EXPECT_EQ(s.read(keys::Category), "");
    backend.setValue("Options", "Category", std::string(kMaxSettingText, 'x'));
    EXPECT_EQ(s.read(keys::Category).size(), kMaxSettingText);
    backend.setValue("Options", "CalFontName", "");
    EXPECT_EQ(s.read(keys::CalFont).face, "Ms Sans Serif");
    backend.setValue("Options", "Shadows", "2");
    EXPECT_TRUE(s.read(keys::Shadows));
    backend.setValue("Options", "MonthColor", "yes");
    EXPECT_FALSE(s.read(keys::MonthColor));
}

TEST(SettingsTable, WritesTheStoredForms) {
    MemorySettingsBackend backend;
    Settings s(backend);
    EXPECT_TRUE(s.write(keys::HolidayColorBG, 0x8000000Fu));
    EXPECT_TRUE(s.write(keys::GridFont, FontSpec{"DejaVu Sans", 11, true, false, true, false}));
    EXPECT_TRUE(s.write(keys::DailyEdit.at(7), "stand up"));
    EXPECT_EQ(backend.value("Options", "HolidayColorBG"), "-2147483633");
    EXPECT_EQ(s.read(keys::HolidayColorBG), 0x8000000Fu);
    EXPECT_EQ(backend.value("Options", "GridFontName"), "DejaVu Sans");
    EXPECT_EQ(backend.value("Options", "GridFontSize"), "11");
    EXPECT_EQ(backend.value("Options", "GridFontBold"), "1");
    EXPECT_EQ(backend.value("Options", "GridFontUnder"), "1");
    EXPECT_EQ(backend.value("Options", "GridFontStrike"), "0");
    EXPECT_EQ(backend.value("DailyOptions", "Edit7"), "stand up");
    backend.setWritable(false);
    EXPECT_FALSE(s.write(keys::GridFont, FontSpec{}));
}

} // namespace
} // namespace orvella
