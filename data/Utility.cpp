#include "data/Utility.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace orvella {

namespace {

constexpr std::string_view kCRLF = "\r\n";

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isWordDelimiter(char ch) {
    static constexpr std::string_view delimiters = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";
    return delimiters.find(ch) != std::string_view::npos;
}

} // namespace

std::string yesNo(bool flag) {
    return flag ? "Yes" : "No";
}

std::string joinPath(std::string_view folder, std::string_view name) {
#ifdef _WIN32
    constexpr char sep = '\\';
#else
    constexpr char sep = '/';
#endif
    std::string path(folder);
    if (path.empty() || (path.back() != '/' && path.back() != '\\'))
        path += sep;
    path += name;
    return path;
}

int textToInt(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty() ? value : 0;
}

double textToNumber(std::string_view text, const FormatSettings& fs) {
    if (text.empty())
        return 0;
    // The text is read in the locale's notation, in which the first "." stands for the
    // locale's decimal separator; then that separator is the decimal point.
    std::string s(trimBlanks(text));
    if (fs.decimalSeparator != '.') {
        if (const auto dot = s.find('.'); dot != std::string::npos)
            s[dot] = fs.decimalSeparator;
        if (s.find('.') != std::string::npos)
            return 0;
        if (const auto sep = s.find(fs.decimalSeparator); sep != std::string::npos)
            s[sep] = '.';
    }
    std::string_view v(s);
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    return ec == std::errc() && end == v.data() + v.size() && !v.empty() ? value : 0;
}

int countDigits(std::string_view text) {
    int n = 0;
    for (const char ch : text)
        n += ch >= '0' && ch <= '9';
    return n;
}

bool isBlank(std::string_view text) {
    for (const char ch : text)
        if (ch != '\b' && ch != '\n' && ch != '\r' && ch != ' ')
            return false;
    return true;
}

std::string firstLine(std::string_view text) {
    return std::string(text.substr(0, text.find(kCRLF)));
}

std::string memoText(const std::vector<std::string>& lines) {
    if (lines.size() == 1)
        return lines.front();
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kCRLF;
    }
    return text;
}

std::vector<std::string> memoLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(kCRLF, start)) != std::string_view::npos; start = at + kCRLF.size())
        lines.emplace_back(text.substr(start, at - start));
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string tabField(std::string_view text, int n) {
    if (n < 1)
        return {};
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t tab = text.find('\t', start);
        if (tab == std::string_view::npos)
            return {};
        start = tab + 1;
    }
    return std::string(text.substr(start, text.find('\t', start) - start));
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(from, start)) != std::string_view::npos; start = at + from.size()) {
        out.append(text.substr(start, at - start));
        out.append(to);
    }
    out.append(text.substr(start));
    return out;
}

std::string upperAZ(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

bool containsWord(std::string_view text, std::string_view word, bool matchCase) {
    if (isBlank(text) || isBlank(word))
        return false;
    const std::string t = matchCase ? std::string(text) : upperAZ(text);
    const std::string w = matchCase ? std::string(word) : upperAZ(word);
    if (t.find(w) == std::string::npos)
        return false;
    std::size_t start = 0;
    while (start <= t.size()) {
        std::size_t end = start;
        while (end < t.size() && !isWordDelimiter(t[end]))
            ++end;
        if (end > start && std::string_view(t).substr(start, end - start) == w)
            return true;
        start = end + 1;
    }
    return false;
}

bool textMatches(std::string_view text, bool wholeWord, bool matchCase, std::string_view pattern) {
    if (wholeWord)
        return containsWord(text, pattern, matchCase);
    if (matchCase)
        return text.find(pattern) != std::string_view::npos;
    return upperAZ(text).find(upperAZ(pattern)) != std::string::npos;
}

int firstFreeRow(Table& table) {
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.isRowEmpty(r))
            return r;
    if (table.rowCount() == 0)
        table.setRowCount(1);
    return table.appendRow();
}

void clearRows(Table& table) {
    for (int r = 1; r < table.rowCount(); ++r)
        table.clearRow(r);
}

bool fileIsEmpty(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec || size == 0;
}

bool copyFileTo(const std::string& source, const std::string& destination) {
    std::FILE* in = std::fopen(source.c_str(), "rb");
    if (!in)
        return false;
    std::FILE* out = std::fopen(destination.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        throw std::runtime_error("Cannot create file " + destination);
    }
    char block[2048];
    bool ok = true;
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, in)) > 0;)
        if (std::fwrite(block, 1, n, out) != n) {
            ok = false;
            break;
        }
    std::fclose(in);
    ok = std::fclose(out) == 0 && ok;
    if (!ok)
        throw std::runtime_error("Cannot write file " + destination);
    return true;
}

} // namespace orvella
