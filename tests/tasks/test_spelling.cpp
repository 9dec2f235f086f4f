#include "tasks/spelling.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> out;
    for (const WordSpan& w : spellingWords(text))
        out.emplace_back(text.substr(w.start, w.length));
    return out;
}

TEST(Spelling, WordsOfANote) {
    struct Case {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"Call Bob, today!", {"Call", "Bob", "today"}},
        {"don't 'quote' it", {"don't", "quote", "it"}},
        {"room 101 and A4 paper", {"room", "and", "paper"}},
        {"caf\xC3\xA9\r\nna\xC3\xAFve", {"caf\xC3\xA9", "na\xC3\xAFve"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wordsOf(c.text), c.words) << c.text;
}

class Knows final : public SpellDictionary {
public:
    bool known(const std::string& word) const override { return word == "cat" || word == "sat"; }
    std::vector<std::string> suggest(const std::string&) const override { return {}; }
};

TEST(Spelling, TheNextUnknownWordSkipsIgnoredOnes) {
    const Knows dictionary;
    const std::string text = "cat teh sat teh mat";
    EXPECT_EQ(nextMisspelled(text, 0, dictionary, {}), (WordSpan{4, 3}));
    EXPECT_EQ(nextMisspelled(text, 5, dictionary, {}), (WordSpan{12, 3}));
    EXPECT_EQ(nextMisspelled(text, 0, dictionary, {"teh"}), (WordSpan{16, 3}));
    EXPECT_FALSE(nextMisspelled(text, 0, dictionary, {"teh", "mat"}));
}

} // namespace
} // namespace orvella
