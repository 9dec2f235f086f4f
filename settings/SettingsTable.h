#pragma once

#include "app/ProgramInfo.h"

#include <climits>
#include <span>
#include <string>
#include <string_view>

namespace orvella {

// Every value the program keeps in its settings key: the section (empty for the key itself),
// the name, the type and the default. Typed keys into this table (below) are what the rest
// of the program reads and writes through Settings.

enum class SettingType { Text, Integer, Boolean, Colour, Date };

// What reading does with an integer outside its range.
enum class OutOfRange { Clamp, Default };

// Where a default comes from when it is not a fixed value.
enum class DefaultRule {
    Fixed,
    ProgramFolderFile, // the program folder joined with the text default
    Today,             // the current day's date serial
    Caller,            // worked out by the reader (screen sizes)
};

struct SettingDef {
    std::string_view section;
    // For numbered values, the stem: the value's name is the stem followed by the number.
    std::string_view name;
    SettingType type = SettingType::Text;
    std::string_view text;   // default of a text value
    long long number = 0;    // default of every other type
    long long low = INT_MIN; // valid range of integers and dates
    long long high = INT_MAX;
    OutOfRange outOfRange = OutOfRange::Default;
    DefaultRule rule = DefaultRule::Fixed;
    int firstSlot = 0; // numbered values run firstSlot..lastSlot; lastSlot < firstSlot: not numbered
    int lastSlot = -1;
};

// Text longer than this reads as its default: no value of ours comes near it.
inline constexpr std::size_t kMaxSettingText = 32767;
inline constexpr long long kFirstDateSerial = -693593; // 1 January 0001
inline constexpr long long kLastDateSerial = 2958465;  // 31 December 9999

// The settings key as placement items name it.
inline constexpr std::string_view kSettingsKeyPath = "Software\\Quillmark\\Task";

namespace rows {

constexpr SettingDef row(std::string_view section, std::string_view name, SettingType type) {
    SettingDef d;
    d.section = section;
    d.name = name;
    d.type = type;
    return d;
}
constexpr SettingDef text(std::string_view section, std::string_view name, std::string_view fallback,
                          DefaultRule rule = DefaultRule::Fixed) {
    SettingDef d = row(section, name, SettingType::Text);
    d.text = fallback;
    d.rule = rule;
    return d;
}
constexpr SettingDef boolean(std::string_view section, std::string_view name, bool fallback) {
    SettingDef d = row(section, name, SettingType::Boolean);
    d.number = fallback ? 1 : 0;
    return d;
}
constexpr SettingDef integer(std::string_view section, std::string_view name, long long fallback,
                             long long low = INT_MIN, long long high = INT_MAX,
                             OutOfRange outOfRange = OutOfRange::Default) {
    SettingDef d = row(section, name, SettingType::Integer);
    d.number = fallback;
    d.low = low;
    d.high = high;
    d.outOfRange = outOfRange;
    return d;
}
constexpr SettingDef computed(std::string_view section, std::string_view name) {
    SettingDef d = row(section, name, SettingType::Integer);
    d.rule = DefaultRule::Caller;
    return d;
}
constexpr SettingDef colour(std::string_view section, std::string_view name, long long fallback) {
    SettingDef d = row(section, name, SettingType::Colour);
    d.number = fallback;
    return d;
}
constexpr SettingDef date(std::string_view section, std::string_view name, long long fallback,
                          DefaultRule rule = DefaultRule::Fixed) {
    SettingDef d = row(section, name, SettingType::Date);
    d.number = fallback;
    d.low = kFirstDateSerial;
    d.high = kLastDateSerial;
    d.rule = rule;
    return d;
}
constexpr SettingDef numbered(SettingDef def, int first, int last) {
    def.firstSlot = first;
    def.lastSlot = last;
    return def;
}

// Window positions and sizes, in pixels.
inline constexpr long long kPixelLow = -32768;
inline constexpr long long kPixelHigh = 32767;
constexpr SettingDef pixels(std::string_view section, std::string_view name, long long fallback) {
    return integer(section, name, fallback, kPixelLow, kPixelHigh);
}
inline constexpr long long kFontSizeLow = 1;
inline constexpr long long kFontSizeHigh = 144;
constexpr SettingDef fontSize(std::string_view section, std::string_view name, long long fallback) {
    return integer(section, name, fallback, kFontSizeLow, kFontSizeHigh);
}

} // namespace rows

inline constexpr SettingDef kSettingsTable[] = {
    // "Options": held by the options dialog while the program runs, unless noted.
    rows::text("Options", "FirstTime", "000"),
    rows::boolean("Options", "Shadows", true),
    rows::boolean("Options", "StrikeOut", true),
    rows::boolean("Options", "FlyBy", true),
    rows::text("Options", "Category", ""),
    rows::boolean("Options", "Confirm", true),
    rows::boolean("Options", "DragConfirm", true),
    rows::boolean("Options", "DoneColor", true),
    rows::boolean("Options", "NotDoneColor", true),
    rows::boolean("Options", "HolidayColor", true),
    rows::boolean("Options", "MonthColor", false),
    rows::boolean("Options", "AutoStart", false),
    rows::boolean("Options", "qPopup", true),
    rows::boolean("Options", "qIcons", true),
    rows::colour("Options", "DoneColorFG", 0x000000),
    rows::colour("Options", "DoneColorBG", 0xFFFF00),
    rows::colour("Options", "NotDoneColorFG", 0xFFFFFF),
    rows::colour("Options", "NotDoneColorBG", 0x0000FF),
    rows::colour("Options", "HolidayColorFG", 0x000000),
    rows::colour("Options", "HolidayColorBG", 0x00FFFF),
    rows::colour("Options", "MonthColorBG", 0x00FF00),
    rows::colour("Options", "HintColorBG", 0x00FFFF),
    rows::colour("Options", "HintColorFG", 0x000000),
    rows::integer("Options", "AlarmMin", 0, 0, 120, OutOfRange::Clamp),
    rows::text("Options", "AlarmPath", "alarm.wav", DefaultRule::ProgramFolderFile),
    rows::boolean("Options", "PlayAlarm", true),
    rows::boolean("Options", "PlayAlarmSound", true),
    rows::boolean("Options", "SysSound", false),
    rows::boolean("Options", "RepeatAlarm", true),
    rows::boolean("Options", "Sunday", true),
    rows::boolean("Options", "HourChime", true),
    rows::boolean("Options", "HalfChime", true),
    rows::boolean("Options", "ExitF4", true),
    rows::integer("Options", "RowHeight", 16, 8, 50, OutOfRange::Clamp),
    rows::text("Options", "CalFontName", "Ms Sans Serif"),
    rows::fontSize("Options", "CalFontSize", 8),
    rows::boolean("Options", "CalFontBold", false),
    rows::boolean("Options", "CalFontItalic", false),
    rows::boolean("Options", "CalFontUnder", false),
    rows::boolean("Options", "CalFontStrike", false),
    rows::text("Options", "GridFontName", "Ms Sans Serif"),
    rows::fontSize("Options", "GridFontSize", 8),
    rows::boolean("Options", "GridFontBold", false),
    rows::boolean("Options", "GridFontItalic", false),
    rows::boolean("Options", "GridFontUnder", false),
    rows::boolean("Options", "GridFontStrike", false),
    rows::text("Options", "TitleFontName", "Times New Roman"),
    rows::fontSize("Options", "TitleFontSize", 20),
    rows::boolean("Options", "TitleFontBold", false),
    rows::boolean("Options", "TitleFontItalic", false),
    rows::boolean("Options", "TitleFontUnder", false),
    rows::boolean("Options", "TitleFontStrike", false),
    // Held by the main window's snooze list.
    rows::integer("Options", "SnoozeIndex", 1, 0, 9, OutOfRange::Clamp),
    rows::date("Options", "Days", -1),
    // Held by the main window's print font.
    rows::text("Options", "PrintFontName", "Arial"),
    rows::fontSize("Options", "PrintFontSize", 10),
    rows::boolean("Options", "PrintFontBold", false),
    rows::boolean("Options", "PrintFontItalic", false),
    rows::boolean("Options", "PrintFontUnder", false),
    rows::boolean("Options", "PrintFontStrike", false),
    // Held by the chart window.
    rows::boolean("Options", "Animate", true),
    rows::date("Options", "ChartStart", 35796),
    rows::date("Options", "ChartEnd", 0, DefaultRule::Today),

    rows::boolean("Filter", "Done", true),
    rows::boolean("Filter", "NotDone", true),

    // The main window's layout; the defaults depend on the screen.
    rows::boolean("Memorize", "Done", true),
    rows::computed("Memorize", "Top"),
    rows::computed("Memorize", "Left"),
    rows::computed("Memorize", "Height"),
    rows::computed("Memorize", "Width"),
    rows::computed("Memorize", "Split1Pos"),
    rows::computed("Memorize", "Split2Pos"),
    rows::computed("Memorize", "SplitDay"),
    rows::boolean("Memorize", "Maximized", false),
    rows::boolean("MemorizeMe", "Done", false),
    rows::computed("MemorizeMe", "Top"),
    rows::computed("MemorizeMe", "Left"),
    rows::computed("MemorizeMe", "Height"),
    rows::computed("MemorizeMe", "Width"),
    rows::computed("MemorizeMe", "Split1Pos"),
    rows::computed("MemorizeMe", "Split2Pos"),
    rows::computed("MemorizeMe", "SplitDay"),
    rows::boolean("MemorizeMe", "Maximized", false),

    // The password window's placement and its grid's column widths (-1: as designed).
    rows::computed("MemPass", "Top"),
    rows::computed("MemPass", "Left"),
    rows::computed("MemPass", "Height"),
    rows::computed("MemPass", "Width"),
    rows::boolean("MemPass", "Maximized", false),
    rows::numbered(rows::integer("PwGrid", "Col", -1, -1, rows::kPixelHigh), 0, 5),

    rows::text("WebCal", "LastFile", ""),
    rows::text("WebCal", "LastFolder", ""),
    rows::boolean("WebCal", "Details", true),
    rows::boolean("WebCal", "DateHome", true),
    rows::boolean("WebCal", "WithinDay", false),
    rows::boolean("WebCal", "Category", true),
    rows::boolean("WebCal", "IncludeDone", false),
    rows::boolean("WebCal", "IncludeAlarm", false),
    rows::integer("WebCal", "Qtruncate", 0, 0, 1),
    rows::integer("WebCal", "Trunc", 50, 1, 32767),
    rows::fontSize("WebCal", "FontSize", 9),
    rows::text("WebCal", "Fontname", "Arial"),
    rows::colour("WebCal", "BackColor", 0xFFFFD9),
    rows::text("WebCal", "HomePage", kMakerWebSite),
    rows::text("WebCal", "HomeDesc", "Click to go to Quillmark"),

    // Ten daily-alarm slots, "Daily1" to "Daily10" and so on.
    rows::numbered(rows::boolean("DailyOptions", "Daily", false), 1, 10),
    rows::numbered(rows::text("DailyOptions", "Time", ""), 1, 10),
    rows::numbered(rows::text("DailyOptions", "Edit", ""), 1, 10),
    rows::numbered(rows::text("DailyOptions", "Sound", ""), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Sun", true), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Mon", true), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Tue", true), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Wed", true), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Thu", true), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Fri", true), 1, 10),
    rows::numbered(rows::boolean("DailyOptions", "Sat", true), 1, 10),

    // Form placements, directly in the settings key (the form-placement store).
    rows::pixels("", "FilterTop", 100),
    rows::pixels("", "FilterLeft", 100),
    rows::pixels("", "FilterWidth", 400),
    rows::pixels("", "FilterHeight", 400),
    rows::pixels("", "AbbrevLeft", 100),
    rows::pixels("", "AbbrevTop", 100),
    rows::pixels("", "AbbrevHeight", 400),
    rows::pixels("", "AbbrevWidth", 530),
    rows::pixels("", "YearHeight", 336),
    rows::pixels("", "YearWidth", 400),
    rows::pixels("", "YearTop", 30),
    rows::pixels("", "YearLeft", 30),
};

