#pragma once

#include "data/Table.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace orvella {

// The error of the grid file layer; its text is what the user is shown.
class GridFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Size lines beyond these cannot be a real table and read as a corrupt file.
inline constexpr int kMaxGridRows = 10'000'000;
inline constexpr int kMaxGridCols = 1'000;
// A table must also fit in memory: more cells than this (a store of 6 columns has 60,000,000
// at its row limit) cannot be a real table either.
inline constexpr long long kMaxGridCells = 64'000'000;

// Loads a grid file into `table`. Cells the file does not list keep their text.
// Raises "Cannot open file <path>" or "File contains no data or corrupt file <path>".
void loadGrid(Table& table, const std::string& path);

// Parses the bytes of a grid file; `path` only names the file in error texts.
void parseGrid(Table& table, std::string_view bytes, const std::string& path);

// Saves `table` to `path` through a temporary file in the same folder that is flushed and
// renamed over the target, so a failed save leaves the previous file whole.
// Raises "Cannot Create <path>".
void saveGrid(const Table& table, const std::string& path);

// The bytes of a grid file for `table`.
std::string formatGrid(const Table& table);

// Writes `bytes` to `path` the same safe way; false when any step fails.
bool writeFileSafely(const std::string& path, std::string_view bytes);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes);

} // namespace orvella
