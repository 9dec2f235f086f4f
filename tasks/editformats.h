#pragma once

#include "data/FormatSettings.h"

#include <string>
#include <string_view>

namespace orvella {

// The display format, in Qt's date and time edit notation, that shows what `pattern` (the
// program's notation, see data/DateFormat.h) shows, so edit fields follow the locale's
// formats as adjusted at start-up.
std::string qtEditFormat(std::string_view pattern, const FormatSettings& fs);

} // namespace orvella
