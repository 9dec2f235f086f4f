#pragma once

#include <cstdint>
#include <string>

namespace orvella {

// A colour as the settings store keeps it: 0x00BBGGRR, red in the low byte. System colours
// carry 0x80 in the high byte and a system colour number in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;

// A text colour on a background, as the colour panels of the options carry them.
struct ColourPair {
    Colour text = 0;
    Colour background = 0;
    bool operator==(const ColourPair&) const = default;
};

// A font as six stored values: face, size in points and the four style flags.
struct FontSpec {
    std::string face;
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

} // namespace orvella
