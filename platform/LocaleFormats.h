#pragma once

#include "data/FormatSettings.h"

#include <QLocale>
#include <QString>

#include <string>

namespace orvella {

// The locale's date and time formats, separators, AM/PM texts and names in the program's
// pattern notation (see data/DateFormat.h), names as UTF-8.
FormatSettings formatSettingsFrom(const QLocale& locale);

// One Qt date or time format in the program's notation: Qt minutes m/mm become n/nn,
// H/HH become h/hh, the AP/ap/A/a markers become AMPM, the time zone t is dropped with a
// blank next to it, and literal letters are quoted.
std::string patternFromQtFormat(const QString& format);

} // namespace orvella
