#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace orvella {

// The settings key over QSettings: the registry key "Software\Quillmark\Task" on Windows,
// ~/.config/Quillmark/Task.conf on Linux. Sections are groups; every value is a string.
class QtSettingsBackend final : public SettingsBackend {
public:
    QtSettingsBackend();
    // A settings file at an explicit path (INI format); for tests.
    explicit QtSettingsBackend(const QString& iniPath);

    std::optional<std::string> value(const std::string& section, const std::string& name) const override;
    bool setValue(const std::string& section, const std::string& name, const std::string& text) override;

    QString location() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace orvella
