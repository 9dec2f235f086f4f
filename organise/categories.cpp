#include "organise/categories.h"

#include "data/TaskStore.h"
#include "data/TextEncoding.h"
#include "data/Utility.h"
#include "data/gridfile.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace orvella {

namespace {

// The small lower case of a letter: enough for the alphabets categories are written in.
char32_t lowerLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c < 0x100)
        return c;
    if (c == 0x130)
        return U'i';
    if (c == 0x178)
        return 0xFF;
    if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 0)
        return c + 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 1)
        return c + 1;
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    switch (c) {
    case 0x386:
        return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
        return c + 0x25;
    case 0x38C:
        return 0x3CC;
    case 0x38E:
    case 0x38F:
        return c + 0x3F;
    case 0x3C2: // final sigma
        return 0x3C3;
    default:
        return c;
    }
}

// The text as cells show it, decoded and lower-cased letter by letter.
std::u32string folded(std::string_view bytes) {
    const std::string utf8 = cellTextAsUtf8(bytes);
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        out.push_back(lowerLetter(c));
    }
    return out;
}

// Equal once a to z are upper-cased; `upper` is upper-cased already.
bool sameAZ(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != upper[i])
            return false;
    }
    return true;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty())
            out += ", ";
        out += item;
    }
    return out;
}

} // namespace

std::optional<std::vector<std::string>> readCategoryFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw GridFileError("Cannot open file " + path);
    // Lines end in CR LF; a lone CR or LF also ends one, so a file edited elsewhere still reads.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, stop - start));
        start = stop + (bytes.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

void writeCategoryFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    if (!writeFileSafely(path, bytes))
        throw GridFileError("Cannot create file " + path);
}

bool sameCategoryText(std::string_view a, std::string_view b) {
    return a == b || folded(a) == folded(b);
}

int findCategory(const std::vector<std::string>& items, std::string_view text) {
    const std::u32string key = folded(text);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text || folded(items[i]) == key)
            return static_cast<int>(i);
    return -1;
}

bool categoryLess(std::string_view a, std::string_view b) {
    const std::u32string fa = folded(a);
    const std::u32string fb = folded(b);
    if (fa != fb)
        return fa < fb;
    return a < b;
}

int sortedPosition(const std::vector<std::string>& items, std::string_view text) {
    const auto at =
        std::upper_bound(items.begin(), items.end(), text,
                         [](std::string_view t, const std::string& item) { return categoryLess(t, item); });
    return static_cast<int>(at - items.begin());
}

bool IsCategoryInUse(const Table& store, std::string_view category) {
    if (store.colCount() <= StoreCol::Category)
        return false;
    const std::string key = upperAZ(category);
    for (int r = store.rowCount() - 1; r >= 1; --r)
        if (sameAZ(store.cell(StoreCol::Category, r), key))
            return true;
    return false;
}

DeleteCheck checkDeletable(const Table& store, const std::vector<std::string>& selected) {
    DeleteCheck check;
    for (const std::string& category : selected)
        (IsCategoryInUse(store, category) ? check.inUse : check.deletable).push_back(category);
    return check;
}

std::string inUseMessage(const DeleteCheck& check) {
    if (check.inUse.empty())
        return {};
    const bool several = check.inUse.size() > 1;
    std::string text = "The following categor";
    text += several ? "ies:" : "y:";
    text += " \"" + joined(check.inUse) + "\" ";
    text += several ? "are" : "is";
    text += " in use and cannot be deleted. ";
    if (!check.deletable.empty()) {
        text += "\r\rThe following categor";
        text += check.deletable.size() > 1 ? "ies" : "y";
        text += " may be deleted: \"" + joined(check.deletable) + "\". Try reselecting.";
    }
    return text;
}

std::vector<std::string> categoriesMissingFrom(const Table& store, const std::vector<std::string>& items) {
    // A store holds few distinct categories in many rows: each distinct text is folded once.
    std::unordered_set<std::u32string> known;
    for (const std::string& item : items)
        known.insert(folded(item));
    std::unordered_set<std::string> seen;
    std::vector<std::string> added;
    if (store.colCount() <= StoreCol::Category)
        return added;
    for (int r = 1; r < store.rowCount(); ++r) {
        const std::string& category = store.cell(StoreCol::Category, r);
        if (!seen.insert(category).second || isBlank(category))
            continue;
        if (known.insert(folded(category)).second)
            added.push_back(category);
    }
    return added;
}

std::string rebuildReport(const std::vector<std::string>& added) {
    if (added.empty())
        return "No existing categories were added.";
    return "The following categories were added: \" " + joined(added) + "\".";
}

std::vector<std::string> readSortedCategories(const std::string& path) {
    std::vector<std::string> items = readCategoryFile(path).value_or(std::vector<std::string>{});
    std::stable_sort(items.begin(), items.end(),
                     [](const std::string& a, const std::string& b) { return categoryLess(a, b); });
    return items;
}

} // namespace orvella
