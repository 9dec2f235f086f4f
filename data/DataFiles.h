#pragma once

#include <string>

namespace orvella {

// The names of the program's data files in its data folder.
inline constexpr const char* kStoreFile = "grid.grd";
inline constexpr const char* kTodoFile = "gridNon.grd";

// Writes an empty store and an empty to-do list into `folder`, the installation step of a
// new data folder. Raises the grid file error when a file cannot be written.
void installEmptyDataFiles(const std::string& folder);

} // namespace orvella
