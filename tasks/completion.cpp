#include "tasks/completion.h"

#include "data/DateFormat.h"
#include "data/TaskStore.h"
#include "tasks/taskedit.h"

#include <array>

namespace orvella {

namespace {

constexpr std::array<const char*, CompCol::Count> kHeadings{"Comp Date", "Time", "Category",
                                                            "Orig Date", "What", "Comp Notes"};

bool isRepeat(const Table& store, int row, int date, std::string_view category, std::string_view what,
              std::string_view done) {
    return parseStoreKey(store.cell(StoreCol::Key, row)).date > date &&
           store.cell(StoreCol::Category, row) == category && store.cell(StoreCol::What, row) == what &&
           store.cell(StoreCol::Done, row) == done;
}

} // namespace

void normaliseCompletedTable(Table& list) {
    list.setSize(CompCol::Count, std::max(list.rowCount(), 2));
    for (int c = 0; c < CompCol::Count; ++c)
        list.setCell(c, 0, kHeadings[static_cast<std::size_t>(c)]);
}

Table newCompletedTable() {
    Table list(CompCol::Count, 2);
    normaliseCompletedTable(list);
    return list;
}

void addCompletionRecord(Table& list, const CompletionRecord& record, const FormatSettings& fs) {
    if (list.rowCount() < 2)
        list.setRowCount(2);
    else if (!list.isRowEmpty(1))
        list.insertRows(1, 1);
    list.setCell(CompCol::CompDate, 1, formatDateTime("ddddd", record.completed, fs));
    list.setCell(CompCol::Time, 1, formatDateTime("tt", record.time, fs));
    list.setCell(CompCol::Category, 1, record.category);
    list.setCell(CompCol::OrigDate, 1, record.origin);
    list.setCell(CompCol::What, 1, record.what);
    list.setCell(CompCol::CompNotes, 1, record.notes);
}

void clearCompletedList(Table& list) {
    list.setRowCount(2);
    list.clearRow(1);
}

void removeGridRow(Table& grid, int row) {
    if (row <= 0 || row >= grid.rowCount())
        return;
    if (grid.rowCount() < 3)
        grid.clearRow(1);
    else
        grid.removeRow(row);
}

int countRepeats(const Table& store, int date, std::string_view category, std::string_view what,
                 std::string_view done) {
    int count = 0;
    for (int r = 1; r < store.rowCount(); ++r)
        count += isRepeat(store, r, date, category, what, done) ? 1 : 0;
    return count;
}

int removeRepeats(Table& store, int date, std::string_view category, std::string_view what,
                  std::string_view done) {
    // Keep the rows that stay, in order, in one pass rather than shifting per removal.
    std::vector<int> keep;
    keep.reserve(static_cast<std::size_t>(store.rowCount()));
    for (int r = 1; r < store.rowCount(); ++r)
        if (!isRepeat(store, r, date, category, what, done))
            keep.push_back(r - 1);
    const int removed = store.rowCount() - 1 - static_cast<int>(keep.size());
    if (removed == 0)
        return 0;
    if (store.rowCount() < 3) {
        store.clearRow(1); // an empty key, which the next sort drops
        return removed;
    }
    store.selectRows(1, keep);
    return removed;
}

std::string deleteQuestion(std::string_view what) {
    return "Really delete \"" + cellPrefix(what, 50) + " ... \"?";
}

std::string repeatQuestion(int count) {
    return "This event appears to be repeated " + std::to_string(count) +
           " times in the future.  Delete all repeats?";
}

} // namespace orvella
