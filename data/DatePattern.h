#pragma once

#include <cstddef>
#include <string_view>

namespace orvella::datepattern {

// Scanning the program's date-time patterns, shared by the formatter and by the translation
// of patterns into the formats of Qt's edit fields.

// Formats may name other formats (ddddd, t, c ...); a locale whose format names itself must
// not recurse for ever.
inline constexpr int kMaxNesting = 3;

// Only ASCII letters fold, so the bytes of UTF-8 names and literals pass through untouched.
inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool isQuote(char c) {
    return c == '\'' || c == '"';
}

// The end of the quoted text that starts at pos, or the end of the pattern when it is open.
inline std::size_t quoteEnd(std::string_view s, std::size_t pos) {
    const std::size_t end = s.find(s[pos], pos + 1);
    return end == std::string_view::npos ? s.size() : end;
}

// Whether `word` stands at pos, letters compared without regard to case.
inline bool hasNoCase(std::string_view s, std::size_t pos, std::string_view word) {
    if (pos > s.size() || word.size() > s.size() - pos)
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lowerAscii(s[pos + i]) != lowerAscii(word[i]))
            return false;
    return true;
}

// The length of the am/pm element at pos, or 0.
inline std::size_t amPmLength(std::string_view s, std::size_t pos) {
    for (std::string_view word : {"am/pm", "a/p", "ampm"})
        if (hasNoCase(s, pos, word))
            return word.size();
    return 0;
}

// Whether the pattern shows hours on the 12-hour clock.
inline bool hasAmPm(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (isQuote(pattern[i]))
            i = quoteEnd(pattern, i);
        else if (amPmLength(pattern, i) > 0)
            return true;
    }
    return false;
}

} // namespace orvella::datepattern
