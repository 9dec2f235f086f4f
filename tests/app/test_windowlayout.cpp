#include "app/ProgramInfo.h"
#include "app/WindowLayout.h"
#include "data/DateTime.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

const ScreenFacts screen{1920, 1080, 30};

TEST(WindowLayout, FirstStartIsCentredAndSmallerThanTheScreen) {
    MemorySettingsBackend backend;
    Settings s(backend);
    const auto l = readWindowLayout(s, false, screen);
    ASSERT_TRUE(l);
    EXPECT_EQ(*l, (WindowLayout{30, 30, 1020, 1860, 1860 * 8 / 21, 1020 / 4, (1020 - 30) / 6, false}));
    EXPECT_FALSE(readWindowLayout(s, true, screen)); // nothing memorised from the menu
}

TEST(WindowLayout, MemorisedValuesComeBackValueByValue) {
    MemorySettingsBackend backend;
    Settings s(backend);
    const WindowLayout memorised{10, 20, 700, 900, 300, 150, 80, false};
    writeWindowLayout(s, true, memorised);
    EXPECT_EQ(backend.value("MemorizeMe", "Maximized"), "0");
    EXPECT_EQ(readWindowLayout(s, true, screen), memorised);
    EXPECT_FALSE(backend.value("Memorize", "Done"));

    backend.setValue("Memorize", "Height", "abc"); // no number: its default
    backend.setValue("Memorize", "Width", "800");
    const auto l = readWindowLayout(s, false, screen);
    EXPECT_EQ(l->height, 1020);
    EXPECT_EQ(l->width, 800);
    EXPECT_EQ(l->left, (1920 - 800) / 2);
    EXPECT_EQ(l->split1Pos, 800 * 8 / 21);
}

TEST(ProgramInfo, AgeNoticeComesAYearAfterTheBuild) {
    const int built = encodeDate(2026, 3, 10);
    EXPECT_EQ(ageNotice(encodeDate(2027, 3, 10) + 0.5, built), "");
    EXPECT_EQ(ageNotice(encodeDate(2027, 3, 11) + 0.5, built),
              std::string("This version is over a year old.  Check ") + kMakerWebSite + " for updates.");
    EXPECT_EQ(ageNotice(built, built), "");
    EXPECT_GT(buildDate(), encodeDate(2026, 1, 1));
}

TEST(ProgramInfo, VersionReminderEverySixWeeks) {
    const int today = 46000;
    struct Case {
        int days;
        bool show, write;
    } cases[] = {{-1, false, true},
                 {today - 43, true, true},
                 {today - 42, false, false},
                 {0, false, false},
                 {today, false, false}};
    for (const Case& c : cases) {
        const VersionReminder r = versionReminder(c.days, today);
        EXPECT_EQ(r.show, c.show) << c.days;
        EXPECT_EQ(r.writeToday, c.write) << c.days;
    }
}

} // namespace
} // namespace orvella
