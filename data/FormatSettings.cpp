#include "data/FormatSettings.h"

namespace orvella {

FormatSettings FormatSettings::enUS() {
    return FormatSettings{};
}

FormatSettings FormatSettings::deDE() {
    FormatSettings f;
    f.shortDateFormat = "dd.MM.yyyy";
    f.longDateFormat = "dddd, d. MMMM yyyy";
    f.shortTimeFormat = "hh:mm";
    f.longTimeFormat = "hh:mm:ss";
    f.dateSeparator = '.';
    f.timeSeparator = ':';
    f.decimalSeparator = ',';
    f.timeAMString = "";
    f.timePMString = "";
    f.shortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    f.longMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    f.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    f.longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    return f;
}

} // namespace orvella