inline std::span<const SettingDef> settingsTable() {
    return kSettingsTable;
}

// A typed handle on one row of the table; numbered rows take their number with at().
template <SettingType Type>
struct SettingKey {
    const SettingDef* def = nullptr;
    int slot = 0;

    constexpr SettingKey at(int n) const { return {def, n}; }
    bool numbered() const { return def->lastSlot >= def->firstSlot; }
    // The stored name: the row's name, followed by the number for numbered rows.
    std::string name() const {
        return numbered() ? std::string(def->name) + std::to_string(slot) : std::string(def->name);
    }
    std::string section() const { return std::string(def->section); }
};

using TextKey = SettingKey<SettingType::Text>;
using IntegerKey = SettingKey<SettingType::Integer>;
using BooleanKey = SettingKey<SettingType::Boolean>;
using ColourKey = SettingKey<SettingType::Colour>;
using DateKey = SettingKey<SettingType::Date>;

// The six values of one font: prefix followed by "Name", "Size", "Bold", "Italic", "Under"
// and "Strike".
struct FontKey {
    TextKey face;
    IntegerKey size;
    BooleanKey bold;
    BooleanKey italic;
    BooleanKey underline;
    BooleanKey strikeOut;
};

namespace detail {

// Compile-time lookup: a name that is not in the table, or has another type, does not build.
consteval const SettingDef* findSetting(std::string_view section, std::string_view prefix,
                                        std::string_view suffix, SettingType type) {
    for (const SettingDef& d : kSettingsTable) {
        if (d.section == section && d.name.size() == prefix.size() + suffix.size() &&
            d.name.starts_with(prefix) && d.name.ends_with(suffix)) {
            if (d.type != type)
                throw "the setting has another type";
            return &d;
        }
    }
    throw "the setting is not in the table";
}

template <SettingType Type>
consteval SettingKey<Type> key(std::string_view section, std::string_view name) {
    return {findSetting(section, name, "", Type)};
}

consteval FontKey fontKey(std::string_view prefix) {
    return {{findSetting("Options", prefix, "Name", SettingType::Text)},
            {findSetting("Options", prefix, "Size", SettingType::Integer)},
            {findSetting("Options", prefix, "Bold", SettingType::Boolean)},
            {findSetting("Options", prefix, "Italic", SettingType::Boolean)},
            {findSetting("Options", prefix, "Under", SettingType::Boolean)},
            {findSetting("Options", prefix, "Strike", SettingType::Boolean)}};
}

} // namespace detail

