#pragma once

#include <array>
#include <string>

namespace orvella {

// The locale's date, time and number formats in the program's own pattern notation
// (see DateFormat.h). Built from the system locale at start-up; tests use the fixed
// en-US and de-DE values below.
struct FormatSettings {
    std::string shortDateFormat = "M/d/yyyy";
    std::string longDateFormat = "dddd, MMMM d, yyyy";
    std::string shortTimeFormat = "h:mm AMPM";
    std::string longTimeFormat = "h:mm:ss AMPM";
    char dateSeparator = '/';
    char timeSeparator = ':';
    char decimalSeparator = '.';
    std::string timeAMString = "AM";
    std::string timePMString = "PM";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    // Sunday first.
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

    static FormatSettings enUS();
    static FormatSettings deDE();
};

} // namespace orvella
