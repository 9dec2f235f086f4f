#include "settings/CategoryList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace orvella {

std::vector<std::string> readSortedCategories(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string::npos)
            stop = text.size();
        std::string line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = stop + 1;
    }
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    std::stable_sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](char x, char y) { return lower(x) < lower(y); });
    });
    return lines;
}

} // namespace orvella
