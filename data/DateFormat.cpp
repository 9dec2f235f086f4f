#include "data/DateFormat.h"

#include "data/DatePattern.h"
#include "data/DateTime.h"

#include <cstddef>

namespace orvella {

namespace {

using namespace datepattern;

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

void appendNumber(std::string& out, int value, std::size_t digits) {
    const std::string text = std::to_string(value);
    if (text.size() < digits)
        out.append(digits - text.size(), '0');
    out += text;
}

struct Parts {
    int year, month, day, weekDay;
    int hour, minute, second, millisecond;
    bool hasTime() const { return hour != 0 || minute != 0 || second != 0 || millisecond != 0; }
};

void appendFormat(std::string& out, std::string_view pattern, const Parts& t, const FormatSettings& fs,
                  int depth) {
    if (depth > kMaxNesting)
        return;
    const bool twelveHour = hasAmPm(pattern);
    char last = 0; // the last element seen, for m after h
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
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        case '/':
            out += fs.dateSeparator;
            break;
        case ':':
            out += fs.timeSeparator;
            break;
        case 'd':
            if (count <= 2)
                appendNumber(out, t.day, count);
            else if (count == 3)
                out += fs.shortDayNames[static_cast<std::size_t>(t.weekDay - 1)];
            else if (count == 4)
                out += fs.longDayNames[static_cast<std::size_t>(t.weekDay - 1)];
            else if (count == 5)
                appendFormat(out, fs.shortDateFormat, t, fs, depth + 1);
            else
                appendFormat(out, fs.longDateFormat, t, fs, depth + 1);
            break;
        case 'm':
            if (count <= 2 && last == 'h') {
                appendNumber(out, t.minute, count);
                last = 'n';
                i += count;
                continue;
            }
            if (count <= 2)
                appendNumber(out, t.month, count);
            else if (count == 3)
                out += fs.shortMonthNames[static_cast<std::size_t>(t.month - 1)];
            else
                out += fs.longMonthNames[static_cast<std::size_t>(t.month - 1)];
            break;
        case 'y':
            if (count <= 2)
                appendNumber(out, t.year % 100, 2);
            else
                appendNumber(out, t.year, 4);
            break;
        case 'h': {
            int hour = t.hour;
            if (twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            appendNumber(out, hour, count < 2 ? 1 : 2);
            break;
        }
        case 'n':
            appendNumber(out, t.minute, count < 2 ? 1 : 2);
            break;
        case 's':
            appendNumber(out, t.second, count < 2 ? 1 : 2);
            break;
        case 'z':
            appendNumber(out, t.millisecond, count < 2 ? 1 : 3);
            break;
        case 't':
            appendFormat(out, count == 1 ? fs.shortTimeFormat : fs.longTimeFormat, t, fs, depth + 1);
            break;
        case 'c':
            appendFormat(out, fs.shortDateFormat, t, fs, depth + 1);
            if (t.hasTime()) {
                out += ' ';
                appendFormat(out, fs.longTimeFormat, t, fs, depth + 1);
            }
            break;
        case 'a': {
            const std::size_t length = amPmLength(pattern, i);
            if (length == 0) {
                out += c;
                ++i;
                continue;
            }
            const bool pm = t.hour >= 12;
            if (length == 4)
                out += pm ? fs.timePMString : fs.timeAMString;
            else if (length == 5)
                out.append(pattern.substr(pm ? i + 3 : i, 2));
            else
                out.append(pattern.substr(pm ? i + 2 : i, 1));
            last = 'a';
            i += length;
            continue;
        }
        default:
            // Anything else, other letters included, is copied one character at a time.
            out += c;
            ++i;
            continue;
        }
        if (k >= 'a' && k <= 'z') // separators do not break an hour from its minutes
            last = k;
        i += count;
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

void skipBlanks(std::string_view s, std::size_t& pos) {
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
}

// Reads one to maxDigits digits at pos; more digits than that is no number.
bool scanNumber(std::string_view s, std::size_t& pos, int& value, std::size_t& digits,
                std::size_t maxDigits) {
    std::size_t end = pos;
    int result = 0;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9') {
        if (end - pos == maxDigits)
            return false;
        result = result * 10 + (s[end] - '0');
        ++end;
    }
    if (end == pos)
        return false;
    digits = end - pos;
    value = result;
    pos = end;
    return true;
}

bool scanNumber(std::string_view s, std::size_t& pos, int& value, std::size_t maxDigits) {
    std::size_t digits = 0;
    return scanNumber(s, pos, value, digits, maxDigits);
}

// The length of the AM/PM marker at pos, the longest that fits, or 0.
std::size_t scanMarker(std::string_view s, std::size_t pos, const FormatSettings& fs, bool& pm) {
    struct Marker {
        std::string_view text;
        bool pm;
    };
    const Marker markers[] = {{fs.timeAMString, false},
                              {fs.timePMString, true},
                              {"AM", false},
                              {"PM", true},
                              {"A", false},
                              {"P", true}};
    std::size_t best = 0;
    for (const Marker& m : markers) {
        if (m.text.size() > best && hasNoCase(s, pos, m.text)) {
            best = m.text.size();
            pm = m.pm;
        }
    }
    return best;
}

enum class DateOrder { MDY, DMY, YMD };

DateOrder dateOrder(std::string_view format) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (isQuote(format[i])) {
            i = quoteEnd(format, i);
            continue;
        }
        switch (lowerAscii(format[i])) {
        case 'd':
            return DateOrder::DMY;
        case 'm':
            return DateOrder::MDY;
        case 'y':
            return DateOrder::YMD;
        default:
            break;
        }
    }
    return DateOrder::MDY;
}

