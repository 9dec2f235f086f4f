#include "tasks/timebar.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orvella {

void PrintTo(const TimeOfDay& t, std::ostream* os) {
    *os << t.hour << ":" << t.minute;
}

namespace {

TEST(TimeBar, TimesToPixels) {
    struct Case {
        int hour, minute, x;
    } cases[] = {{0, 0, 15}, {0, 2, 15}, {0, 3, 16}, {7, 0, 155}, {12, 0, 255}, {19, 0, 395}, {23, 59, 494}};
    for (const Case& c : cases)
        EXPECT_EQ(TimetoX(c.hour, c.minute), c.x) << c.hour << ":" << c.minute;
}

TEST(TimeBar, PixelsToSnappedTimes) {
    struct Case {
        int x;
        TimeOfDay time;
    } cases[] = {
        {-40, {0, 0}},  {15, {0, 0}},    {16, {0, 0}},    {17, {0, 5}},    {19, {0, 10}},
        {215, {10, 0}}, {216, {10, 0}},  {217, {10, 5}},  {222, {10, 15}}, {224, {10, 25}},
        {495, {0, 0}},  {494, {23, 55}}, {493, {23, 50}}, {600, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Xtotime(c.x), c.time) << "x = " << c.x;
}

TEST(TimeBar, EveryPixelOfTheBarGivesWholeFiveMinutes) {
    for (int x = -20; x < kBarWidth + 20; ++x) {
        const TimeOfDay t = Xtotime(x);
        EXPECT_EQ(t.minute % 5, 0) << "x = " << x;
        EXPECT_TRUE(t.hour >= 0 && t.hour <= 23) << "x = " << x;
    }
}

TEST(TimeBar, SnappingTable) {
    const int expected[61] = {
        0,  0, 0, 5,  0, 0, 5,  0, 0, 10, 0, 0, 10, 0, 0, 15, 0, 0, 15, 0, 0,
        20, 0, 0, 25, 0, 0, 30, 0, 0, 30, 0, 0, 35, 0, 0, 35, 0, 0, 40, 0, 0,
        45, 0, 0, 45, 0, 0, 50, 0, 0, 50, 0, 0, 55, 0, 0, 60, 0, 0, 60,
    };
    for (int minute = 0; minute <= 60; ++minute)
        EXPECT_EQ(adjustTo5Minutes(minute), expected[minute]) << "minute " << minute;
}

TEST(TimeBar, Keys) {
    struct Case {
        TimeOfDay (*key)(TimeOfDay);
        const char* name;
        TimeOfDay from, to;
    } cases[] = {
        {minuteDown, "Down", {10, 0}, {9, 0}},      {minuteDown, "Down", {10, 30}, {10, 29}},
        {minuteDown, "Down", {0, 0}, {0, 0}},       {minuteUp, "Up", {9, 59}, {10, 0}},
        {minuteUp, "Up", {9, 5}, {9, 6}},           {minuteUp, "Up", {23, 59}, {23, 59}},
        {hourUp, "Page Up", {10, 20}, {11, 20}},    {hourUp, "Page Up", {23, 10}, {23, 10}},
        {hourDown, "Page Down", {10, 20}, {9, 20}}, {hourDown, "Page Down", {0, 40}, {0, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.key(c.from), c.to) << c.name << " at " << c.from.hour << ":" << c.from.minute;
}

TEST(TimeBar, ZonesAndClock) {
    EXPECT_FALSE(inDayZone(6));
    EXPECT_TRUE(inDayZone(7));
    EXPECT_TRUE(inDayZone(18));
    EXPECT_FALSE(inDayZone(19));
    EXPECT_TRUE(pointerFits(0));
    EXPECT_TRUE(pointerFits(kBarWidth - 1));
    EXPECT_FALSE(pointerFits(-1));
    EXPECT_FALSE(pointerFits(kBarWidth));
    EXPECT_TRUE(usesTwelveHourClock("h:mm AMPM"));
    EXPECT_FALSE(usesTwelveHourClock("hh:mm"));
}

} // namespace
} // namespace orvella
