#pragma once

#include <string>
#include <string_view>

namespace orvella {

// Cell text is bytes from load to save. It shows as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise, so files written on Windows display correctly.
bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// The cell's text as UTF-8 for display.
std::string cellTextAsUtf8(std::string_view bytes);
// The number of characters a cell shows, for limits that count characters.
std::size_t cellCharacterCount(std::string_view bytes);

} // namespace orvella
