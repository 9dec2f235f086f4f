#pragma once

#include "settings/OptionTypes.h"

#include <QColor>
#include <QFont>

namespace orvella {

// Stored colours (0x00BBGGRR; system colours with 0x80 in the high byte) as Qt colours; a
// system colour takes the matching colour of the application's palette.
QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

// Stored fonts as Qt fonts and back; the size is kept in the range the store reads.
QFont toQFont(const FontSpec& font);
FontSpec fromQFont(const QFont& font);

} // namespace orvella
