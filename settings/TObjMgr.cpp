#include "settings/TObjMgr.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace orvella {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool targetExists(const PlacementItem& item, const PlacementTarget& form) {
    return item.component == form.formName() || form.hasComponent(item.component);
}

// One item of a placement list, its default taken from the table.
std::string itemText(const char* form, const char* property, IntegerKey key) {
    PlacementItem item;
    item.component = form;
    item.property = property;
    item.keyPath = std::string(kSettingsKeyPath);
    item.valueName = key.name();
    item.defaultText = std::to_string(key.def->number);
    item.flag = "1";
    return item.text();
}

} // namespace

PlacementItem PlacementItem::parse(std::string_view line) {
    PlacementItem item;
    std::string* fields[] = {&item.component, &item.property,    &item.keyPath,
                             &item.valueName, &item.defaultText, &item.flag};
    for (std::string* field : fields) {
        const auto stop = line.find(';');
        *field = std::string(trimmed(line.substr(0, stop)));
        line = stop == std::string_view::npos ? std::string_view() : line.substr(stop + 1);
    }
    return item;
}

std::string PlacementItem::text() const {
    return component + ';' + property + ';' + keyPath + ';' + valueName + ';' + defaultText + ';' + flag;
}

std::optional<std::string> sectionOfKeyPath(std::string_view keyPath) {
    while (!keyPath.empty() && keyPath.front() == '\\')
        keyPath.remove_prefix(1);
    while (!keyPath.empty() && keyPath.back() == '\\')
        keyPath.remove_suffix(1);
    const std::size_t n = kSettingsKeyPath.size();
    if (keyPath.size() < n || !sameIgnoringCase(keyPath.substr(0, n), kSettingsKeyPath))
        return std::nullopt;
    if (keyPath.size() == n)
        return std::string();
    if (keyPath[n] != '\\')
        return std::nullopt;
    return std::string(keyPath.substr(n + 1));
}

void TObjMgr::restorePlacements(const Settings& settings, PlacementTarget& form) const {
    for (const std::string& line : Items) {
        const PlacementItem item = PlacementItem::parse(line);
        if (item.component.empty() && item.property.empty() && item.keyPath.empty() && item.valueName.empty())
            continue;
        if (!targetExists(item, form) || !form.property(item.component, item.property))
            continue;
        std::string text = item.defaultText;
        if (const auto section = sectionOfKeyPath(item.keyPath))
            text = settings.readText(*section, item.valueName, item.defaultText);
        form.setProperty(item.component, item.property, text);
    }
}

void TObjMgr::storePlacements(Settings& settings, const PlacementTarget& form) const {
    for (const std::string& line : Items) {
        const PlacementItem item = PlacementItem::parse(line);
        if (item.component.empty() && item.property.empty() && item.keyPath.empty() && item.valueName.empty())
            continue;
        if (!targetExists(item, form))
            continue;
        const auto value = form.property(item.component, item.property);
        const auto section = sectionOfKeyPath(item.keyPath);
        if (value && section)
            settings.writeText(*section, item.valueName, *value);
    }
}

TObjMgr TObjMgr::forFilter() {
    return TObjMgr({itemText("frmFilter", "Top", keys::FilterTop),
                    itemText("frmFilter", "Left", keys::FilterLeft),
                    itemText("frmFilter", "ClientWidth", keys::FilterWidth),
                    itemText("frmFilter", "ClientHeight", keys::FilterHeight)});
}

TObjMgr TObjMgr::forAbbreviation() {
    return TObjMgr({itemText("frmAbbreviation", "Left", keys::AbbrevLeft),
                    itemText("frmAbbreviation", "Top", keys::AbbrevTop),
                    itemText("frmAbbreviation", "Height", keys::AbbrevHeight),
                    itemText("frmAbbreviation", "ClientWidth", keys::AbbrevWidth)});
}

TObjMgr TObjMgr::forYear() {
    return TObjMgr({itemText("frmYear", "ClientHeight", keys::YearHeight),
                    itemText("frmYear", "ClientWidth", keys::YearWidth),
                    itemText("frmYear", "Top", keys::YearTop), itemText("frmYear", "Left", keys::YearLeft)});
}

} // namespace orvella
