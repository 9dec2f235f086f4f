#include "settings/SettingsStore.h"

#include <charconv>

namespace orvella {

std::optional<std::string> MemorySettingsBackend::value(const std::string& section, const std::string& name) const {
    const auto it = values_.find({section, name});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool MemorySettingsBackend::setValue(const std::string& section, const std::string& name, const std::string& text) {
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

} // namespace orvella
