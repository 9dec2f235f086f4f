#pragma once

#include "data/Table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// The list of known categories and the categories ticked in the filter, one per line.
inline constexpr const char* kCategoryFile = "category.xxx";
inline constexpr const char* kCategorySelectionFile = "category.yyy";

// The lines of a category file as they are, neither trimmed nor de-duplicated; nothing when
// the file does not exist. Raises "Cannot open file <path>" when it exists but cannot be read.
std::optional<std::vector<std::string>> readCategoryFile(const std::string& path);
// The category list of a file sorted as the category editor sorts it; empty when absent.
std::vector<std::string> readSortedCategories(const std::string& path);
// Writes every line followed by CR LF. Raises "Cannot create file <path>".
void writeCategoryFile(const std::string& path, const std::vector<std::string>& lines);

// List look-ups: the same text when letter case is ignored (letters of the Latin, Greek and
// Cyrillic alphabets; the bytes are read as cells show them).
bool sameCategoryText(std::string_view a, std::string_view b);
// The first item of that text, case ignored; -1 when there is none.
int findCategory(const std::vector<std::string>& items, std::string_view text);
// The order of a sorted category list: by text with case ignored, then by the bytes.
bool categoryLess(std::string_view a, std::string_view b);
// Where `text` goes into a list kept in that order, after its equals.
int sortedPosition(const std::vector<std::string>& items, std::string_view text);

// Whether some date task uses the category; compares with a to z upper-cased only and walks
// the store from its last row up.
bool IsCategoryInUse(const Table& store, std::string_view category);

// The selected categories of a delete request, split by IsCategoryInUse, each in list order.
struct DeleteCheck {
    std::vector<std::string> inUse;
    std::vector<std::string> deletable;
};
DeleteCheck checkDeletable(const Table& store, const std::vector<std::string>& selected);
// The error telling which categories are in use and which could go; empty when none is in use.
std::string inUseMessage(const DeleteCheck& check);

// The category cells of the store that are not blank and not yet in `items` (case ignored),
// in store order, each once; the date-task store only.
std::vector<std::string> categoriesMissingFrom(const Table& store, const std::vector<std::string>& items);
// The information message after a rebuild that added `added`.
std::string rebuildReport(const std::vector<std::string>& added);

} // namespace orvella
