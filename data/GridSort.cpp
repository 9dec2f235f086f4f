#include "data/GridSort.h"

#include "data/DateFormat.h"
#include "data/DateTime.h"
#include "data/Utility.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace orvella {

namespace {

int sign(double d) {
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

bool readsAsNumber(const std::string& s, double& value) {
    if (s.empty())
        return false;
    const FormatSettings plain;
    value = textToNumber(s, plain);
    return value != 0 || s.find_first_not_of("0. ") == std::string::npos;
}

} // namespace

int compareTimeCells(const std::string& a, const std::string& b, const FormatSettings& fs,
                     const Clock& clock) {
    if (a.empty() || b.empty())
        return 0;
    const double ta = timeOrNow(a, fs, clock);
    const double tb = timeOrNow(b, fs, clock);
    return sign(ta - tb);
}

int compareCellsByLook(const std::string& a, const std::string& b, const FormatSettings& fs,
                       const Clock& clock) {
    double na = 0, nb = 0;
    if (readsAsNumber(a, na) && readsAsNumber(b, nb))
        return sign(na - nb);
    int y = 0, m = 0, d = 0;
    decodeDate(clock.today(), y, m, d);
    double da = 0, db = 0;
    if (tryParseDateTime(a, fs, y, da) && tryParseDateTime(b, fs, y, db))
        return sign(da - db);
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void sortGridRows(Table& grid, int column, bool ascending, bool timeColumnIsTime, const FormatSettings& fs,
                  const Clock& clock) {
    const int rows = grid.rowCount() - 1;
    if (rows < 2)
        return;
    std::vector<int> order(static_cast<std::size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    auto compareColumn = [&](int c, int ra, int rb) {
        const std::string& a = grid.cell(c, ra);
        const std::string& b = grid.cell(c, rb);
        return c == 0 && timeColumnIsTime ? compareTimeCells(a, b, fs, clock)
                                          : compareCellsByLook(a, b, fs, clock);
    };
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        const int ra = x + 1;
        const int rb = y + 1;
        for (int c = column; c < grid.colCount(); ++c) {
            const int cmp = compareColumn(c, ra, rb);
            if (cmp != 0)
                return ascending ? cmp < 0 : cmp > 0;
        }
        return false;
    });
    grid.selectRows(1, order);
}

} // namespace orvella
