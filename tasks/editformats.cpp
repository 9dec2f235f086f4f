#include "tasks/editformats.h"

#include "data/DatePattern.h"

#include <cstddef>
#include <utility>

namespace orvella {

namespace {

using namespace datepattern;

// The Qt format being written. Literal text goes in quotes (a quote doubled); literals that
// follow each other share one pair of quotes, since two pairs side by side read as a quote.
class QtFormatWriter {
public:
    void element(std::string_view text) {
        close();
        out_ += text;
    }
    void element(std::size_t count, char letter) {
        close();
        out_.append(count, letter);
    }
    void literal(std::string_view text) {
        if (text.empty())
            return;
        if (!open_)
            out_ += '\'';
        open_ = true;
        for (const char c : text) {
            out_ += c;
            if (c == '\'')
                out_ += '\'';
        }
    }
    // A character Qt copies as it is unless it is a letter or a quote.
    void character(char c) {
        const char k = lowerAscii(c);
        if ((k >= 'a' && k <= 'z') || c == '\'')
            literal(std::string_view(&c, 1));
        else
            element(std::string_view(&c, 1));
    }
    std::string finish() {
        close();
        return std::move(out_);
    }

private:
    void close() {
        if (open_)
            out_ += '\'';
        open_ = false;
    }

    std::string out_;
    bool open_ = false;
};

void appendQtFormat(QtFormatWriter& out, std::string_view pattern, const FormatSettings& fs, int depth) {
    if (depth > kMaxNesting)
        return;
    const bool twelveHour = hasAmPm(pattern);
    char last = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        const char k = lowerAscii(c);
        std::size_t count = 1;
        if (k >= 'a' && k <= 'z')
            while (i + count < pattern.size() && lowerAscii(pattern[i + count]) == k)
                ++count;
        switch (k) {
        case '\'':
        case '"': {
            const std::size_t end = quoteEnd(pattern, i);
            out.literal(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        case '/':
            out.character(fs.dateSeparator);
            break;
        case ':':
            out.character(fs.timeSeparator);
            break;
        case 'd':
            if (count <= 4)
                out.element(count, 'd');
            else
                appendQtFormat(out, count == 5 ? fs.shortDateFormat : fs.longDateFormat, fs, depth + 1);
            break;
        case 'm':
            if (count <= 2 && last == 'h') {
                out.element(count, 'm');
                last = 'n';
                i += count;
                continue;
            }
            out.element(count <= 4 ? count : 4, 'M');
            break;
        case 'y':
            out.element(count <= 2 ? "yy" : "yyyy");
            break;
        case 'h':
            out.element(count < 2 ? 1 : 2, twelveHour ? 'h' : 'H');
            break;
        case 'n':
            out.element(count < 2 ? 1 : 2, 'm');
            break;
        case 's':
            out.element(count < 2 ? 1 : 2, 's');
            break;
        case 'z':
            out.element(count < 2 ? 1 : 3, 'z');
            break;
        case 't':
            appendQtFormat(out, count == 1 ? fs.shortTimeFormat : fs.longTimeFormat, fs, depth + 1);
            break;
        case 'c':
            appendQtFormat(out, fs.shortDateFormat, fs, depth + 1);
            out.element(" ");
            appendQtFormat(out, fs.longTimeFormat, fs, depth + 1);
            break;
        case 'a': {
            const std::size_t length = amPmLength(pattern, i);
            if (length == 0) {
                out.literal(pattern.substr(i, 1));
                ++i;
                continue;
            }
            // AMPM is the locale's text; the other markers keep the case they are written in.
            out.element(length == 4 || c == 'A' ? "AP" : "ap");
            last = 'a';
            i += length;
            continue;
        }
        default:
            if (k >= 'a' && k <= 'z')
                out.literal(pattern.substr(i, count));
            else
                out.character(c);
            i += count;
            continue;
        }
        if (k >= 'a' && k <= 'z')
            last = k;
        i += count;
    }
}

} // namespace

std::string qtEditFormat(std::string_view pattern, const FormatSettings& fs) {
    QtFormatWriter out;
    appendQtFormat(out, pattern, fs, 0);
    return out.finish();
}

} // namespace orvella
