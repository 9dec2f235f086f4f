#pragma once

#include "settings/OptionTypes.h"
#include "settings/SettingsTable.h"

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

    std::string readText(const std::string& section, const std::string& name,
                         const std::string& fallback) const;
    int readInteger(const std::string& section, const std::string& name, int fallback) const;
    bool readBoolean(const std::string& section, const std::string& name, bool fallback) const;

    bool writeText(const std::string& section, const std::string& name, const std::string& text);
    bool writeInteger(const std::string& section, const std::string& name, int value);
    bool writeBoolean(const std::string& section, const std::string& name, bool value);

    // Reads through the table of settings: a value that is absent, unreadable, too long or
    // out of range reads as the row's default (integers with a clamped range are clamped).
    // Rows whose default is not fixed take it from the caller.
    std::string read(TextKey key) const;
    std::string read(TextKey key, const std::string& fallback) const;
    int read(IntegerKey key) const;
    int read(IntegerKey key, int fallback) const;
    bool read(BooleanKey key) const;
    Colour read(ColourKey key) const;
    int read(DateKey key) const;
    int read(DateKey key, int fallback) const;
    FontSpec read(const FontKey& key) const;

    // False when the value could not be written; a font reports its first failed value.
    bool write(TextKey key, const std::string& text);
    bool write(IntegerKey key, int value);
    bool write(BooleanKey key, bool value);
    bool write(ColourKey key, Colour value);
    bool write(DateKey key, int value);
    bool write(const FontKey& key, const FontSpec& font);

    SettingsBackend& backend() { return backend_; }

private:
    SettingsBackend& backend_;
};

// A decimal integer filling the whole text, with an optional leading sign.
std::optional<int> parseSettingsInteger(const std::string& text);

// A stored colour: any decimal from -2^31 to 2^32-1 (registry tools write negatives for
// system colours) whose high byte is 0x00 or 0x80.
std::optional<Colour> parseSettingsColour(const std::string& text);

// A font size brought into the range the store keeps.
int fontSizeInRange(int points);

} // namespace orvella
