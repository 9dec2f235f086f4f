#pragma once

#include "settings/AudioBackend.h"

#include <string>

namespace orvella {

// The built-in chimes, made by our own code rather than kept as recordings: bell strokes of
// the Westminster quarters, four phrases and a deep hour stroke for the hour, two phrases
// for the half hour. The result is a complete wave file (RIFF, 16-bit mono PCM).
std::string synthesiseChime(BuiltInSound sound);

inline constexpr int kChimeSampleRate = 22050;

} // namespace orvella
