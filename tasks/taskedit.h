#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "data/Table.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// One task as the edit dialog hands it back, as cell texts.
struct TaskFields {
    std::string time;
    std::string category;
    std::string what;
    std::string done = "No";
    std::string alarm = "No";
};

// A grid row holds a task when its What or its Category cell is not empty.
bool rowHoldsTask(const Table& grid, int row, bool dayGrid);

// The task of a day-grid or to-do row; a to-do row has no Time and Alarm "No".
TaskFields dayRowTask(const Table& day, int row);
TaskFields todoRowTask(const Table& todo, int row);

// An accepted new task goes into the grid's first free row; returns that row.
int fileDayTask(Table& day, const TaskFields& task);
int fileTodoTask(Table& todo, const TaskFields& task);
// An accepted edit overwrites the row it came from.
void updateDayRow(Table& day, int row, const TaskFields& task);
void updateTodoRow(Table& todo, int row, const TaskFields& task);

// One store row for `date` with the first sequence number, appended: the caller sorts the
// store, which decides the row's place.
void appendStoreTask(Table& store, int date, const TaskFields& task);

// The ten days, a year apart, after `date` that keep its month and day (28 February for
// 29 February in a common year).
std::vector<int> tenYearlyDates(int date);

// A copy of `row` inserted above it, so the source row moves one down.
void cloneRow(Table& grid, int row);

// The day heading of the edit dialog ("ddd ddddd", a blank and how far off it is) and the
// day as a completion record names it.
std::string editDayHeading(int date, const FormatSettings& fs, const Clock& clock);
std::string originDayText(int date, const FormatSettings& fs);

// The first `count` characters of a cell text (bytes of one character stay together).
std::string cellPrefix(std::string_view text, std::size_t count);

} // namespace orvella