// The year ending in the given two digits that lies within currentYear-50 .. currentYear+49.
int windowYear(int twoDigits, int currentYear) {
    const int first = currentYear - 50;
    const int century = first - ((first % 100) + 100) % 100;
    const int year = century + twoDigits;
    return year < first ? year + 100 : year;
}

// Reads a date at pos and leaves pos after it.
bool scanDate(std::string_view s, std::size_t& pos, const FormatSettings& fs, int currentYear, int& serial) {
    const auto isSeparator = [&fs](char c) {
        return c == fs.dateSeparator || c == '/' || c == '.' || c == '-';
    };
    int numbers[3] = {};
    std::size_t digits[3] = {};
    int count = 0;
    if (!scanNumber(s, pos, numbers[0], digits[0], 4))
        return false;
    count = 1;
    while (count < 3 && pos < s.size() && isSeparator(s[pos])) {
        ++pos;
        if (!scanNumber(s, pos, numbers[count], digits[count], 4))
            return false;
        ++count;
    }
    if (count < 2)
        return false;

    const DateOrder order = dateOrder(fs.shortDateFormat);
    int year = currentYear;
    int month = 0;
    int day = 0;
    if (count == 2) {
        const bool dayFirst = order == DateOrder::DMY;
        day = numbers[dayFirst ? 0 : 1];
        month = numbers[dayFirst ? 1 : 0];
    } else {
        std::size_t yearIndex = 2;
        switch (order) {
        case DateOrder::MDY:
            month = numbers[0], day = numbers[1];
            break;
        case DateOrder::DMY:
            day = numbers[0], month = numbers[1];
            break;
        case DateOrder::YMD:
            yearIndex = 0;
            month = numbers[1], day = numbers[2];
            break;
        }
        year = numbers[yearIndex];
        if (digits[yearIndex] <= 2)
            year = windowYear(year, currentYear);
    }
    if (!isValidDate(year, month, day))
        return false;
    serial = encodeDate(year, month, day);
    return true;
}

} // namespace

std::string formatDateTime(std::string_view pattern, double dateTime, const FormatSettings& fs) {
    Parts t{};
    const int serial = dateOf(dateTime);
    decodeDate(serial, t.year, t.month, t.day);
    t.weekDay = dayOfWeek(serial);
    decodeTime(dateTime, t.hour, t.minute, t.second, t.millisecond);
    std::string out;
    appendFormat(out, pattern.empty() ? std::string_view("c") : pattern, t, fs, 0);
    return out;
}

