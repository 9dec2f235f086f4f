#pragma once

namespace orvella {

// Calendar arithmetic on date serials: whole days since 30 December 1899 (day 0);
// 1 January 2003 is 37622. A date-time is a date serial plus the fraction of the day.

bool isLeapYear(int year);
bool isValidDate(int year, int month, int day);
int encodeDate(int year, int month, int day);
void decodeDate(int serial, int& year, int& month, int& day);
double encodeTime(int hour, int minute, int second = 0, int millisecond = 0);
// Splits the time-of-day part of a date-time, rounded to the millisecond.
void decodeTime(double dateTime, int& hour, int& minute, int& second, int& millisecond);
// The whole date serial of a date-time (rounding towards minus infinity).
int dateOf(double dateTime);
// 1 for Sunday to 7 for Saturday.
int dayOfWeek(int serial);

} // namespace orvella
