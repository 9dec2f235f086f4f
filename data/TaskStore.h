#pragma once

#include "data/Table.h"

#include <string>
#include <string_view>

namespace orvella {

// Columns of a store row: key, then the day-grid columns.
namespace StoreCol {
enum { Key = 0, Time, Category, What, Done, Alarm, Count };
}
// Columns of a day-grid row: the store row without its key.
namespace DayCol {
enum { Time = 0, Category, What, Done, Alarm, Count };
}
// Columns of a to-do row.
namespace TodoCol {
enum { Category = 0, What, Done, Count };
}

// The sequence number of the first task of a written day; a task put straight into the
// store gets exactly this number so that it comes first on its day until the day is written.
inline constexpr int kFirstSequence = 100;

// The visibility test of the task filter on a row's Done? and Category cells.
class TaskVisibility {
public:
    virtual ~TaskVisibility() = default;
    virtual bool visible(const std::string& done, const std::string& category) const = 0;
    // Whether any filtering is in effect.
    virtual bool active() const = 0;
};

// The visibility when no filter is in effect.
class AllTasksVisible final : public TaskVisibility {
public:
    bool visible(const std::string&, const std::string&) const override { return true; }
    bool active() const override { return false; }
};

// A store key read as (date serial, sequence number). Keys compare as this pair, so ".1000"
// sorts after ".999"; a key that is no number reads as date 0.
struct StoreKey {
    long long date = 0;
    long long sequence = 0;
    auto operator<=>(const StoreKey&) const = default;
};

StoreKey parseStoreKey(std::string_view key);
// "%d.%d" of the date serial and the sequence number.
std::string makeStoreKey(int date, int sequence);

// Empty tables with their header rows and the one blank row a visible grid keeps.
Table newStoreTable();
Table newDayTable();
Table newTodoTable();
// Puts back the header texts and the column count of a loaded table, and the blank row.
void normaliseStoreTable(Table& store);
void normaliseDayTable(Table& day);
void normaliseTodoTable(Table& todo);

// Lookups on a table in store order.
// The lowest-index row of `date` that the filter shows; -1 when there is none.
int findFirstDateRow(const Table& table, int date, const TaskVisibility& filter);
// 1 + the number of visible rows after `startRow` up to the first row of another date.
int countDateRows(const Table& table, int startRow, const TaskVisibility& filter);
// For the first visible row of `date` that counts: 1 when it is done and done tasks are
// wanted, 2 when it is not done and those are wanted; -1 when no row counts. The first
// visible row of the date goes to `firstRow` when given.
int dateTaskState(const Table& table, int date, bool wantDone, bool wantNotDone, const TaskVisibility& filter,
                  int* firstRow = nullptr);

// Fills the day grid with the visible store rows of `date`, in store order.
void copyDayFromStore(const Table& store, int date, Table& day, const TaskVisibility& filter);
// Replaces the visible store rows of `date` by the day grid's rows with a Time, numbered
// 101, 102, ... in day-grid order. A sorted store stays sorted.
void copyDayToStore(Table& store, int date, const Table& day, const TaskVisibility& filter);
// Removes rows with an empty key and sorts by key, then by the following columns as text.
// Returns false when the store was already in order and nothing moved.
bool sortStore(Table& store);

} // namespace orvella
