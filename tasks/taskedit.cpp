#include "tasks/taskedit.h"

#include "data/DateFormat.h"
#include "data/DateTime.h"
#include "data/TaskStore.h"
#include "data/TextEncoding.h"
#include "data/Utility.h"
#include "tasks/recurrence.h"

namespace orvella {

bool rowHoldsTask(const Table& grid, int row, bool dayGrid) {
    if (row <= 0 || row >= grid.rowCount())
        return false;
    const int what = dayGrid ? int{DayCol::What} : int{TodoCol::What};
    const int category = dayGrid ? int{DayCol::Category} : int{TodoCol::Category};
    return !grid.cell(what, row).empty() || !grid.cell(category, row).empty();
}

TaskFields dayRowTask(const Table& day, int row) {
    return {day.cell(DayCol::Time, row), day.cell(DayCol::Category, row), day.cell(DayCol::What, row),
            day.cell(DayCol::Done, row), day.cell(DayCol::Alarm, row)};
}

TaskFields todoRowTask(const Table& todo, int row) {
    return {std::string(), todo.cell(TodoCol::Category, row), todo.cell(TodoCol::What, row),
            todo.cell(TodoCol::Done, row), "No"};
}

void updateDayRow(Table& day, int row, const TaskFields& task) {
    day.setCell(DayCol::Time, row, task.time);
    day.setCell(DayCol::Category, row, task.category);
    day.setCell(DayCol::What, row, task.what);
    day.setCell(DayCol::Done, row, task.done);
    day.setCell(DayCol::Alarm, row, task.alarm);
}

void updateTodoRow(Table& todo, int row, const TaskFields& task) {
    todo.setCell(TodoCol::Category, row, task.category);
    todo.setCell(TodoCol::What, row, task.what);
    todo.setCell(TodoCol::Done, row, task.done);
}

int fileDayTask(Table& day, const TaskFields& task) {
    const int row = firstFreeRow(day);
    updateDayRow(day, row, task);
    return row;
}

int fileTodoTask(Table& todo, const TaskFields& task) {
    const int row = firstFreeRow(todo);
    updateTodoRow(todo, row, task);
    return row;
}

void appendStoreTask(Table& store, int date, const TaskFields& task) {
    const int row = store.appendRow();
    store.setCell(StoreCol::Key, row, makeStoreKey(date, kFirstSequence));
    store.setCell(StoreCol::Time, row, task.time);
    store.setCell(StoreCol::Category, row, task.category);
    store.setCell(StoreCol::What, row, task.what);
    store.setCell(StoreCol::Done, row, task.done);
    store.setCell(StoreCol::Alarm, row, task.alarm);
}

std::vector<int> tenYearlyDates(int date) {
    int year = 0, month = 0, day = 0;
    decodeDate(date, year, month, day);
    std::vector<int> dates;
    for (int n = 1; n <= 10; ++n)
        dates.push_back(dateInYear(date, year + n));
    return dates;
}

void cloneRow(Table& grid, int row) {
    grid.insertRows(row, 1);
    for (int c = 0; c < grid.colCount(); ++c)
        grid.setCell(c, row, grid.cell(c, row + 1));
}

std::string originDayText(int date, const FormatSettings& fs) {
    return formatDateTime("ddd ddddd", date, fs);
}

std::string editDayHeading(int date, const FormatSettings& fs, const Clock& clock) {
    return originDayText(date, fs) + " " + relativeDateText(date, clock);
}

std::string cellPrefix(std::string_view text, std::size_t count) {
    if (!isValidUtf8(text))
        return std::string(text.substr(0, count)); // one byte per character
    std::size_t end = 0;
    for (std::size_t chars = 0; end < text.size() && chars < count; ++chars) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return std::string(text.substr(0, end));
}

} // namespace orvella
