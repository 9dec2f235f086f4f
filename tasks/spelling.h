#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// A dictionary that knows words and suggests others (UTF-8 text).
class SpellDictionary {
public:
    virtual ~SpellDictionary() = default;
    virtual bool known(const std::string& word) const = 0;
    virtual std::vector<std::string> suggest(const std::string& word) const = 0;
};

// A word of a text: bytes [start, start + length).
struct WordSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const WordSpan&) const = default;
};

// The words a spell check looks at: runs of letters (any non-ASCII byte counts as part of a
// letter) with apostrophes inside; runs holding a digit are no words.
std::vector<WordSpan> spellingWords(std::string_view text);

// The first word at or after byte `from` that the dictionary does not know and that is not
// ignored; nothing when there is none.
std::optional<WordSpan> nextMisspelled(std::string_view text, std::size_t from,
                                       const SpellDictionary& dictionary,
                                       const std::set<std::string>& ignored);

} // namespace orvella
