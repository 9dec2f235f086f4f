#include "data/TaskStore.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <numeric>
#include <vector>

namespace orvella {

namespace {

// Digits as a number that stops growing instead of overflowing.
long long saturatingDigits(std::string_view digits) {
    long long v = 0;
    for (const char ch : digits) {
        if (v > (LLONG_MAX - 9) / 10)
            return LLONG_MAX;
        v = v * 10 + (ch - '0');
    }
    return v;
}

bool allDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

long long rowDate(const Table& table, int row) {
    return parseStoreKey(table.cell(StoreCol::Key, row)).date;
}

bool rowVisible(const Table& table, int row, const TaskVisibility& filter) {
    return filter.visible(table.cell(StoreCol::Done, row), table.cell(StoreCol::Category, row));
}

// The first row at or after which rows have a date not below `date`, by halving.
int lowerBound(const Table& table, long long date) {
    int low = 1;
    int high = table.rowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (rowDate(table, middle) < date)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

// The rows [first, last) of `date` in a sorted table; first == last when there are none.
std::pair<int, int> dateRange(const Table& table, int date) {
    const int first = lowerBound(table, date);
    if (first >= table.rowCount() || rowDate(table, first) != date)
        return {first, first};
    return {first, lowerBound(table, static_cast<long long>(date) + 1)};
}

struct KeyedRow {
    StoreKey key;
    int index;
};

// Store order: by key, then the following columns as text.
bool storeLess(const Table& table, const KeyedRow& a, const KeyedRow& b) {
    if (a.key != b.key)
        return a.key < b.key;
    for (int c = StoreCol::Key + 1; c < table.colCount(); ++c) {
        const int cmp = table.cell(c, a.index).compare(table.cell(c, b.index));
        if (cmp != 0)
            return cmp < 0;
    }
    return false;
}

void setHeader(Table& table, std::initializer_list<const char*> titles) {
    int c = 0;
    for (const char* title : titles)
        table.setCell(c++, 0, title);
}

} // namespace

StoreKey parseStoreKey(std::string_view key) {
    StoreKey k;
    std::string_view s = key;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const std::size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : s.substr(dot + 1);
    if (!whole.empty() && allDigits(whole) && allDigits(fraction)) {
        k.date = saturatingDigits(whole) * (negative ? -1 : 1);
        k.sequence = saturatingDigits(fraction);
        return k;
    }
    // Any other number, such as "4.5e4", counts by its whole part; other text is date 0.
    double value = 0;
    const std::string_view text = key;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size() && std::isfinite(value) &&
        std::fabs(value) < 9.0e18)
        k.date = static_cast<long long>(std::trunc(value));
    return k;
}

std::string makeStoreKey(int date, int sequence) {
    return std::to_string(date) + "." + std::to_string(sequence);
}

Table newStoreTable() {
    return Table(StoreCol::Count, 1);
}

Table newDayTable() {
    Table day(DayCol::Count, 2);
    setHeader(day, {"Time", "Category", "What", "Done?", "Alarm?"});
    return day;
}

Table newTodoTable() {
    Table todo(TodoCol::Count, 2);
    setHeader(todo, {"Category", "What", "Done?"});
    return todo;
}

void normaliseStoreTable(Table& store) {
    store.setSize(StoreCol::Count, std::max(store.rowCount(), 1));
    store.clearRow(0);
}

void normaliseDayTable(Table& day) {
    day.setSize(DayCol::Count, std::max(day.rowCount(), 2));
    setHeader(day, {"Time", "Category", "What", "Done?", "Alarm?"});
}

void normaliseTodoTable(Table& todo) {
    todo.setSize(TodoCol::Count, std::max(todo.rowCount(), 2));
    setHeader(todo, {"Category", "What", "Done?"});
}

int findFirstDateRow(const Table& table, int date, const TaskVisibility& filter) {
    if (table.rowCount() < 2)
        return -1;
    // Halving finds the first row of the date; the lowest visible row is at or after it.
    const auto [first, last] = dateRange(table, date);
    for (int r = first; r < last; ++r)
        if (rowVisible(table, r, filter))
            return r;
    return -1;
}

int countDateRows(const Table& table, int startRow, const TaskVisibility& filter) {
    const long long date = rowDate(table, startRow);
    int count = 1;
    for (int r = startRow + 1; r < table.rowCount() && rowDate(table, r) == date; ++r)
        count += rowVisible(table, r, filter);
    return count;
}

int dateTaskState(const Table& table, int date, bool wantDone, bool wantNotDone, const TaskVisibility& filter,
                  int* firstRow) {
    if (firstRow)
        *firstRow = -1;
    if (!wantDone && !wantNotDone)
        return -1;
    const int first = findFirstDateRow(table, date, filter);
    if (firstRow)
        *firstRow = first;
    if (first < 0)
        return -1;
    for (int r = first; r < table.rowCount() && rowDate(table, r) == date; ++r) {
        if (!rowVisible(table, r, filter))
            continue;
        const std::string& done = table.cell(StoreCol::Done, r);
        if (wantDone && done == "Yes")
            return 1;
        if (wantNotDone && done == "No")
            return 2;
    }
    return -1;
}

void copyDayFromStore(const Table& store, int date, Table& day, const TaskVisibility& filter) {
    const int first = findFirstDateRow(store, date, filter);
    const int count = first > 0 ? countDateRows(store, first, filter) : 1;
    day.setRowCount(1 + count);
    for (int r = 1; r < day.rowCount(); ++r)
        day.clearRow(r);
    if (first <= 0)
        return;
    int target = 1;
    for (int r = first; r < store.rowCount() && rowDate(store, r) == date; ++r) {
        if (!rowVisible(store, r, filter))
            continue;
        for (int c = 0; c < DayCol::Count; ++c)
            day.setCell(c, target, store.cell(c + 1, r));
        ++target;
    }
}

void copyDayToStore(Table& store, int date, const Table& day, const TaskVisibility& filter) {
    const auto [first, last] = dateRange(store, date);

    // The day's new block: the rows the filter hides, untouched, and the day grid's rows.
    Table block = newStoreTable();
    for (int r = first; r < last; ++r) {
        if (rowVisible(store, r, filter))
            continue;
        const int row = block.appendRow();
        for (int c = 0; c < StoreCol::Count; ++c)
            block.setCell(c, row, store.cell(c, r));
    }
    for (int i = 1; i < day.rowCount(); ++i) {
        if (day.cell(DayCol::Time, i).empty())
            continue;
        const int row = block.appendRow();
        block.setCell(StoreCol::Key, row, makeStoreKey(date, kFirstSequence + i));
        for (int c = 0; c < DayCol::Count; ++c)
            block.setCell(c + 1, row, day.cell(c, i));
    }
    sortStore(block);
    store.replaceRows(first, last - first, block.takeRows(1, block.rowCount() - 1));
}

bool sortStore(Table& store) {
    std::vector<KeyedRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max(store.rowCount() - 1, 0)));
    bool blanks = false;
    for (int r = 1; r < store.rowCount(); ++r) {
        const std::string& key = store.cell(StoreCol::Key, r);
        if (key.empty()) {
            blanks = true;
            continue;
        }
        rows.push_back({parseStoreKey(key), r});
    }
    auto less = [&store](const KeyedRow& a, const KeyedRow& b) { return storeLess(store, a, b); };
    // Rows put straight into the store are appended to a sorted store: sort just the tail
    // and merge it in, instead of sorting everything again.
    const auto sortedEnd = std::is_sorted_until(rows.begin(), rows.end(), less);
    if (!blanks && sortedEnd == rows.end())
        return false;
    const int prefix = static_cast<int>(sortedEnd - rows.begin());
    std::sort(sortedEnd, rows.end(), less);
    std::inplace_merge(rows.begin(), sortedEnd, rows.end(), less);
    std::vector<int> order;
    order.reserve(rows.size());
    for (const KeyedRow& row : rows)
        order.push_back(row.index - 1);
    if (blanks)
        store.selectRows(1, order);
    else
        store.mergeRows(1, prefix, order);
    return true;
}

} // namespace orvella
