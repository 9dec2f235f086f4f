#include "data/gridfile.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvella {

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kTAB = '\t';
constexpr char kBS = '\b';
constexpr char kEOF = '\x1a';

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == kTAB))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == kTAB))
        s.remove_suffix(1);
    return s;
}

// A decimal integer filling the whole text (blanks around it allowed).
bool parseInt(std::string_view s, long long& value) {
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty())
        return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

// A non-negative index below `limit`.
bool parseIndex(std::string_view s, int limit, int& index) {
    // Written files hold plain digits; anything else takes the careful path.
    if (!s.empty() && s.size() <= 9) {
        int v = 0;
        std::size_t i = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            v = v * 10 + (s[i] - '0');
        if (i == s.size()) {
            if (v >= limit)
                return false;
            index = v;
            return true;
        }
    }
    long long v = 0;
    if (!parseInt(s, v) || v < 0 || v >= limit)
        return false;
    index = static_cast<int>(v);
    return true;
}

void decodeCell(std::string_view text, std::string& cell) {
    if (std::memchr(text.data(), kBS, text.size()) == nullptr) {
        cell.assign(text);
        return;
    }
    cell.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        cell[i] = ch == kTAB ? kCR : ch == kBS ? kLF : ch;
    }
}

// Appends a cell's text as it goes into a cell line. The text is made storable first so that
// it always reads back: byte 26 would end the file and a backspace would be taken for an
// encoded line feed, so both are dropped; in a text with line breaks a TAB would come back
// as CR, so it becomes a blank, and a lone CR becomes a full line break.
void appendEncodedCell(std::string& out, const std::string& text) {
    bool plain = true;
    for (const char ch : text)
        if (static_cast<unsigned char>(ch) <= static_cast<unsigned char>(kEOF) &&
            (ch == kCR || ch == kBS || ch == kEOF)) {
            plain = false;
            break;
        }
    if (plain) {
        out += text;
        return;
    }
    const bool hasCR = text.find(kCR) != std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == kBS || ch == kEOF)
            continue;
        if (!hasCR) {
            out += ch;
        } else if (ch == kCR) {
            out += kTAB;
            out += kBS;
            if (i + 1 < text.size() && text[i + 1] == kLF)
                ++i;
        } else if (ch == kLF) {
            out += kBS;
        } else {
            out += ch == kTAB ? ' ' : ch;
        }
    }
}

void appendNumber(std::string& out, long long n) {
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
    out.append(buf, static_cast<std::size_t>(end - buf));
}

} // namespace

