#pragma once

#include "settings/OptionTypes.h"
#include "settings/SettingsStore.h"

#include <string>

namespace orvella {

// The live values of the "Options" section that the options dialog holds: the dialog keeps
// them in step with its controls, and every other part of the program reads them there.
struct OptionValues {
    // Screen appearance.
    bool shadows = false;          // "Shadows"
    bool strikeOut = false;        // "StrikeOut"
    bool flyBy = false;            // "FlyBy"
    bool doneColor = false;        // "DoneColor": colour dates with done tasks
    bool notDoneColor = false;     // "NotDoneColor"
    bool holidayColor = false;     // "HolidayColor"
    bool monthColor = false;       // "MonthColor": colour the current month's calendar
    ColourPair done;               // "DoneColorFG", "DoneColorBG"
    ColourPair notDone;            // "NotDoneColorFG", "NotDoneColorBG"
    ColourPair holiday;            // "HolidayColorFG", "HolidayColorBG"
    Colour monthBackground = 0;    // "MonthColorBG"
    ColourPair hint;               // "HintColorFG", "HintColorBG"
    bool weekStartsSunday = false; // "Sunday"; false: Monday
    FontSpec calendarFont;         // "CalFont..."
    FontSpec gridFont;             // "GridFont..."
    FontSpec titleFont;            // "TitleFont..."
    int rowHeight = 0;             // "RowHeight", 8 to 50

    // Alarms and chimes.
    bool playAlarm = false;      // "PlayAlarm": alarms enabled
    int alarmMinutes = 0;        // "AlarmMin", 0 to 120 minutes ahead
    bool playAlarmSound = false; // "PlayAlarmSound": play the sound file
    bool systemSound = false;    // "SysSound": the system sound instead
    std::string alarmPath;       // "AlarmPath"
    bool repeatAlarm = false;    // "RepeatAlarm"
    bool hourChime = false;      // "HourChime"
    bool halfChime = false;      // "HalfChime"

    // Miscellaneous.
    std::string category;      // "Category" given to new tasks
    bool confirm = false;      // "Confirm" before deleting tasks and holidays
    bool dragConfirm = false;  // "DragConfirm"
    bool autoStart = false;    // "AutoStart": start in the tray
    bool startupEntry = false; // the start-up entry exists (box "placed in system tray on reboot")
    bool popup = false;        // "qPopup"
    bool exitOnClose = false;  // "ExitF4"; false: the close button minimises
    bool iconDay = false;      // "qIcons"

    bool operator==(const OptionValues&) const = default;

    // Reads every value from the store. The start-up box is ticked when the entry exists,
    // and in any case until the options are saved once ("FirstTime" still "000"). When both
    // alarm-sound choices read true the system sound wins.
    static OptionValues read(const Settings& settings, const std::string& programFolder,
                             bool startupEntryExists);

    // Writes "FirstTime" as "first", then every value. False when that first write failed;
    // the other values are written all the same.
    bool save(Settings& settings) const;
};

} // namespace orvella
