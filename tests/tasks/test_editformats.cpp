#include "tasks/editformats.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

TEST(EditFormats, ProgramPatternsBecomeQtEditFormats) {
    const FormatSettings us = FormatSettings::enUS();
    const FormatSettings de = FormatSettings::deDE();
    struct Case {
        const FormatSettings& fs;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {us, "M/d/yyyy", "M/d/yyyy"},
        {us, "h:mm AMPM", "h:mm AP"},
        {us, "h:nn:ss am/pm", "h:mm:ss ap"},
        {us, "hh:mm", "HH:mm"},
        {de, "dd/mm/yy", "dd.MM.yy"},
        {de, "ddddd", "dd.MM.yyyy"},
        {us, "t", "h:mm AP"},
        {us, "yyyy 'week' d", "yyyy 'week' d"},
        {us, "d 'o''clock' x", "d 'oclock' 'x'"},
        {us, "h:nn 'it''s' \"x\"", "H:mm 'its' 'x'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtEditFormat(c.pattern, c.fs), c.expected) << c.pattern;
}

} // namespace
} // namespace orvella
