#include "data/TaskStore.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace orvella {
namespace {

// A filter that hides done tasks and the category "Hidden".
class HideDoneAndHidden final : public TaskVisibility {
public:
    bool visible(const std::string& done, const std::string& category) const override {
        return done != "Yes" && category != "Hidden";
    }
    bool active() const override { return true; }
};

const AllTasksVisible all;
const HideDoneAndHidden someHidden;

struct Row {
    std::string key, time, category, what, done;
};

Table storeOf(const std::vector<Row>& rows) {
    Table t = newStoreTable();
    for (const Row& r : rows) {
        const int i = t.appendRow();
        t.setCell(StoreCol::Key, i, r.key);
        t.setCell(StoreCol::Time, i, r.time);
        t.setCell(StoreCol::Category, i, r.category);
        t.setCell(StoreCol::What, i, r.what);
        t.setCell(StoreCol::Done, i, r.done);
        t.setCell(StoreCol::Alarm, i, "No");
    }
    return t;
}

std::vector<std::string> column(const Table& t, int col) {
    std::vector<std::string> out;
    for (int r = 1; r < t.rowCount(); ++r)
        out.push_back(t.cell(col, r));
    return out;
}

using Keys = std::vector<std::string>;

TEST(StoreKey, ReadsAsDateAndSequence) {
    struct Case {
        const char* key;
        long long date, sequence;
    } cases[] = {
        {"37622.101", 37622, 101},
        {"37622.1000", 37622, 1000},
        {"37622", 37622, 0},
        {"37622.", 37622, 0},
        {"abc", 0, 0},
        {"", 0, 0},
        {"4.5e4", 45000, 0},
        {"12x.5", 0, 0},
    };
    for (const Case& c : cases) {
        const StoreKey k = parseStoreKey(c.key);
        EXPECT_EQ(k.date, c.date) << c.key;
        EXPECT_EQ(k.sequence, c.sequence) << c.key;
    }
    EXPECT_EQ(makeStoreKey(37622, 101), "37622.101");
    EXPECT_LT(parseStoreKey("37622.999"), parseStoreKey("37622.1000"));
    EXPECT_LT(parseStoreKey("37622.100"), parseStoreKey("37622.101"));
    EXPECT_LT(parseStoreKey("37622.1000"), parseStoreKey("37623.100"));
}

TEST(StoreLookups, FindTheLowestVisibleRowOfADate) {
    // Many rows of one date, so that halving lands in their middle.
    std::vector<Row> rows = {{"100.101", "9:00", "", "earlier day", "No"}};
    for (int i = 0; i < 9; ++i)
        rows.push_back(
            {makeStoreKey(200, 101 + i), "9:00", i < 5 ? "Hidden" : "", "t", i == 5 ? "Yes" : "No"});
    rows.push_back({"300.101", "9:00", "Hidden", "only hidden", "No"});
    const Table store = storeOf(rows);

    EXPECT_EQ(findFirstDateRow(store, 200, all), 2);
    EXPECT_EQ(findFirstDateRow(store, 200, someHidden), 8); // rows 2-6 hidden, 7 done
    EXPECT_EQ(findFirstDateRow(store, 300, someHidden), -1);
    EXPECT_EQ(findFirstDateRow(store, 150, all), -1);
    EXPECT_EQ(findFirstDateRow(newStoreTable(), 200, all), -1);

    EXPECT_EQ(countDateRows(store, 2, all), 9);
    EXPECT_EQ(countDateRows(store, 8, someHidden), 3);
}

TEST(StoreLookups, DateTaskStateTakesTheFirstRowThatCounts) {
    const Table store = storeOf({{"10.101", "1", "", "", "Yes"},
                                 {"10.102", "2", "", "", "No"},
                                 {"20.101", "1", "", "", "maybe"},
                                 {"20.102", "2", "", "", "No"},
                                 {"30.101", "1", "", "", "maybe"}});
    struct Case {
        int date;
        bool wantDone, wantNotDone;
        const TaskVisibility& filter;
        int state;
    } cases[] = {
        {10, true, true, all, 1},    {10, false, true, all, 2},       {10, true, false, all, 1},
        {10, false, false, all, -1}, {10, true, true, someHidden, 2}, // the done row is hidden
        {20, true, true, all, 2},    {20, true, false, all, -1},      // a Done text that is neither
        {30, true, true, all, -1},   {40, true, true, all, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateTaskState(store, c.date, c.wantDone, c.wantNotDone, c.filter), c.state) << c.date;
    int first = 0;
    dateTaskState(store, 20, true, true, all, &first);
    EXPECT_EQ(first, 3);
}

TEST(DayCopy, AnEmptyDayShowsOneBlankRowAndWritesNothing) {
    Table store = storeOf({{"10.101", "9:00", "", "other day", "No"}});
    Table day = newDayTable();
    copyDayFromStore(store, 11, day, all);
    EXPECT_EQ(day.rowCount(), 2);
    EXPECT_TRUE(day.isRowEmpty(1));
    EXPECT_EQ(day.cell(DayCol::Done, 0), "Done?");
    copyDayToStore(store, 11, day, all);
    EXPECT_EQ(column(store, StoreCol::Key), Keys{"10.101"});
}

TEST(DayCopy, WritingRenumbersInDayOrderAndKeepsHiddenRows) {
    Table store = storeOf({{"10.101", "9:00", "", "other day", "No"},
                           {"11.101", "8:00", "Hidden", "secret", "No"},
                           {"11.102", "9:00", "", "first", "No"},
                           {"11.103", "10:00", "", "done", "Yes"},
                           {"11.104", "11:00", "", "second", "No"},
                           {"12.101", "9:00", "", "next day", "No"}});
    Table day = newDayTable();
    copyDayFromStore(store, 11, day, someHidden);
    ASSERT_EQ(day.rowCount(), 3);
    EXPECT_EQ(day.cell(DayCol::What, 1), "first");
    EXPECT_EQ(day.cell(DayCol::What, 2), "second");

    // The user reorders the day and adds a row after a blank one.
    day.moveRow(2, 1);
    day.setRowCount(5);
    day.setCell(DayCol::Time, 4, "12:00");
    day.setCell(DayCol::What, 4, "added");
    copyDayToStore(store, 11, day, someHidden);

    EXPECT_EQ(column(store, StoreCol::Key),
              (Keys{"10.101", "11.101", "11.101", "11.102", "11.103", "11.104", "12.101"}));
    EXPECT_EQ(column(store, StoreCol::What),
              (Keys{"other day", "second", "secret", "first", "done", "added", "next day"}));
    EXPECT_FALSE(sortStore(store)); // still in order
}

TEST(DayCopy, ATaskPutStraightIntoTheStoreComesFirst) {
    Table store = storeOf({{"11.101", "9:00", "", "old", "No"}, {"11.100", "17:00", "", "moved here", "No"}});
    EXPECT_TRUE(sortStore(store));
    Table day = newDayTable();
    copyDayFromStore(store, 11, day, all);
    EXPECT_EQ(day.cell(DayCol::What, 1), "moved here");
}

TEST(SortStore, OrdersByKeyThenByTheFollowingColumns) {
    Table store = storeOf({{"11.102", "b", "", "", "No"},
                           {"", "blank key", "", "", "No"},
                           {"11.101", "z", "", "", "No"},
                           {"11.101", "a", "", "", "No"},
                           {"11.1000", "late", "", "", "No"},
                           {"11.999", "", "", "", "No"},
                           {"9.500", "", "", "", "No"}});
    EXPECT_TRUE(sortStore(store));
    EXPECT_EQ(column(store, StoreCol::Key),
              (Keys{"9.500", "11.101", "11.101", "11.102", "11.999", "11.1000"}));
    EXPECT_EQ(column(store, StoreCol::Time)[1], "a");
    EXPECT_FALSE(sortStore(store));
}

TEST(SortStore, RowsAppendedToASortedStoreGoInTheirPlaces) {
    Table store = storeOf({{"10.101", "9:00", "", "a", "No"},
                           {"12.101", "9:00", "", "c", "No"},
                           {"14.101", "9:00", "", "e", "No"}});
    for (const char* key : {"15.100", "11.100", "13.100", "12.101", "9.100"}) {
        const int r = store.appendRow();
        store.setCell(StoreCol::Key, r, key);
        store.setCell(StoreCol::Time, r, "8:00");
    }
    EXPECT_TRUE(sortStore(store));
    EXPECT_EQ(column(store, StoreCol::Key),
              (Keys{"9.100", "10.101", "11.100", "12.101", "12.101", "13.100", "14.101", "15.100"}));
    EXPECT_EQ(column(store, StoreCol::Time)[3], "8:00"); // equal keys: by Time
    EXPECT_EQ(column(store, StoreCol::What)[4], "c");
}

TEST(SortStore, AnyStoreComesOutInOrderWithEveryRowKept) {
    std::mt19937 random(11);
    for (int round = 0; round < 100; ++round) {
        std::vector<Row> rows;
        const int sorted = static_cast<int>(random() % 20);
        for (int i = 0; i < sorted; ++i)
            rows.push_back({makeStoreKey(100 + i, 101), "9:00", "", std::to_string(i), "No"});
        for (int i = static_cast<int>(random() % 20); i > 0; --i)
            rows.push_back({random() % 8 ? makeStoreKey(95 + static_cast<int>(random() % 30), 100) : "",
                            std::to_string(random() % 3), "", "added", "No"});
        Table store = storeOf(rows);
        std::multiset<std::string> before;
        for (int r = 1; r < store.rowCount(); ++r)
            if (!store.cell(StoreCol::Key, r).empty())
                before.insert(store.cell(StoreCol::Key, r) + "|" + store.cell(StoreCol::Time, r) + "|" +
                              store.cell(StoreCol::What, r));
        sortStore(store);
        std::multiset<std::string> after;
        for (int r = 1; r < store.rowCount(); ++r) {
            after.insert(store.cell(StoreCol::Key, r) + "|" + store.cell(StoreCol::Time, r) + "|" +
                         store.cell(StoreCol::What, r));
            if (r > 1) {
                const StoreKey a = parseStoreKey(store.cell(StoreCol::Key, r - 1));
                const StoreKey b = parseStoreKey(store.cell(StoreCol::Key, r));
                ASSERT_TRUE(a < b ||
                            (a == b && store.cell(StoreCol::Time, r - 1) <= store.cell(StoreCol::Time, r)));
            }
        }
        EXPECT_EQ(after, before);
    }
}

TEST(SortStore, KeepsTheOrderOfDaysWithMoreThan900Tasks) {
    Table store = newStoreTable();
    Table day = newDayTable();
    day.setRowCount(1 + 950);
    for (int i = 1; i <= 950; ++i) {
        day.setCell(DayCol::Time, i, "9:00");
        day.setCell(DayCol::What, i, std::to_string(i));
    }
    copyDayToStore(store, 500, day, all);
    copyDayFromStore(store, 500, day, all);
    for (int i = 1; i <= 950; ++i)
        ASSERT_EQ(day.cell(DayCol::What, i), std::to_string(i));
}

TEST(StoreTables, NormalisingPutsBackHeadersAndTheBlankRow) {
    Table todo(2, 1);
    todo.setCell(0, 0, "wrong");
    normaliseTodoTable(todo);
    EXPECT_EQ(todo.colCount(), 3);
    EXPECT_EQ(todo.rowCount(), 2);
    EXPECT_EQ(todo.cell(0, 0), "Category");
    Table store(6, 3);
    store.setCell(0, 0, "header");
    store.setCell(0, 1, "10.101");
    normaliseStoreTable(store);
    EXPECT_EQ(store.cell(0, 0), "");
    EXPECT_EQ(store.cell(0, 1), "10.101");
}

} // namespace
} // namespace orvella
