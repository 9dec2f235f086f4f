#include "platform/LocaleFormats.h"

#include <algorithm>
#include <cstddef>

namespace orvella {

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Builds a pattern in the program's notation, keeping two elements of the same letter from
// running together into one longer element.
class PatternWriter {
public:
    void element(const std::string& letters) {
        if (lastElement_ != 0 && lowerAscii(letters.front()) == lastElement_)
            out_ += "''";
        out_ += letters;
        lastElement_ = lowerAscii(letters.back());
        dropBlank_ = false;
    }

    // Quoted, so none of it is read as an element; a quote character goes inside the other kind.
    void quoted(const std::string& text) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t apostrophe = text.find('\'', start);
            const std::size_t end = apostrophe == std::string::npos ? text.size() : apostrophe;
            if (end > start)
                out_ += '\'' + text.substr(start, end - start) + '\'';
            if (apostrophe == std::string::npos)
                break;
            out_ += "\"'\"";
            start = apostrophe + 1;
        }
        lastElement_ = 0;
        dropBlank_ = false;
    }

    void character(QChar c) {
        if (dropBlank_ && c == u' ') {
            dropBlank_ = false;
            return;
        }
        if (c == u'"' || isAsciiLetter(c)) {
            quoted(utf8(QString(c)));
            return;
        }
        out_ += utf8(QString(c));
        lastElement_ = 0;
        dropBlank_ = false;
    }

    // The time zone is not shown; the blank that set it apart goes with it.
    void dropTimeZone() {
        if (!out_.empty() && out_.back() == ' ')
            out_.pop_back();
        else
            dropBlank_ = true;
    }

    const std::string& text() const { return out_; }

private:
    std::string out_;
    char lastElement_ = 0;
    bool dropBlank_ = false;
};

// The separator a format puts between its numbers, or the fallback when it has none that fits.
char separatorOf(const QString& format, char fallback) {
    for (const QChar c : format) {
        if (c.isLetter() || c == u'\'')
            continue;
        return c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : fallback;
    }
    return fallback;
}

} // namespace

std::string patternFromQtFormat(const QString& format) {
    PatternWriter w;
    const qsizetype size = format.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted text, where '' stands for one quote; '' alone is a quote too.
            QString text;
            ++i;
            if (i < size && format[i] == u'\'') {
                w.quoted("'");
                ++i;
                continue;
            }
            while (i < size) {
                if (format[i] == u'\'') {
                    if (i + 1 < size && format[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += format[i++];
            }
            w.quoted(utf8(text));
            continue;
        }
        qsizetype run = 1;
        while (i + run < size && format[i + run] == c)
            ++run;
        switch (c.unicode()) {
        case u'd':
        case u'M':
            run = std::min<qsizetype>(run, 4);
            w.element(std::string(static_cast<std::size_t>(run), static_cast<char>(c.unicode())));
            break;
        case u'y':
            if (run >= 4) {
                w.element("yyyy");
                run = 4;
            } else if (run >= 2) {
                w.element("yy");
                run = 2;
            } else {
                w.character(c);
            }
            break;
        case u'h':
        case u'H':
            run = std::min<qsizetype>(run, 2);
            w.element(run == 2 ? "hh" : "h");
            break;
        case u'm':
            run = std::min<qsizetype>(run, 2);
            w.element(run == 2 ? "nn" : "n");
            break;
        case u's':
            run = std::min<qsizetype>(run, 2);
            w.element(run == 2 ? "ss" : "s");
            break;
        case u'z':
            run = run >= 3 ? 3 : 1;
            w.element(run == 3 ? "zzz" : "z");
            break;
        case u'a':
        case u'A':
            run = i + 1 < size && (format[i + 1] == u'p' || format[i + 1] == u'P') ? 2 : 1;
            w.element("AMPM");
            break;
        case u't':
            w.dropTimeZone();
            break;
        default:
            w.character(c);
            run = 1;
            break;
        }
        i += run;
    }
    return w.text();
}

FormatSettings formatSettingsFrom(const QLocale& locale) {
    FormatSettings fs;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    fs.shortDateFormat = patternFromQtFormat(shortDate);
    fs.longDateFormat = patternFromQtFormat(locale.dateFormat(QLocale::LongFormat));
    fs.shortTimeFormat = patternFromQtFormat(shortTime);
    fs.longTimeFormat = patternFromQtFormat(locale.timeFormat(QLocale::LongFormat));
    fs.dateSeparator = separatorOf(shortDate, fs.dateSeparator);
    fs.timeSeparator = separatorOf(shortTime, fs.timeSeparator);
    const QString decimal = locale.decimalPoint();
    if (decimal.size() == 1 && decimal[0].unicode() < 0x80)
        fs.decimalSeparator = static_cast<char>(decimal[0].unicode());
    fs.timeAMString = utf8(locale.amText());
    fs.timePMString = utf8(locale.pmText());
    for (int month = 1; month <= 12; ++month) {
        const auto at = static_cast<std::size_t>(month - 1);
        fs.shortMonthNames[at] = utf8(locale.monthName(month, QLocale::ShortFormat));
        fs.longMonthNames[at] = utf8(locale.monthName(month, QLocale::LongFormat));
    }
    // The program counts from Sunday, Qt from Monday (1) to Sunday (7).
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day;
        fs.shortDayNames[static_cast<std::size_t>(day)] = utf8(locale.dayName(qtDay, QLocale::ShortFormat));
        fs.longDayNames[static_cast<std::size_t>(day)] = utf8(locale.dayName(qtDay, QLocale::LongFormat));
    }
    return fs;
}

} // namespace orvella
