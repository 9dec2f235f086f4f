#include "tasks/spelling.h"

namespace orvella {

namespace {

bool isLetter(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0x80;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<WordSpan> spellingWords(std::string_view text) {
    std::vector<WordSpan> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isLetter(text[i]) && !isDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        bool digits = false;
        while (i < text.size() &&
               (isLetter(text[i]) || isDigit(text[i]) ||
                (text[i] == '\'' && i + 1 < text.size() && isLetter(text[i + 1]) && i > start))) {
            digits = digits || isDigit(text[i]);
            ++i;
        }
        if (!digits)
            words.push_back({start, i - start});
    }
    return words;
}

std::optional<WordSpan> nextMisspelled(std::string_view text, std::size_t from,
                                       const SpellDictionary& dictionary,
                                       const std::set<std::string>& ignored) {
    for (const WordSpan& w : spellingWords(text)) {
        if (w.start < from)
            continue;
        const std::string word(text.substr(w.start, w.length));
        if (!ignored.count(word) && !dictionary.known(word))
            return w;
    }
    return std::nullopt;
}

} // namespace orvella
