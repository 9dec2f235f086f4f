#pragma once

#include "settings/PlacementTarget.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// One placement item: "component;property;key path;value name;default;1", each field taken
// with surrounding blanks removed. The last field is always "1" and means nothing.
struct PlacementItem {
    std::string component;
    std::string property;
    std::string keyPath;
    std::string valueName;
    std::string defaultText;
    std::string flag;

    static PlacementItem parse(std::string_view line);
    std::string text() const;
    bool operator==(const PlacementItem&) const = default;
};

// The section of the settings key that a key path below the user's root names: "" for the
// settings key itself; nothing for a key outside it (key names compare case-insensitively).
std::optional<std::string> sectionOfKeyPath(std::string_view keyPath);

// The form-placement store: keeps a form's listed properties (position, size) as text values
// in the settings key.
class TObjMgr {
public:
    explicit TObjMgr(std::vector<std::string> items) : Items(std::move(items)) {}

    // Each property takes its stored text, or the item's default when nothing is stored. An
    // item that fails (no such component or property, text that does not convert) leaves
    // its property as designed.
    void restorePlacements(const Settings& settings, PlacementTarget& form) const;
    // Writes each property's current text; failures are ignored.
    void storePlacements(Settings& settings, const PlacementTarget& form) const;

    // The placement lists of the filter dialog, the abbreviations dialog and the twelve-month
    // calendar, with their defaults from the table of settings.
    static TObjMgr forFilter();
    static TObjMgr forAbbreviation();
    static TObjMgr forYear();

    std::vector<std::string> Items;
};

} // namespace orvella
