#pragma once

#include "tasks/spelling.h"

#include <memory>
#include <string>

namespace orvella {

// The spelling dictionary: Hunspell's en_US, from the data folder ("en_US.aff" and
// "en_US.dic") or else from the system's Hunspell dictionaries. Nothing when none is found.
std::unique_ptr<SpellDictionary> openSpellDictionary(const std::string& dataFolder);

} // namespace orvella