namespace keys {

using detail::fontKey;
using detail::key;
using T = SettingType;

inline constexpr TextKey FirstTime = key<T::Text>("Options", "FirstTime");
inline constexpr BooleanKey Shadows = key<T::Boolean>("Options", "Shadows");
inline constexpr BooleanKey StrikeOut = key<T::Boolean>("Options", "StrikeOut");
inline constexpr BooleanKey FlyBy = key<T::Boolean>("Options", "FlyBy");
inline constexpr TextKey Category = key<T::Text>("Options", "Category");
inline constexpr BooleanKey Confirm = key<T::Boolean>("Options", "Confirm");
inline constexpr BooleanKey DragConfirm = key<T::Boolean>("Options", "DragConfirm");
inline constexpr BooleanKey DoneColor = key<T::Boolean>("Options", "DoneColor");
inline constexpr BooleanKey NotDoneColor = key<T::Boolean>("Options", "NotDoneColor");
inline constexpr BooleanKey HolidayColor = key<T::Boolean>("Options", "HolidayColor");
inline constexpr BooleanKey MonthColor = key<T::Boolean>("Options", "MonthColor");
inline constexpr BooleanKey AutoStart = key<T::Boolean>("Options", "AutoStart");
inline constexpr BooleanKey qPopup = key<T::Boolean>("Options", "qPopup");
inline constexpr BooleanKey qIcons = key<T::Boolean>("Options", "qIcons");
inline constexpr ColourKey DoneColorFG = key<T::Colour>("Options", "DoneColorFG");
inline constexpr ColourKey DoneColorBG = key<T::Colour>("Options", "DoneColorBG");
inline constexpr ColourKey NotDoneColorFG = key<T::Colour>("Options", "NotDoneColorFG");
inline constexpr ColourKey NotDoneColorBG = key<T::Colour>("Options", "NotDoneColorBG");
inline constexpr ColourKey HolidayColorFG = key<T::Colour>("Options", "HolidayColorFG");
inline constexpr ColourKey HolidayColorBG = key<T::Colour>("Options", "HolidayColorBG");
inline constexpr ColourKey MonthColorBG = key<T::Colour>("Options", "MonthColorBG");
inline constexpr ColourKey HintColorBG = key<T::Colour>("Options", "HintColorBG");
inline constexpr ColourKey HintColorFG = key<T::Colour>("Options", "HintColorFG");
inline constexpr IntegerKey AlarmMin = key<T::Integer>("Options", "AlarmMin");
inline constexpr TextKey AlarmPath = key<T::Text>("Options", "AlarmPath");
inline constexpr BooleanKey PlayAlarm = key<T::Boolean>("Options", "PlayAlarm");
inline constexpr BooleanKey PlayAlarmSound = key<T::Boolean>("Options", "PlayAlarmSound");
inline constexpr BooleanKey SysSound = key<T::Boolean>("Options", "SysSound");
inline constexpr BooleanKey RepeatAlarm = key<T::Boolean>("Options", "RepeatAlarm");
inline constexpr BooleanKey Sunday = key<T::Boolean>("Options", "Sunday");
inline constexpr BooleanKey HourChime = key<T::Boolean>("Options", "HourChime");
inline constexpr BooleanKey HalfChime = key<T::Boolean>("Options", "HalfChime");
inline constexpr BooleanKey ExitF4 = key<T::Boolean>("Options", "ExitF4");
inline constexpr IntegerKey RowHeight = key<T::Integer>("Options", "RowHeight");
inline constexpr FontKey CalFont = fontKey("CalFont");
inline constexpr FontKey GridFont = fontKey("GridFont");
inline constexpr FontKey TitleFont = fontKey("TitleFont");
inline constexpr IntegerKey SnoozeIndex = key<T::Integer>("Options", "SnoozeIndex");
inline constexpr DateKey Days = key<T::Date>("Options", "Days");
inline constexpr FontKey PrintFont = fontKey("PrintFont");
inline constexpr BooleanKey Animate = key<T::Boolean>("Options", "Animate");
inline constexpr DateKey ChartStart = key<T::Date>("Options", "ChartStart");
inline constexpr DateKey ChartEnd = key<T::Date>("Options", "ChartEnd");

inline constexpr BooleanKey FilterDone = key<T::Boolean>("Filter", "Done");
inline constexpr BooleanKey FilterNotDone = key<T::Boolean>("Filter", "NotDone");

inline constexpr IntegerKey MemPassTop = key<T::Integer>("MemPass", "Top");
inline constexpr IntegerKey MemPassLeft = key<T::Integer>("MemPass", "Left");
inline constexpr IntegerKey MemPassHeight = key<T::Integer>("MemPass", "Height");
inline constexpr IntegerKey MemPassWidth = key<T::Integer>("MemPass", "Width");
inline constexpr BooleanKey MemPassMaximized = key<T::Boolean>("MemPass", "Maximized");
inline constexpr IntegerKey PwGridCol = key<T::Integer>("PwGrid", "Col"); // .at(0) to .at(5)

inline constexpr TextKey WebCalLastFile = key<T::Text>("WebCal", "LastFile");
inline constexpr TextKey WebCalLastFolder = key<T::Text>("WebCal", "LastFolder");
inline constexpr BooleanKey WebCalDetails = key<T::Boolean>("WebCal", "Details");
inline constexpr BooleanKey WebCalDateHome = key<T::Boolean>("WebCal", "DateHome");
inline constexpr BooleanKey WebCalWithinDay = key<T::Boolean>("WebCal", "WithinDay");
inline constexpr BooleanKey WebCalCategory = key<T::Boolean>("WebCal", "Category");
inline constexpr BooleanKey WebCalIncludeDone = key<T::Boolean>("WebCal", "IncludeDone");
inline constexpr BooleanKey WebCalIncludeAlarm = key<T::Boolean>("WebCal", "IncludeAlarm");
inline constexpr IntegerKey WebCalQtruncate = key<T::Integer>("WebCal", "Qtruncate");
inline constexpr IntegerKey WebCalTrunc = key<T::Integer>("WebCal", "Trunc");
inline constexpr IntegerKey WebCalFontSize = key<T::Integer>("WebCal", "FontSize");
inline constexpr TextKey WebCalFontname = key<T::Text>("WebCal", "Fontname");
inline constexpr ColourKey WebCalBackColor = key<T::Colour>("WebCal", "BackColor");
inline constexpr TextKey WebCalHomePage = key<T::Text>("WebCal", "HomePage");
inline constexpr TextKey WebCalHomeDesc = key<T::Text>("WebCal", "HomeDesc");

// Numbered 1 to 10: keys::Daily.at(n).
inline constexpr BooleanKey Daily = key<T::Boolean>("DailyOptions", "Daily");
inline constexpr TextKey DailyTime = key<T::Text>("DailyOptions", "Time");
inline constexpr TextKey DailyEdit = key<T::Text>("DailyOptions", "Edit");
inline constexpr TextKey DailySound = key<T::Text>("DailyOptions", "Sound");
inline constexpr BooleanKey DailySun = key<T::Boolean>("DailyOptions", "Sun");
inline constexpr BooleanKey DailyMon = key<T::Boolean>("DailyOptions", "Mon");
inline constexpr BooleanKey DailyTue = key<T::Boolean>("DailyOptions", "Tue");
inline constexpr BooleanKey DailyWed = key<T::Boolean>("DailyOptions", "Wed");
inline constexpr BooleanKey DailyThu = key<T::Boolean>("DailyOptions", "Thu");
inline constexpr BooleanKey DailyFri = key<T::Boolean>("DailyOptions", "Fri");
inline constexpr BooleanKey DailySat = key<T::Boolean>("DailyOptions", "Sat");

inline constexpr IntegerKey FilterTop = key<T::Integer>("", "FilterTop");
inline constexpr IntegerKey FilterLeft = key<T::Integer>("", "FilterLeft");
inline constexpr IntegerKey FilterWidth = key<T::Integer>("", "FilterWidth");
inline constexpr IntegerKey FilterHeight = key<T::Integer>("", "FilterHeight");
inline constexpr IntegerKey AbbrevLeft = key<T::Integer>("", "AbbrevLeft");
inline constexpr IntegerKey AbbrevTop = key<T::Integer>("", "AbbrevTop");
inline constexpr IntegerKey AbbrevHeight = key<T::Integer>("", "AbbrevHeight");
inline constexpr IntegerKey AbbrevWidth = key<T::Integer>("", "AbbrevWidth");
inline constexpr IntegerKey YearHeight = key<T::Integer>("", "YearHeight");
inline constexpr IntegerKey YearWidth = key<T::Integer>("", "YearWidth");
inline constexpr IntegerKey YearTop = key<T::Integer>("", "YearTop");
inline constexpr IntegerKey YearLeft = key<T::Integer>("", "YearLeft");

} // namespace keys

} // namespace orvella