void parseGrid(Table& table, std::string_view bytes, const std::string& path) {
    if (const void* eof = std::memchr(bytes.data(), kEOF, bytes.size()))
        bytes = bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(eof) - bytes.data()));

    std::size_t pos = 0;
    auto nextLine = [&bytes, &pos](std::string_view& line) {
        if (pos >= bytes.size())
            return false;
        const char* start = bytes.data() + pos;
        const std::size_t rest = bytes.size() - pos;
        const void* cr = std::memchr(start, kCR, rest);
        const std::size_t len = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - start) : rest;
        line = std::string_view(start, len);
        pos += len;
        if (cr) {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == kLF)
                ++pos;
        }
        return true;
    };

    const std::string corrupt = "File contains no data or corrupt file " + path;
    std::string_view line;
    if (nextLine(line) && !line.empty()) {
        const std::size_t comma = line.find(',');
        long long cols = 0;
        long long rows = 0;
        if (comma == std::string_view::npos || !parseInt(line.substr(0, comma), cols) ||
            !parseInt(line.substr(comma + 1), rows) || cols < 1 || rows < 1 || cols > kMaxGridCols ||
            rows > kMaxGridRows || cols * rows > kMaxGridCells)
            throw GridFileError(corrupt);
        // Leave room for rows added later (a repeat adds thousands at once) so that growing
        // the table does not move every cell.
        table.setColCount(static_cast<int>(cols));
        table.reserveRows(static_cast<int>(rows + std::max<long long>(rows / 8, 8192)));
        table.setRowCount(static_cast<int>(rows));
    }
    if (table.colCount() < 1 || table.rowCount() < 1)
        throw GridFileError(corrupt);

    const int cols = table.colCount();
    const int rows = table.rowCount();
    while (nextLine(line)) {
        if (line.size() >= 2 && line[0] == 'c' && line[1] == 'w') {
            const std::string_view rest = line.substr(std::min<std::size_t>(3, line.size()));
            const std::size_t comma = rest.find(',');
            int col = 0;
            long long width = 0;
            if (comma != std::string_view::npos && parseIndex(rest.substr(0, comma), cols, col) &&
                parseInt(rest.substr(comma + 1), width) && width >= 0 && width <= 1'000'000)
                table.setColWidth(col, static_cast<int>(width));
            continue;
        }
        // Written files hold "col,row,text" with plain digits: read those without searching.
        std::size_t at = 0;
        int fastCol = 0;
        int fastRow = 0;
        while (at < line.size() && at < 9 && line[at] >= '0' && line[at] <= '9')
            fastCol = fastCol * 10 + (line[at++] - '0');
        if (at > 0 && at < line.size() && line[at] == ',') {
            const std::size_t rowStart = ++at;
            while (at < line.size() && at - rowStart < 9 && line[at] >= '0' && line[at] <= '9')
                fastRow = fastRow * 10 + (line[at++] - '0');
            if (at > rowStart && at < line.size() && line[at] == ',') {
                if (fastCol < cols && fastRow < rows)
                    decodeCell(line.substr(at + 1), table.cell(fastCol, fastRow));
                continue;
            }
        }
        const std::size_t first = line.find(',');
        if (first == std::string_view::npos)
            continue;
        const std::size_t second = line.find(',', first + 1);
        if (second == std::string_view::npos)
            continue;
        int col = 0;
        int row = 0;
        if (!parseIndex(line.substr(0, first), cols, col) ||
            !parseIndex(line.substr(first + 1, second - first - 1), rows, row))
            continue;
        decodeCell(line.substr(second + 1), table.cell(col, row));
    }
}

void loadGrid(Table& table, const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw GridFileError("Cannot open file " + path);
    parseGrid(table, bytes, path);
}

std::string formatGrid(const Table& table) {
    const int cols = table.colCount();
    const int rows = table.rowCount();
    std::size_t estimate = 32 + static_cast<std::size_t>(cols) * 16;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (const std::size_t n = table.cell(c, r).size())
                estimate += n + 20;

    std::string out;
    out.reserve(estimate);
    appendNumber(out, cols);
    out += ',';
    appendNumber(out, rows);
    out += "\r\n";
    for (int c = 0; c < cols; ++c) {
        out += "cw ";
        appendNumber(out, c);
        out += ',';
        appendNumber(out, table.colWidth(c));
        out += "\r\n";
    }
    std::string rowPart; // ",<row>," of the row being written
    for (int r = 0; r < rows; ++r) {
        rowPart.assign(1, ',');
        appendNumber(rowPart, r);
        rowPart += ',';
        for (int c = 0; c < cols; ++c) {
            const std::string& text = table.cell(c, r);
            if (text.empty())
                continue;
            const std::size_t lineStart = out.size();
            appendNumber(out, c);
            out += rowPart;
            const std::size_t textStart = out.size();
            appendEncodedCell(out, text);
            if (out.size() == textStart) { // nothing storable was left of the text
                out.resize(lineStart);
                continue;
            }
            out += "\r\n";
        }
    }
    return out;
}

void saveGrid(const Table& table, const std::string& path) {
    if (!writeFileSafely(path, formatGrid(table)))
        throw GridFileError("Cannot Create " + path);
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    }
    std::fclose(f);
    return ok;
}

#ifndef _WIN32

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileSafely(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

#else

bool writeFileSafely(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok)
        std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

#endif

} // namespace orvella
