#pragma once

#include <string>

namespace orvella {

// The start-up entry: a freedesktop autostart file (~/.config/autostart/orvella.desktop)
// whose Exec line holds the program's full path, so the desktop starts the program at login.
class AutostartEntry {
public:
    explicit AutostartEntry(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // True when the entry exists with a non-empty command.
    bool exists() const;
    // The program path the entry starts; empty when there is none.
    std::string program() const;
    // Writes the entry for `programPath`, or removes it when `enabled` is false. False when
    // the file could not be written or removed.
    bool write(bool enabled, const std::string& programPath) const;

private:
    std::string path_;
};

// The Exec value for a program path, quoted as desktop entries need when it holds blanks or
// characters the launcher would read.
std::string desktopExecValue(const std::string& programPath);

} // namespace orvella
