#include "tasks/recurrence.h"

#include "data/Clock.h"
#include "data/DateFormat.h"
#include "data/DateTime.h"
#include "data/Prompter.h"
#include "data/TaskStore.h"

#include <algorithm>

namespace orvella {

namespace {

constexpr int kSaturday = 7;
constexpr int kSunday = 1;

int lastDayOfMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return lengths[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

bool avoided(const RecurrenceRule& rule, int date) {
    const int weekday = dayOfWeek(date);
    return (weekday == kSaturday && rule.avoidSaturdays) || (weekday == kSunday && rule.avoidSundays);
}

void incrementMonth(int& year, int& month, int by) {
    month += by;
    while (month > 12) {
        month -= 12;
        ++year;
    }
}

// Runs `visit` for every month from the month of the start while the month's first day is
// not after the end, stepping by `every` months.
template <typename Visit>
void forEachMonth(const RecurrenceRule& rule, const DateOffers& offers, Visit visit) {
    int year = 0;
    int month = 0;
    int day = 0;
    decodeDate(offers.start(), year, month, day);
    // A step of 0 would never leave the month.
    const int every = std::max(rule.every, 1);
    while (encodeDate(year, month, 1) <= offers.end()) {
        visit(year, month);
        incrementMonth(year, month, every);
    }
}

// Counts characters, not bytes, so a cut never splits a UTF-8 sequence.
std::string firstChars(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == count)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

DateOffers::DateOffers(int start, int end, std::size_t capacity)
    : start_(start), end_(end), capacity_(capacity) {}

void DateOffers::offer(int date) {
    if (date == 0 || date < start_ || date > end_ || !continuing_)
        return;
    if (dates_.size() >= capacity_) {
        warningBox(kListFullMessage);
        continuing_ = false;
        return;
    }
    dates_.push_back(date);
}

void doDaily(const RecurrenceRule& rule, DateOffers& offers) {
    const int every = std::max(rule.every, 1);
    for (int date = offers.start(); date <= offers.end(); date += every)
        if (!avoided(rule, date))
            offers.offer(date);
}

void doWeekly(const RecurrenceRule& rule, DateOffers& offers) {
    // Weeks run Sunday to Saturday; the week holding the start is the first.
    int date = offers.start() - (dayOfWeek(offers.start()) - 1);
    const int every = std::max(rule.every, 1);
    while (date <= offers.end()) {
        for (int i = 0; i < 7; ++i, ++date)
            if (rule.weekdays[static_cast<std::size_t>(dayOfWeek(date))])
                offers.offer(date);
        date += (every - 1) * 7;
    }
}

void doDayofMonth(const RecurrenceRule& rule, DateOffers& offers) {
    forEachMonth(rule, offers, [&](int year, int month) {
        const int last = lastDayOfMonth(year, month);
        for (int day = 1; day <= 31; ++day) {
            if (!rule.monthDays[static_cast<std::size_t>(day)] || day > last)
                continue;
            const int date = encodeDate(year, month, day);
            if (!avoided(rule, date))
                offers.offer(date);
        }
        if (rule.lastDayOfMonth) {
            const int date = encodeDate(year, month, last);
            if (!avoided(rule, date))
                offers.offer(date);
        }
    });
}

void doWeekOfMonth(const RecurrenceRule& rule, DateOffers& offers) {
    forEachMonth(rule, offers, [&](int year, int month) {
        for (int occurrence = 0; occurrence < kOccurrenceCount; ++occurrence) {
            if (!rule.occurrences[static_cast<std::size_t>(occurrence)])
                continue;
            for (int weekday = 1; weekday <= 7; ++weekday)
                if (rule.weekdays[static_cast<std::size_t>(weekday)])
                    offers.offer(nthToDate(static_cast<Occurrence>(occurrence), weekday, year, month));
        }
    });
}

void doAnnual(const RecurrenceRule&, DateOffers& offers) {
    int year = 0;
    int month = 0;
    int day = 0;
    decodeDate(offers.start(), year, month, day);
    // The start stays the reference, so later leap years get 29 February back.
    for (int date = offers.start(); date <= offers.end(); date = dateInYear(offers.start(), ++year))
        offers.offer(date);
}

int nthToDate(Occurrence occurrence, int weekday, int year, int month) {
    const int last = lastDayOfMonth(year, month);
    const int first = encodeDate(year, month, 1);
    if (occurrence == Occurrence::Last) {
        for (int day = last; day >= 1; --day)
            if (dayOfWeek(first + day - 1) == weekday)
                return first + day - 1;
        return 0;
    }
    int found = 0;
    int day = 1;
    for (int k = 0; k <= static_cast<int>(occurrence); ++k) {
        while (day <= last && dayOfWeek(first + day - 1) != weekday)
            ++day;
        if (day > last)
            return 0;
        found = first + day - 1;
        ++day;
    }
    return found;
}

int dateInYear(int date, int year) {
    int y = 0;
    int month = 0;
    int day = 0;
    decodeDate(date, y, month, day);
    return isValidDate(year, month, day) ? encodeDate(year, month, day) : encodeDate(year, month, day - 1);
}

std::optional<std::vector<int>> generateDates(const RecurrenceRule& rule, int start, int end,
                                              std::size_t capacity) {
    if (end - start > kMaxRecurDays) {
        errorBox(kRangeTooLongMessage);
        return std::nullopt;
    }
    DateOffers offers(start, end, capacity);
    switch (rule.pattern) {
    case RecurPattern::WeekOfMonth:
        doWeekOfMonth(rule, offers);
        break;
    case RecurPattern::DayOfMonth:
        doDayofMonth(rule, offers);
        break;
    case RecurPattern::Weekly:
        doWeekly(rule, offers);
        break;
    case RecurPattern::Daily:
        doDaily(rule, offers);
        break;
    case RecurPattern::Annual:
        doAnnual(rule, offers);
        break;
    }
    return offers.take();
}

std::string previewDateFormat(const FormatSettings& fs) {
    std::string format = firstChars(fs.shortDateFormat, 25);
    if (format.find("yyyy") == std::string::npos)
        if (const std::size_t at = format.find("yy"); at != std::string::npos)
            format.insert(at, "yy");
    return format;
}

std::string previewLine(int date, const FormatSettings& fs, const Clock& clock) {
    return formatDateTime(previewDateFormat(fs), date, fs) + '\t' + formatDateTime("ddd", date, fs) + '\t' +
           relativeDateText(date, clock);
}

void appendRepeatRows(Table& store, const RepeatedTask& task, const std::vector<int>& dates) {
    int row = store.rowCount();
    store.setRowCount(row + static_cast<int>(dates.size()));
    for (const int date : dates) {
        store.setCell(StoreCol::Key, row, makeStoreKey(date, kFirstSequence));
        store.setCell(StoreCol::Time, row, task.time);
        store.setCell(StoreCol::Category, row, task.category);
        store.setCell(StoreCol::What, row, task.what);
        store.setCell(StoreCol::Done, row, "No");
        store.setCell(StoreCol::Alarm, row, task.alarm);
        ++row;
    }
}

} // namespace orvella
