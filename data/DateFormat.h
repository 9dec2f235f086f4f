#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"

#include <string>
#include <string_view>

namespace orvella {

// Date and time patterns. Letters are case-insensitive:
//   d dd          day of month, without / with leading zero
//   ddd dddd      short / long day name
//   ddddd dddddd  the short / long date format
//   m mm          month number; minutes when the last element before was an hour
//   mmm mmmm      short / long month name
//   yy yyyy       two- / four-digit year
//   h hh          hour; 12-hour when the pattern holds an am/pm element, else 24-hour
//   n nn          minutes
//   s ss          seconds
//   z zzz         milliseconds, without / with leading zeros
//   t tt          the short / long time format
//   am/pm a/p     the marker, in the letter case written
//   ampm          the locale's AM / PM text
//   c             the short date format, then the long time format unless the time is 0:00
//   / :           the date / time separator
// Text in single or double quotes is copied without the quotes, as is any other character.
// An empty pattern formats as "c". Names come out as UTF-8.
std::string formatDateTime(std::string_view pattern, double dateTime, const FormatSettings& fs);

// A time of day as the fraction of a day, e.g. "9:30", "9:30:15.250", "9 PM", "PM 9:30".
bool tryParseTime(std::string_view text, const FormatSettings& fs, double& time);
// A date of two or three numbers in the order of the short date format; without a year the
// current year is used, and a one- or two-digit year is taken within 50 years of it.
bool tryParseDate(std::string_view text, const FormatSettings& fs, int currentYear, int& serial);
// A date, optionally followed by a blank and a time.
bool tryParseDateTime(std::string_view text, const FormatSettings& fs, int currentYear, double& dateTime);

// Run once on the process-wide formats: four-digit years and numeric months in the short
// date format, and no seconds in the long time format.
void fix2000(FormatSettings& fs);

// The time of day read from the text, or the clock's current date and time when it is not one.
double timeOrNow(std::string_view text, const FormatSettings& fs, const Clock& clock);

// How far a date lies from today: "Today", "Tomorrow", "10 days", "3 wks ago", "2 yrs 1 mon ago".
std::string relativeDateText(int date, const Clock& clock);
// "s" for a count above one, else "".
std::string pluralS(int count);

// 1..12 for the locale's long month name, ignoring the case of a..z; 0 for anything else.
int monthNumber(std::string_view name, const FormatSettings& fs);
// February has 29 days in every year divisible by 4, centuries included, as the program
// always counted; 0 for a month outside 1..12.
int daysInMonth(int month, int year);

} // namespace orvella
