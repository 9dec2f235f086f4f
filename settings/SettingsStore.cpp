#include "settings/SettingsStore.h"

#include <algorithm>
#include <cassert>
#include <charconv>

namespace orvella {

std::optional<std::string> MemorySettingsBackend::value(const std::string& section,
                                                        const std::string& name) const {
    const auto it = values_.find({section, name});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool MemorySettingsBackend::setValue(const std::string& section, const std::string& name,
                                     const std::string& text) {
    if (!writable_)
        return false;
    values_[{section, name}] = text;
    return true;
}

std::optional<int> parseSettingsInteger(const std::string& text) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    const auto [stop, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::string Settings::readText(const std::string& section, const std::string& name,
                               const std::string& fallback) const {
    return backend_.value(section, name).value_or(fallback);
}

int Settings::readInteger(const std::string& section, const std::string& name, int fallback) const {
    const auto text = backend_.value(section, name);
    if (!text)
        return fallback;
    return parseSettingsInteger(*text).value_or(fallback);
}

bool Settings::readBoolean(const std::string& section, const std::string& name, bool fallback) const {
    return readInteger(section, name, fallback ? 1 : 0) != 0;
}

bool Settings::writeText(const std::string& section, const std::string& name, const std::string& text) {
    return backend_.setValue(section, name, text);
}

bool Settings::writeInteger(const std::string& section, const std::string& name, int value) {
    return backend_.setValue(section, name, std::to_string(value));
}

bool Settings::writeBoolean(const std::string& section, const std::string& name, bool value) {
    return backend_.setValue(section, name, value ? "1" : "0");
}

namespace {

template <SettingType Type>
std::optional<std::string> stored(const SettingsBackend& backend, SettingKey<Type> key) {
    assert(!key.numbered() || (key.slot >= key.def->firstSlot && key.slot <= key.def->lastSlot));
    auto text = backend.value(key.section(), key.name());
    if (text && text->size() > kMaxSettingText)
        return std::nullopt;
    return text;
}

long long inRange(const SettingDef& def, long long value, long long fallback) {
    if (value >= def.low && value <= def.high)
        return value;
    if (def.outOfRange == OutOfRange::Clamp)
        return std::clamp(value, def.low, def.high);
    return fallback;
}

template <SettingType Type>
int readRanged(const SettingsBackend& backend, SettingKey<Type> key, int fallback) {
    const auto text = stored(backend, key);
    if (!text)
        return fallback;
    const auto value = parseSettingsInteger(*text);
    if (!value)
        return fallback;
    return static_cast<int>(inRange(*key.def, *value, fallback));
}

} // namespace

std::optional<Colour> parseSettingsColour(const std::string& text) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    long long value = 0;
    const auto [stop, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || stop != end)
        return std::nullopt;
    if (value < INT32_MIN || value > static_cast<long long>(UINT32_MAX))
        return std::nullopt;
    const auto colour = static_cast<Colour>(static_cast<std::uint32_t>(value));
    const Colour high = colour & 0xFF000000u;
    if (high != 0 && high != kSystemColourFlag)
        return std::nullopt;
    return colour;
}

int fontSizeInRange(int points) {
    return static_cast<int>(std::clamp<long long>(points, rows::kFontSizeLow, rows::kFontSizeHigh));
}

std::string Settings::read(TextKey key) const {
    assert(key.def->rule == DefaultRule::Fixed);
    return read(key, std::string(key.def->text));
}

std::string Settings::read(TextKey key, const std::string& fallback) const {
    return stored(backend_, key).value_or(fallback);
}

int Settings::read(IntegerKey key) const {
    assert(key.def->rule == DefaultRule::Fixed);
    return read(key, static_cast<int>(key.def->number));
}

int Settings::read(IntegerKey key, int fallback) const {
    return readRanged(backend_, key, fallback);
}

bool Settings::read(BooleanKey key) const {
    const auto text = stored(backend_, key);
    if (!text)
        return key.def->number != 0;
    const auto value = parseSettingsInteger(*text);
    return value ? *value != 0 : key.def->number != 0;
}

Colour Settings::read(ColourKey key) const {
    const auto text = stored(backend_, key);
    const auto colour = text ? parseSettingsColour(*text) : std::nullopt;
    return colour.value_or(static_cast<Colour>(key.def->number));
}

int Settings::read(DateKey key) const {
    assert(key.def->rule == DefaultRule::Fixed);
    return read(key, static_cast<int>(key.def->number));
}

int Settings::read(DateKey key, int fallback) const {
    return readRanged(backend_, key, fallback);
}

FontSpec Settings::read(const FontKey& key) const {
    FontSpec font;
    font.face = read(key.face);
    if (font.face.empty())
        font.face = std::string(key.face.def->text);
    font.size = read(key.size);
    font.bold = read(key.bold);
    font.italic = read(key.italic);
    font.underline = read(key.underline);
    font.strikeOut = read(key.strikeOut);
    return font;
}

bool Settings::write(TextKey key, const std::string& text) {
    return writeText(key.section(), key.name(), text);
}

bool Settings::write(IntegerKey key, int value) {
    return writeInteger(key.section(), key.name(), value);
}

bool Settings::write(BooleanKey key, bool value) {
    return writeBoolean(key.section(), key.name(), value);
}

bool Settings::write(ColourKey key, Colour value) {
    // Written as the signed 32-bit number, as the registry's own tools show it.
    return writeInteger(key.section(), key.name(), static_cast<std::int32_t>(value));
}

bool Settings::write(DateKey key, int value) {
    return writeInteger(key.section(), key.name(), value);
}

bool Settings::write(const FontKey& key, const FontSpec& font) {
    // Every value is written even when one fails, so a later success is not lost.
    bool ok = write(key.face, font.face);
    ok = write(key.size, font.size) && ok;
    ok = write(key.bold, font.bold) && ok;
    ok = write(key.italic, font.italic) && ok;
    ok = write(key.underline, font.underline) && ok;
    ok = write(key.strikeOut, font.strikeOut) && ok;
    return ok;
}

} // namespace orvella
