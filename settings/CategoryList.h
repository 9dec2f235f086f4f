#pragma once

#include <string>
#include <vector>

namespace orvella {

// The lines of the category list file "category.xxx", sorted alphabetically without regard
// to case; empty when the file is absent or empty. Lines are taken as they are.
std::vector<std::string> readSortedCategories(const std::string& path);

} // namespace orvella
