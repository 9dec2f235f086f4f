#include "data/Utility.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

TEST(Utility, NumbersReadTheSameWhateverTheLocale) {
    const FormatSettings en = FormatSettings::enUS();
    const FormatSettings de = FormatSettings::deDE();
    struct Case {
        const char* text;
        double en, de;
    } cases[] = {
        {"37622.101", 37622.101, 37622.101},
        {"", 0, 0},
        {"abc", 0, 0},
        {"12", 12, 12},
        {"-3.5", -3.5, -3.5},
        {"37622,101", 0, 37622.101},
        {"1.2.3", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(textToNumber(c.text, en), c.en) << c.text;
        EXPECT_DOUBLE_EQ(textToNumber(c.text, de), c.de) << c.text;
    }
    EXPECT_EQ(textToInt(" 42"), 42);
    EXPECT_EQ(textToInt("-7"), -7);
    EXPECT_EQ(textToInt("4x"), 0);
    EXPECT_EQ(textToInt("99999999999"), 0);
    EXPECT_EQ(countDigits("a1b22"), 3);
}

TEST(Utility, MultiLineCellTexts) {
    EXPECT_EQ(memoText({"x"}), "x");
    EXPECT_EQ(memoText({"x", "y"}), "x\r\ny\r\n");
    EXPECT_EQ(memoText({}), "");
    EXPECT_EQ(memoLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(memoLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{"one"}, {"a", "", "c"}, {"", "x"}, std::vector<std::string>{}})
        EXPECT_EQ(memoLines(memoText(lines)), lines);
    EXPECT_EQ(firstLine("head\r\nrest"), "head");
    EXPECT_EQ(firstLine("only"), "only");
}

TEST(Utility, TextHelpers) {
    EXPECT_EQ(tabField("a\tb\tc", 2), "b");
    EXPECT_EQ(tabField("a\tb\tc", 3), "c");
    EXPECT_EQ(tabField("a\tb", 3), "");
    EXPECT_EQ(tabField("a", 0), "");
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replaceAll("x", "", "y"), "x");
    EXPECT_TRUE(isBlank("\r\n \b"));
    EXPECT_FALSE(isBlank(" \t"));
    EXPECT_EQ(yesNo(true), "Yes");
    EXPECT_EQ(yesNo(false), "No");
    EXPECT_EQ(joinPath("/d", "f"), "/d/f");
    EXPECT_EQ(joinPath("/d/", "f"), "/d/f");
}

TEST(Utility, WordSearch) {
    struct Case {
        const char* text;
        const char* word;
        bool matchCase, wholeWord, found;
    } cases[] = {
        {"Call Bob, today", "call", false, true, true},
        {"Call Bob, today", "call", true, true, false},
        {"recall", "call", false, true, false},
        {"recall", "call", false, false, true},
        {"(call)", "call", false, true, true},
        {"a-b", "b", true, true, true},
        {"", "x", false, true, false},
        {"text", " ", false, true, false},
        {"ÄBC call", "CALL", false, true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textMatches(c.text, c.wholeWord, c.matchCase, c.word), c.found)
            << c.text << " / " << c.word;
}

TEST(Utility, FirstFreeRowSkipsPartlyFilledRows) {
    Table todo(3, 3);
    todo.setCell(1, 1, "What without a category");
    EXPECT_EQ(firstFreeRow(todo), 2);
    todo.setCell(2, 2, "No");
    EXPECT_EQ(firstFreeRow(todo), 3);
    EXPECT_EQ(todo.rowCount(), 4);
    clearRows(todo);
    EXPECT_EQ(todo.rowCount(), 4);
    EXPECT_EQ(firstFreeRow(todo), 1);
}

TEST(Utility, CopyingFiles) {
    test::TempFolder dir;
    dir.write("dest", "keep me");
    EXPECT_FALSE(copyFileTo(dir.file("missing"), dir.file("dest")));
    EXPECT_EQ(dir.read("dest"), "keep me");
    const std::string big(5000, 'q');
    dir.write("src", big);
    EXPECT_TRUE(copyFileTo(dir.file("src"), dir.file("dest")));
    EXPECT_EQ(dir.read("dest"), big);
    EXPECT_TRUE(fileIsEmpty(dir.file("missing")));
    dir.write("empty", "");
    EXPECT_TRUE(fileIsEmpty(dir.file("empty")));
    EXPECT_FALSE(fileIsEmpty(dir.file("src")));
}

} // namespace
} // namespace orvella