bool tryParseTime(std::string_view text, const FormatSettings& fs, double& time) {
    const std::string_view s = trim(text);
    const auto isSeparator = [&fs](char c) { return c == fs.timeSeparator || c == ':'; };
    std::size_t pos = 0;
    bool pm = false;
    bool marked = false;
    if (const std::size_t length = scanMarker(s, pos, fs, pm)) {
        marked = true;
        pos += length;
        skipBlanks(s, pos);
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    if (!scanNumber(s, pos, hour, 2))
        return false;
    if (pos < s.size() && isSeparator(s[pos])) {
        ++pos;
        if (!scanNumber(s, pos, minute, 2))
            return false;
        if (pos < s.size() && isSeparator(s[pos])) {
            ++pos;
            if (!scanNumber(s, pos, second, 2))
                return false;
            if (pos < s.size() && s[pos] == '.') {
                ++pos;
                if (!scanNumber(s, pos, millisecond, 3))
                    return false;
            }
        }
    }
    skipBlanks(s, pos);
    if (!marked) {
        if (const std::size_t length = scanMarker(s, pos, fs, pm)) {
            marked = true;
            pos += length;
        }
    }
    if (pos != s.size() || minute > 59 || second > 59)
        return false;
    if (marked) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (hour > 23) {
        return false;
    }
    time = encodeTime(hour, minute, second, millisecond);
    return true;
}

bool tryParseDate(std::string_view text, const FormatSettings& fs, int currentYear, int& serial) {
    const std::string_view s = trim(text);
    std::size_t pos = 0;
    int result = 0;
    if (!scanDate(s, pos, fs, currentYear, result) || pos != s.size())
        return false;
    serial = result;
    return true;
}

bool tryParseDateTime(std::string_view text, const FormatSettings& fs, int currentYear, double& dateTime) {
    const std::string_view s = trim(text);
    std::size_t pos = 0;
    int serial = 0;
    if (!scanDate(s, pos, fs, currentYear, serial))
        return false;
    double time = 0;
    if (pos < s.size() && (!isBlank(s[pos]) || !tryParseTime(s.substr(pos), fs, time)))
        return false;
    dateTime = serial + time;
    return true;
}

void fix2000(FormatSettings& fs) {
    std::string& date = fs.shortDateFormat;
    if (date.find("yyyy") == std::string::npos)
        if (const std::size_t at = date.find("yy"); at != std::string::npos)
            date.insert(at, "yy");
    if (const std::size_t at = date.find("MMM"); at != std::string::npos)
        date.replace(at, 3, "MM");

    std::string& time = fs.longTimeFormat;
    for (std::string_view seconds : {":ss", ".ss", "ss"}) {
        if (const std::size_t at = time.find(seconds); at != std::string::npos) {
            time.erase(at, seconds.size());
            break;
        }
    }
}

double timeOrNow(std::string_view text, const FormatSettings& fs, const Clock& clock) {
    double time = 0;
    return tryParseTime(text, fs, time) ? time : clock.now();
}

std::string pluralS(int count) {
    return count > 1 ? "s" : "";
}

std::string relativeDateText(int date, const Clock& clock) {
    const int today = clock.today();
    const int days = date > today ? date - today : today - date;
    const bool future = date > today;
    if (days == 0)
        return "Today";
    if (days == 1)
        return future ? "Tomorrow" : "Yesterday";

    int year = 0, month = 0, day = 0;
    decodeDate(date, year, month, day);
    int thisYear = 0, thisMonth = 0, thisDay = 0;
    decodeDate(today, thisYear, thisMonth, thisDay);
    const int monthsApart = (year * 12 + month) - (thisYear * 12 + thisMonth);
    const std::string n = std::to_string(days);

    if (future) {
        const int weeks = (days + dayOfWeek(today) - 1) / 7;
        const int months = monthsApart;
        const int years = year - thisYear;
        if (weeks <= 5)
            return n + " days";
        if (months <= 2)
            return std::to_string(weeks) + " wks";
        if (years <= 2)
            return std::to_string(months) + " mon" + pluralS(months);
        const int y = months / 12;
        const int m = months % 12;
        std::string text = std::to_string(y) + " yrs";
        if (m > 0)
            text += " " + std::to_string(m) + " mon" + pluralS(m);
        return text;
    }

    const int weeks = (dayOfWeek(date) + days - 1) / 7;
    const int months = -monthsApart;
    const int years = thisYear - year;
    if (weeks <= 6)
        return n + " days ago";
    if (months <= 2)
        return std::to_string(weeks) + " wks ago";
    if (years <= 2)
        return std::to_string(months) + " mon" + pluralS(months) + " ago";
    const int y = months / 12;
    const int m = months % 12;
    std::string text = std::to_string(y) + " yrs ";
    if (m > 0)
        text += std::to_string(m) + " mon" + pluralS(m) + " ";
    return text + "ago";
}

int monthNumber(std::string_view name, const FormatSettings& fs) {
    if (name.empty())
        return 0;
    for (std::size_t i = 0; i < fs.longMonthNames.size(); ++i)
        if (equalNoCase(name, fs.longMonthNames[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

int daysInMonth(int month, int year) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return lengths[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
}

} // namespace orvella
