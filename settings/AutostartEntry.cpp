#include "settings/AutostartEntry.h"

#include "app/ProgramInfo.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvella {

namespace {

constexpr std::string_view kExec = "Exec=";

// The Exec value with one level of desktop-entry quoting removed.
std::string unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    std::string out;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size())
            ++i;
        out += value[i];
    }
    return out;
}

} // namespace

std::string desktopExecValue(const std::string& programPath) {
    static constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    if (programPath.find_first_of(reserved) == std::string::npos)
        return programPath;
    std::string out = "\"";
    for (const char c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

std::string AutostartEntry::program() const {
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    bool inEntry = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.starts_with(kExec))
            return unquoted(line.substr(kExec.size()));
    }
    return {};
}

bool AutostartEntry::exists() const {
    return !program().empty();
}

bool AutostartEntry::write(bool enabled, const std::string& programPath) const {
    std::error_code ec;
    if (!enabled) {
        std::filesystem::remove(path_, ec);
        return !ec;
    }
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    std::ostringstream text;
    text << "[Desktop Entry]\n"
         << "Type=Application\n"
         << "Name=" << kProgramName << '\n'
         << kExec << desktopExecValue(programPath) << '\n'
         << "X-GNOME-Autostart-enabled=true\n";
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.flush();
    return static_cast<bool>(out);
}

} // namespace orvella
