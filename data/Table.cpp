#include "data/Table.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace orvella {

namespace {
std::size_t sz(int n) {
    return static_cast<std::size_t>(n);
}
} // namespace

Table::Table(int cols, int rows) {
    setSize(cols, rows);
}

void Table::setSize(int cols, int rows) {
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols == cols_) {
        setRowCount(rows);
        return;
    }
    std::vector<std::string> cells(sz(cols) * sz(rows));
    const int keepCols = std::min(cols, cols_);
    const int keepRows = std::min(rows, rows_);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepCols; ++c)
            cells[sz(r) * sz(cols) + sz(c)] = std::move(cells_[index(c, r)]);
    cells_ = std::move(cells);
    widths_.resize(sz(cols), kDefaultColWidth);
    cols_ = cols;
    rows_ = rows;
}

void Table::setRowCount(int rows) {
    rows = std::max(rows, 0);
    cells_.resize(sz(rows) * sz(cols_));
    rows_ = rows;
}

void Table::reserveRows(int rows) {
    cells_.reserve(sz(std::max(rows, 0)) * sz(cols_));
}

bool Table::isRowEmpty(int row) const {
    for (int c = 0; c < cols_; ++c)
        if (!cell(c, row).empty())
            return false;
    return true;
}

void Table::clearRow(int row) {
    for (int c = 0; c < cols_; ++c)
        cell(c, row).clear();
}

void Table::insertRows(int at, int count) {
    if (count <= 0)
        return;
    at = std::clamp(at, 0, rows_);
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(sz(at) * sz(cols_)), sz(count) * sz(cols_),
                  std::string());
    rows_ += count;
}

void Table::removeRows(int at, int count) {
    if (at < 0 || count <= 0 || at >= rows_)
        return;
    count = std::min(count, rows_ - at);
    auto first = cells_.begin() + static_cast<std::ptrdiff_t>(sz(at) * sz(cols_));
    cells_.erase(first, first + static_cast<std::ptrdiff_t>(sz(count) * sz(cols_)));
    rows_ -= count;
}

int Table::appendRow() {
    setRowCount(rows_ + 1);
    return rows_ - 1;
}

void Table::moveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= rows_ || to >= rows_)
        return;
    auto rowBegin = [this](int r) { return cells_.begin() + static_cast<std::ptrdiff_t>(sz(r) * sz(cols_)); };
    if (from < to)
        std::rotate(rowBegin(from), rowBegin(from + 1), rowBegin(to + 1));
    else
        std::rotate(rowBegin(to), rowBegin(from), rowBegin(from + 1));
}

void Table::selectRows(int first, const std::vector<int>& order) {
    const std::size_t n = order.size();
    if (static_cast<int>(n) == rows_ - first) {
        // A full reordering: follow its cycles in place, so no second copy of the table is made.
        std::vector<bool> placed(n, false);
        std::vector<std::string> held(sz(cols_));
        for (std::size_t start = 0; start < n; ++start) {
            if (placed[start] || order[start] == static_cast<int>(start)) {
                placed[start] = true;
                continue;
            }
            for (int c = 0; c < cols_; ++c)
                held[sz(c)] = std::move(cell(c, first + static_cast<int>(start)));
            std::size_t at = start;
            for (;;) {
                placed[at] = true;
                const std::size_t from = sz(order[at]);
                if (from == start) {
                    for (int c = 0; c < cols_; ++c)
                        cell(c, first + static_cast<int>(at)) = std::move(held[sz(c)]);
                    break;
                }
                for (int c = 0; c < cols_; ++c)
                    cell(c, first + static_cast<int>(at)) =
                        std::move(cell(c, first + static_cast<int>(from)));
                at = from;
            }
        }
        return;
    }
    std::vector<std::string> block;
    block.reserve(order.size() * sz(cols_));
    for (int old : order)
        for (int c = 0; c < cols_; ++c)
            block.push_back(std::move(cell(c, first + old)));
    setRowCount(first + static_cast<int>(order.size()));
    std::move(block.begin(), block.end(),
              cells_.begin() + static_cast<std::ptrdiff_t>(sz(first) * sz(cols_)));
}

void Table::mergeRows(int first, int prefix, const std::vector<int>& order) {
    const int n = static_cast<int>(order.size());
    // The rows merged in are taken out first; the others move down into their places.
    std::vector<std::string> taken;
    taken.reserve(sz(n - prefix) * sz(cols_));
    for (int r = prefix; r < n; ++r)
        for (int c = 0; c < cols_; ++c)
            taken.push_back(std::move(cell(c, first + r)));
    for (int w = n - 1; w >= 0; --w) {
        const int from = order[sz(w)];
        if (from == w && from < prefix)
            continue;
        for (int c = 0; c < cols_; ++c) {
            std::string& target = cell(c, first + w);
            target = from < prefix ? std::move(cell(c, first + from))
                                   : std::move(taken[sz(from - prefix) * sz(cols_) + sz(c)]);
        }
    }
}

void Table::replaceRows(int first, int count, std::vector<std::string>&& block) {
    const int newRows = cols_ == 0 ? 0 : static_cast<int>(block.size() / sz(cols_));
    auto begin = cells_.begin() + static_cast<std::ptrdiff_t>(sz(first) * sz(cols_));
    const std::size_t common = std::min(sz(count), sz(newRows)) * sz(cols_);
    std::move(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(common), begin);
    if (newRows > count) {
        cells_.insert(begin + static_cast<std::ptrdiff_t>(common),
                      std::make_move_iterator(block.begin() + static_cast<std::ptrdiff_t>(common)),
                      std::make_move_iterator(block.end()));
    } else if (newRows < count) {
        cells_.erase(begin + static_cast<std::ptrdiff_t>(common),
                     begin + static_cast<std::ptrdiff_t>(sz(count) * sz(cols_)));
    }
    rows_ += newRows - count;
}

std::vector<std::string> Table::takeRows(int first, int count) {
    auto begin = cells_.begin() + static_cast<std::ptrdiff_t>(sz(first) * sz(cols_));
    std::vector<std::string> out(
        std::make_move_iterator(begin),
        std::make_move_iterator(begin + static_cast<std::ptrdiff_t>(sz(count) * sz(cols_))));
    return out;
}

} // namespace orvella
