#include "tasks/timebar.h"

namespace orvella {

namespace {
constexpr int kMinutesPerPixel = 60 / kBarPixelsPerHour;
constexpr int kMinutesPerDay = 24 * 60;
} // namespace

int TimetoX(int hour, int minute) {
    return (hour * 60 + minute) / kMinutesPerPixel + kBarHourZero;
}

TimeOfDay Xtotime(int x) {
    const int m = kMinutesPerPixel * x - 48;
    if (x == 16 || m < 0 || m >= kMinutesPerDay)
        return {};
    TimeOfDay t{m / 60, adjustTo5Minutes(m % 60)};
    if (t.minute == 60) {
        t.minute = 0;
        ++t.hour;
    }
    if (t.hour > 23)
        t.hour = 0;
    return t;
}

int adjustTo5Minutes(int minute) {
    switch (minute) {
    case 3:
    case 6:
        return 5;
    case 9:
    case 12:
        return 10;
    case 15:
    case 18:
        return 15;
    case 21:
        return 20;
    case 24:
        return 25;
    case 27:
    case 30:
        return 30;
    case 33:
    case 36:
        return 35;
    case 39:
        return 40;
    case 42:
    case 45:
        return 45;
    case 48:
    case 51:
        return 50;
    case 54:
        return 55;
    case 57:
    case 60:
        return 60;
    default:
        return 0;
    }
}

bool pointerFits(int x) {
    return x >= 0 && x < kBarWidth;
}

bool inDayZone(int hour) {
    return hour >= kDayZoneFirstHour && hour < kDayZoneEndHour;
}

TimeOfDay minuteUp(TimeOfDay t) {
    if (t.minute < 59)
        ++t.minute;
    else if (t.hour < 23)
        t = {t.hour + 1, 0};
    return t;
}

TimeOfDay minuteDown(TimeOfDay t) {
    if (t.minute > 0)
        --t.minute;
    else if (t.hour > 0)
        --t.hour; // the previous hour on the hour, as the key always went
    return t;
}

TimeOfDay hourUp(TimeOfDay t) {
    if (t.hour < 23)
        ++t.hour;
    return t;
}

TimeOfDay hourDown(TimeOfDay t) {
    if (t.hour > 0)
        --t.hour;
    return t;
}

bool usesTwelveHourClock(std::string_view shortTimeFormat) {
    return shortTimeFormat.find("AM") != std::string_view::npos;
}

} // namespace orvella
