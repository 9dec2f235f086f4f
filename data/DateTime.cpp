#include "data/DateTime.h"

#include <cmath>

namespace orvella {

namespace {

// Days from the civil epoch 1970-01-01 (proleptic Gregorian), after H. Hinnant's algorithm.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kSerialEpoch = -25569;

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isValidDate(int year, int month, int day) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const int length = lengths[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= length;
}

int encodeDate(int year, int month, int day) {
    return static_cast<int>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                            kSerialEpoch);
}

void decodeDate(int serial, int& year, int& month, int& day) {
    civilFromDays(static_cast<long long>(serial) + kSerialEpoch, year, month, day);
}

double encodeTime(int hour, int minute, int second, int millisecond) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86'400'000.0;
}

void decodeTime(double dateTime, int& hour, int& minute, int& second, int& millisecond) {
    const double fraction = std::fabs(dateTime - std::trunc(dateTime));
    long long ms = std::llround(fraction * 86'400'000.0);
    if (ms >= 86'400'000)
        ms = 86'400'000 - 1;
    millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    second = static_cast<int>(ms % 60);
    ms /= 60;
    minute = static_cast<int>(ms % 60);
    hour = static_cast<int>(ms / 60);
}

int dateOf(double dateTime) {
    return static_cast<int>(std::floor(dateTime));
}

int dayOfWeek(int serial) {
    // Day 0, 30 December 1899, was a Saturday.
    const int r = ((serial % 7) + 7) % 7; // 0 = Saturday
    return r == 0 ? 7 : r;
}

} // namespace orvella
