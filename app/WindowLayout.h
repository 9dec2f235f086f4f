#pragma once

#include "settings/SettingsStore.h"

#include <optional>
#include <string>

namespace orvella {

// The main window's remembered layout: its outer position and size and the three sizing-bar
// positions (calendar panel width, to-do panel height, description panel height).
struct WindowLayout {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    int split1Pos = 0;
    int split2Pos = 0;
    int splitDay = 0;
    bool maximized = false;
    bool operator==(const WindowLayout&) const = default;
};

// What the defaults of a layout depend on.
struct ScreenFacts {
    int screenWidth = 0;
    int screenHeight = 0;
    // The window's outer height less its client height.
    int frameHeight = 0;
};

// The section a layout lives in: "Memorize" for the automatic one, "MemorizeMe" for the
// one memorised from the menu.
std::string layoutSection(bool fromMenu);

// Reads a layout, value by value with its defaults: centred, 60 pixels smaller than the
// screen, calendars 8/21 of the width, to-do list a quarter of the height, description box a
// sixth of the client height. Nothing when no layout was memorised ("Done" off; it defaults
// to on for the automatic layout and off for the menu's).
std::optional<WindowLayout> readWindowLayout(const Settings& settings, bool fromMenu,
                                             const ScreenFacts& screen);

// Writes a layout with "Done" on and "Maximized" off.
void writeWindowLayout(Settings& settings, bool fromMenu, const WindowLayout& layout);

} // namespace orvella
