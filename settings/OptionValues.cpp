#include "settings/OptionValues.h"

#include "data/Utility.h"

namespace orvella {

OptionValues OptionValues::read(const Settings& settings, const std::string& programFolder,
                                bool startupEntryExists) {
    OptionValues o;
    o.startupEntry = startupEntryExists || settings.read(keys::FirstTime) == "000";
    o.shadows = settings.read(keys::Shadows);
    o.strikeOut = settings.read(keys::StrikeOut);
    o.flyBy = settings.read(keys::FlyBy);
    o.category = settings.read(keys::Category);
    o.confirm = settings.read(keys::Confirm);
    o.dragConfirm = settings.read(keys::DragConfirm);
    o.doneColor = settings.read(keys::DoneColor);
    o.notDoneColor = settings.read(keys::NotDoneColor);
    o.holidayColor = settings.read(keys::HolidayColor);
    o.monthColor = settings.read(keys::MonthColor);
    o.autoStart = settings.read(keys::AutoStart);
    o.popup = settings.read(keys::qPopup);
    o.iconDay = settings.read(keys::qIcons);
    o.done = {settings.read(keys::DoneColorFG), settings.read(keys::DoneColorBG)};
    o.notDone = {settings.read(keys::NotDoneColorFG), settings.read(keys::NotDoneColorBG)};
    o.holiday = {settings.read(keys::HolidayColorFG), settings.read(keys::HolidayColorBG)};
    o.monthBackground = settings.read(keys::MonthColorBG);
    o.hint = {settings.read(keys::HintColorFG), settings.read(keys::HintColorBG)};
    o.alarmMinutes = settings.read(keys::AlarmMin);
    o.alarmPath = settings.read(keys::AlarmPath, joinPath(programFolder, keys::AlarmPath.def->text));
    o.playAlarm = settings.read(keys::PlayAlarm);
    o.playAlarmSound = settings.read(keys::PlayAlarmSound);
    o.systemSound = settings.read(keys::SysSound);
    if (o.systemSound)
        o.playAlarmSound = false; // one radio pair: the later value wins
    o.repeatAlarm = settings.read(keys::RepeatAlarm);
    o.weekStartsSunday = settings.read(keys::Sunday);
    o.hourChime = settings.read(keys::HourChime);
    o.halfChime = settings.read(keys::HalfChime);
    o.exitOnClose = settings.read(keys::ExitF4);
    o.rowHeight = settings.read(keys::RowHeight);
    o.calendarFont = settings.read(keys::CalFont);
    o.gridFont = settings.read(keys::GridFont);
    o.titleFont = settings.read(keys::TitleFont);
    return o;
}

bool OptionValues::save(Settings& settings) const {
    const bool firstWritten = settings.write(keys::FirstTime, "first");
    settings.write(keys::Shadows, shadows);
    settings.write(keys::Confirm, confirm);
    settings.write(keys::DragConfirm, dragConfirm);
    settings.write(keys::Category, category);
    settings.write(keys::DoneColor, doneColor);
    settings.write(keys::NotDoneColor, notDoneColor);
    settings.write(keys::HolidayColor, holidayColor);
    settings.write(keys::MonthColor, monthColor);
    settings.write(keys::AutoStart, autoStart);
    settings.write(keys::qPopup, popup);
    settings.write(keys::qIcons, iconDay);
    settings.write(keys::DoneColorFG, done.text);
    settings.write(keys::DoneColorBG, done.background);
    settings.write(keys::NotDoneColorFG, notDone.text);
    settings.write(keys::NotDoneColorBG, notDone.background);
    settings.write(keys::HolidayColorFG, holiday.text);
    settings.write(keys::HolidayColorBG, holiday.background);
    settings.write(keys::MonthColorBG, monthBackground);
    settings.write(keys::HintColorBG, hint.background);
    settings.write(keys::HintColorFG, hint.text);
    settings.write(keys::AlarmMin, alarmMinutes);
    settings.write(keys::StrikeOut, strikeOut);
    settings.write(keys::FlyBy, flyBy);
    settings.write(keys::AlarmPath, alarmPath);
    settings.write(keys::PlayAlarm, playAlarm);
    settings.write(keys::PlayAlarmSound, playAlarmSound);
    settings.write(keys::RepeatAlarm, repeatAlarm);
    settings.write(keys::SysSound, systemSound);
    settings.write(keys::Sunday, weekStartsSunday);
    settings.write(keys::HourChime, hourChime);
    settings.write(keys::HalfChime, halfChime);
    settings.write(keys::ExitF4, exitOnClose);
    settings.write(keys::RowHeight, rowHeight);
    settings.write(keys::CalFont, calendarFont);
    settings.write(keys::GridFont, gridFont);
    settings.write(keys::TitleFont, titleFont);
    return firstWritten;
}

} // namespace orvella
