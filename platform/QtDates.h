#pragma once

#include <QDate>

namespace orvella {

// Date serials (days since 30 December 1899) and QDate, which counts Julian days.
inline constexpr qint64 kJulianDayOfSerialZero = 2415019;

inline int serialOf(const QDate& date) {
    return static_cast<int>(date.toJulianDay() - kJulianDayOfSerialZero);
}
inline QDate dateOfSerial(int serial) {
    return QDate::fromJulianDay(serial + kJulianDayOfSerialZero);
}

} // namespace orvella
