#include "data/TextEncoding.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

TEST(TextEncoding, CellBytesShowAsUtf8OrWindows1252) {
    EXPECT_EQ(cellTextAsUtf8("caf\xC3\xA9"), "caf\xC3\xA9");         // valid UTF-8 stays
    EXPECT_EQ(cellTextAsUtf8("caf\xE9"), "caf\xC3\xA9");             // é written on Windows
    EXPECT_EQ(cellTextAsUtf8("\x80 \x9F"), "\xE2\x82\xAC \xC5\xB8"); // € and Ÿ
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));                           // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));                       // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));                           // cut short
    EXPECT_EQ(cellCharacterCount("caf\xC3\xA9"), 4u);
    EXPECT_EQ(cellCharacterCount("caf\xE9"), 4u);
}

} // namespace
} // namespace orvella
