#include "app/WindowLayout.h"

namespace orvella {

std::string layoutSection(bool fromMenu) {
    return fromMenu ? "MemorizeMe" : "Memorize";
}

std::optional<WindowLayout> readWindowLayout(const Settings& settings, bool fromMenu,
                                             const ScreenFacts& screen) {
    const std::string section = layoutSection(fromMenu);
    if (!settings.readBoolean(section, "Done", !fromMenu))
        return std::nullopt;
    WindowLayout l;
    l.maximized = settings.readBoolean(section, "Maximized", false);
    if (l.maximized) {
        l.height = screen.screenHeight;
        l.width = screen.screenWidth;
    } else {
        l.height = settings.readInteger(section, "Height", screen.screenHeight - 60);
        l.width = settings.readInteger(section, "Width", screen.screenWidth - 60);
        l.top = settings.readInteger(section, "Top", (screen.screenHeight - l.height) / 2);
        l.left = settings.readInteger(section, "Left", (screen.screenWidth - l.width) / 2);
    }
    l.split1Pos = settings.readInteger(section, "Split1Pos", l.width * 8 / 21);
    l.split2Pos = settings.readInteger(section, "Split2Pos", l.height / 4);
    l.splitDay = settings.readInteger(section, "SplitDay", (l.height - screen.frameHeight) / 6);
    return l;
}

void writeWindowLayout(Settings& settings, bool fromMenu, const WindowLayout& layout) {
    const std::string section = layoutSection(fromMenu);
    settings.writeBoolean(section, "Done", true);
    settings.writeInteger(section, "Top", layout.top);
    settings.writeInteger(section, "Left", layout.left);
    settings.writeInteger(section, "Height", layout.height);
    settings.writeInteger(section, "Width", layout.width);
    settings.writeInteger(section, "Split1Pos", layout.split1Pos);
    settings.writeInteger(section, "Split2Pos", layout.split2Pos);
    settings.writeInteger(section, "SplitDay", layout.splitDay);
    settings.writeBoolean(section, "Maximized", false);
}

} // namespace orvella
