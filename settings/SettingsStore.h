#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace orvella {

// Where settings persist: named text values grouped in sections. The section "" is the
// settings key itself. Every value is stored as text, also numbers and flags.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    virtual std::optional<std::string> value(const std::string& section, const std::string& name) const = 0;
    // False when the value could not be written.
    virtual bool setValue(const std::string& section, const std::string& name, const std::string& text) = 0;
};

// Settings held in memory; for tests and for a run whose settings cannot be stored.
class MemorySettingsBackend final : public SettingsBackend {
public:
    std::optional<std::string> value(const std::string& section, const std::string& name) const override;
    bool setValue(const std::string& section, const std::string& name, const std::string& text) override;
    // Makes every later write fail, as a settings location that cannot be written does.
    void setWritable(bool writable) { writable_ = writable; }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    bool writable_ = true;
};

// Typed access with the program's text encodings: integers as decimal text (text that is no
// decimal integer reads as the default), booleans as "1" and "0" (read as an integer, any
// non-zero value is true), colours as the decimal of 0x00BBGGRR.
class Settings {
public:
    explicit Settings(SettingsBackend& backend) : backend_(backend) {}

    std::string readText(const std::string& section, const std::string& name, const std::string& fallback) const;
    int readInteger(const std::string& section, const std::string& name, int fallback) const;
    bool readBoolean(const std::string& section, const std::string& name, bool fallback) const;

    bool writeText(const std::string& section, const std::string& name, const std::string& text);
    bool writeInteger(const std::string& section, const std::string& name, int value);
    bool writeBoolean(const std::string& section, const std::string& name, bool value);

    SettingsBackend& backend() { return backend_; }

private:
    SettingsBackend& backend_;
};

// A decimal integer filling the whole text, with an optional leading sign.
std::optional<int> parseSettingsInteger(const std::string& text);

} // namespace orvella
