#pragma once

#include <string_view>

namespace orvella {

// The time bar of the time entry dialog: the day from 0:00 to 24:00 at 20 pixels per hour
// (3 minutes a pixel), hour 0 at pixel 15.
inline constexpr int kBarWidth = 495;
inline constexpr int kBarHeight = 42;
inline constexpr int kBarHourZero = 15;
inline constexpr int kBarPixelsPerHour = 20;
// The day zone, drawn yellow; the hours before and after it are aqua.
inline constexpr int kDayZoneFirstHour = 7;
inline constexpr int kDayZoneEndHour = 19;

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    bool operator==(const TimeOfDay&) const = default;
};

// The bar pixel of a time.
int TimetoX(int hour, int minute);
// The time a bar pixel picks, snapped to five minutes; 0:00 off either end of the day.
TimeOfDay Xtotime(int x);
// The minute a picked minute snaps to: 5 to 60 for the multiples of 3, else 0.
int adjustTo5Minutes(int minute);
// Whether the pointer's line at bar pixel x lies on the bar.
bool pointerFits(int x);
// Whether a time shown while dragging takes the day zone's colour.
bool inDayZone(int hour);

// The keys of the dialog.
TimeOfDay minuteUp(TimeOfDay t);
TimeOfDay minuteDown(TimeOfDay t);
TimeOfDay hourUp(TimeOfDay t);
TimeOfDay hourDown(TimeOfDay t);

// Whether the short time format (in the program's notation) shows a 12-hour clock.
bool usesTwelveHourClock(std::string_view shortTimeFormat);

} // namespace orvella
