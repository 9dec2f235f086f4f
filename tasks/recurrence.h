#pragma once

#include "data/FormatSettings.h"
#include "data/Table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvella {

class Clock;

// The patterns of a repeating task.
enum class RecurPattern { WeekOfMonth, DayOfMonth, Weekly, Daily, Annual };

// Occurrences of a weekday within a month, in the order the week-of-month pattern runs them.
enum class Occurrence { First, Second, Third, Fourth, Fifth, Last };
inline constexpr int kOccurrenceCount = 6;

// What the chosen pattern needs. Weekdays are indexed by dayOfWeek (1 Sunday .. 7 Saturday),
// month days by their number (1..31); index 0 of both is unused.
struct RecurrenceRule {
    RecurPattern pattern = RecurPattern::WeekOfMonth;
    int every = 1;
    std::array<bool, 8> weekdays{};
    std::array<bool, kOccurrenceCount> occurrences{}; // by Occurrence
    std::array<bool, 32> monthDays{};
    bool lastDayOfMonth = false;
    bool avoidSaturdays = false;
    bool avoidSundays = false;
};

// The longest range a preview accepts, in days; about twenty years.
inline constexpr int kMaxRecurDays = 7400;
// How many lines the preview list takes.
inline constexpr std::size_t kPreviewCapacity = 32767;

inline constexpr const char* kRangeTooLongMessage = "Date range exceeds 20 years!";
inline constexpr const char* kNoDatesMessage =
    "No dates were generated.  Check your starting/ending dates and selections.";
inline constexpr const char* kListFullMessage =
    "Maximum capacity of listbox reached ... unable to preview all dates.";

// The dates a pattern offers, kept in the order offered: only dates in [start, end], never 0,
// and none once the list is full (the warning is shown once, when the first one is refused).
class DateOffers {
public:
    DateOffers(int start, int end, std::size_t capacity = kPreviewCapacity);

    void offer(int date);

    int start() const { return start_; }
    int end() const { return end_; }
    const std::vector<int>& dates() const { return dates_; }
    std::vector<int> take() { return std::move(dates_); }

private:
    int start_;
    int end_;
    std::size_t capacity_;
    bool continuing_ = true;
    std::vector<int> dates_;
};

void doDaily(const RecurrenceRule& rule, DateOffers& offers);
void doWeekly(const RecurrenceRule& rule, DateOffers& offers);
void doDayofMonth(const RecurrenceRule& rule, DateOffers& offers);
void doWeekOfMonth(const RecurrenceRule& rule, DateOffers& offers);
void doAnnual(const RecurrenceRule& rule, DateOffers& offers);

// The date of an occurrence of a weekday (1 Sunday .. 7 Saturday) in a month; 0 when the
// month has no such occurrence (a fifth Monday, say).
int nthToDate(Occurrence occurrence, int weekday, int year, int month);

// The day with the month and day of `date` in `year`; 28 February when that is 29 February
// of a year that is not a leap year.
int dateInYear(int date, int year);

// The dates of the rule from start to end, in the order the pattern offers them. Nothing
// (after the error box) when the range is longer than kMaxRecurDays.
std::optional<std::vector<int>> generateDates(const RecurrenceRule& rule, int start, int end,
                                              std::size_t capacity = kPreviewCapacity);

// The short date format as the preview list writes dates: at most 25 characters, with
// four-digit years.
std::string previewDateFormat(const FormatSettings& fs);
// One preview line: the date, its weekday abbreviation and how far it lies from today,
// separated by TAB.
std::string previewLine(int date, const FormatSettings& fs, const Clock& clock);

// The task that a repeat copies onto every date, as its cell texts.
struct RepeatedTask {
    std::string time; // the long time format's text
    std::string category;
    std::string what;
    std::string alarm; // "Yes" or "No"
};

// One store row per date, appended in the order given: key "%d.%d" of the date and the first
// sequence number, the task's cells and Done "No". The store is sorted afterwards by the
// caller, which decides every row's place, so nothing is shifted here.
void appendRepeatRows(Table& store, const RepeatedTask& task, const std::vector<int>& dates);

} // namespace orvella
