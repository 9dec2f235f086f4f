#pragma once

#include "data/FormatSettings.h"
#include "data/Table.h"

#include <string>
#include <string_view>

namespace orvella {

inline constexpr const char* kCompletedFile = "gridComp.grd";

// Columns of the completed-task list.
namespace CompCol {
enum { CompDate = 0, Time, Category, OrigDate, What, CompNotes, Count };
}

// The completed-task list with its six headings and the one empty row of an empty list.
Table newCompletedTable();
// Puts back the column count and the headings of a loaded list.
void normaliseCompletedTable(Table& list);

// One completion: the completion date and the task's time as date-time values, the rest as
// cell texts.
struct CompletionRecord {
    double completed = 0;
    double time = 0;
    std::string category;
    std::string origin;
    std::string what;
    std::string notes;
};

// The record goes on top, newest first; an empty first row is filled instead.
void addCompletionRecord(Table& list, const CompletionRecord& record, const FormatSettings& fs);
// Back to the header and one empty row.
void clearCompletedList(Table& list);

// Removes a data row; the last one left is emptied instead, so one empty row stays.
void removeGridRow(Table& grid, int row);

// The store rows after `date` with the same Category, What and Done (exact bytes) as the
// deleted task: the repeats that a delete offers to remove.
int countRepeats(const Table& store, int date, std::string_view category, std::string_view what,
                 std::string_view done);
// Removes them, walking from the last row up; returns how many went. A store with a single
// data row has its task cells emptied instead.
int removeRepeats(Table& store, int date, std::string_view category, std::string_view what,
                  std::string_view done);

// The questions of a delete.
std::string deleteQuestion(std::string_view what);
std::string repeatQuestion(int count);

} // namespace orvella
