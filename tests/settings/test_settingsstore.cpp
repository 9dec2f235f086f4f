#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

TEST(SettingsStore, ValuesReadWithTheProgramsEncodings) {
    MemorySettingsBackend backend;
    Settings s(backend);
    struct Case {
        const char* text;
        bool asBoolean; // read with default false
        int asInteger;  // read with default -1
    } cases[] = {
        {"1", true, 1}, {"0", false, 0},   {"2", true, 2},     {"yes", false, -1}, {"-5", true, -5},
        {"", false, -1}, {"12abc", false, -1}, {"99999999999", false, -1}, {"+3", true, 3},
    };
    for (const Case& c : cases) {
        backend.setValue("Options", "V", c.text);
        EXPECT_EQ(s.readBoolean("Options", "V", false), c.asBoolean) << c.text;
        EXPECT_EQ(s.readInteger("Options", "V", -1), c.asInteger) << c.text;
    }
    backend.setValue("Options", "Yes", "yes");
    EXPECT_TRUE(s.readBoolean("Options", "Yes", true));
    EXPECT_EQ(s.readText("Missing", "V", "fallback"), "fallback");
    EXPECT_EQ(s.readInteger("Options", "Absent", 35796), 35796);
}

TEST(SettingsStore, WritesEveryValueAsText) {
    MemorySettingsBackend backend;
    Settings s(backend);
    EXPECT_TRUE(s.writeBoolean("Options", "B", true));
    EXPECT_TRUE(s.writeInteger("Options", "I", -42));
    EXPECT_TRUE(s.writeText("", "FilterTop", "100"));
    EXPECT_EQ(backend.value("Options", "B"), "1");
    EXPECT_EQ(backend.value("Options", "I"), "-42");
    EXPECT_EQ(backend.value("", "FilterTop"), "100");
    backend.setWritable(false);
    EXPECT_FALSE(s.writeBoolean("Options", "B", false));
    EXPECT_EQ(backend.value("Options", "B"), "1");
}

} // namespace
} // namespace orvella
