#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "data/Table.h"

#include <string>

namespace orvella {

// Sorting a grid by a heading click.

// Compares two day-grid Time cells as times of day; equal when either is empty.
int compareTimeCells(const std::string& a, const std::string& b, const FormatSettings& fs,
                     const Clock& clock);
// Compares two cells by their look: as numbers when both read as numbers, as dates when both
// read as dates, else as text.
int compareCellsByLook(const std::string& a, const std::string& b, const FormatSettings& fs,
                       const Clock& clock);

// Sorts the rows below the header by `column` (equal cells ordered by the following columns);
// in the day grid the Time column compares as times.
void sortGridRows(Table& grid, int column, bool ascending, bool timeColumnIsTime, const FormatSettings& fs,
                  const Clock& clock);

} // namespace orvella
