#include "settings/OptionConversions.h"

#include "platform/QtText.h"
#include "settings/SettingsStore.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace orvella {

namespace {

// The palette role that stands for a system colour number.
QPalette::ColorRole systemRole(unsigned index) {
    switch (index) {
    case 4:
    case 5:
        return QPalette::Base; // menu, window
    case 7:
    case 8:
        return QPalette::WindowText; // menu text, window text
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Mid; // button shadow
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button; // button face and the rest
    }
}

} // namespace

QColor toQColor(Colour colour) {
    if (colour & kSystemColourFlag)
        return QGuiApplication::palette().color(systemRole(colour & 0xFFu));
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

Colour fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8) |
           (static_cast<Colour>(rgb.blue()) << 16);
}

QFont toQFont(const FontSpec& stored) {
    QFont font(toQt(stored.face));
    font.setPointSize(fontSizeInRange(stored.size));
    font.setBold(stored.bold);
    font.setItalic(stored.italic);
    font.setUnderline(stored.underline);
    font.setStrikeOut(stored.strikeOut);
    return font;
}

FontSpec fromQFont(const QFont& font) {
    FontSpec stored;
    stored.face = fromQt(font.family());
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    stored.size = fontSizeInRange(static_cast<int>(std::lround(points)));
    stored.bold = font.bold();
    stored.italic = font.italic();
    stored.underline = font.underline();
    stored.strikeOut = font.strikeOut();
    return stored;
}

} // namespace orvella
