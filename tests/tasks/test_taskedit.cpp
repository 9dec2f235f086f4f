#include "data/DateTime.h"
#include "data/TaskStore.h"
#include "tasks/completion.h"
#include "tasks/taskedit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvella {
namespace {

int day(int y, int m, int d) {
    return encodeDate(y, m, d);
}

Table storeOf(const std::vector<std::vector<std::string>>& rows) {
    Table t = newStoreTable();
    for (const auto& cells : rows) {
        const int r = t.appendRow();
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            t.setCell(c, r, cells[static_cast<std::size_t>(c)]);
    }
    return t;
}

TEST(TaskEdit, TenYearlyDatesFromTheTwentyNinthOfFebruaryFallBackInCommonYears) {
    std::vector<int> expected;
    for (int y = 2005; y <= 2014; ++y)
        expected.push_back(isLeapYear(y) ? day(y, 2, 29) : day(y, 2, 28));
    EXPECT_EQ(tenYearlyDates(day(2004, 2, 29)), expected);
    EXPECT_EQ(tenYearlyDates(day(2003, 5, 12)).back(), day(2013, 5, 12));
}

TEST(TaskEdit, AToDoWithAnEmptyCategoryHoldsATaskAndIsNotOverwritten) {
    Table todo = newTodoTable();
    EXPECT_EQ(fileTodoTask(todo, {"", "", "call Anna", "No", "No"}), 1);
    EXPECT_TRUE(rowHoldsTask(todo, 1, false));
    EXPECT_EQ(fileTodoTask(todo, {"", "Home", "water plants", "No", "No"}), 2);
    EXPECT_EQ(todo.cell(TodoCol::What, 1), "call Anna");
    EXPECT_EQ(todo.cell(TodoCol::Category, 2), "Home");
    EXPECT_FALSE(rowHoldsTask(todo, 0, false));
    EXPECT_FALSE(rowHoldsTask(todo, 3, false));
}

TEST(TaskEdit, CloningCopiesTheRowAboveItself) {
    Table day = newDayTable();
    fileDayTask(day, {"9:00 AM", "Work", "first", "No", "Yes"});
    fileDayTask(day, {"10:00 AM", "Home", "second", "Yes", "No"});
    cloneRow(day, 2);
    ASSERT_EQ(day.rowCount(), 4);
    for (int c = 0; c < DayCol::Count; ++c)
        EXPECT_EQ(day.cell(c, 2), day.cell(c, 3));
    EXPECT_EQ(day.cell(DayCol::What, 1), "first");
}

TEST(TaskEdit, AStoredTaskGetsTheFirstSequenceAndTheSortPlacesIt) {
    Table store = storeOf({{makeStoreKey(100, 101), "8:00 AM", "", "a", "No", "No"},
                           {makeStoreKey(200, 101), "8:00 AM", "", "c", "No", "No"}});
    appendStoreTask(store, 150, {"9:00 AM", "Work", "b", "No", "Yes"});
    sortStore(store);
    EXPECT_EQ(store.cell(StoreCol::Key, 2), "150.100");
    EXPECT_EQ(store.cell(StoreCol::What, 2), "b");
    EXPECT_EQ(store.cell(StoreCol::Alarm, 2), "Yes");
}

TEST(TaskEdit, PrefixesCountCharactersNotBytes) {
    EXPECT_EQ(cellPrefix("\xc3\xa4\xc3\xb6\xc3\xbc", 2), "\xc3\xa4\xc3\xb6");
    EXPECT_EQ(cellPrefix("\xe4\xf6\xfc", 2), "\xe4\xf6"); // Windows-1252
    EXPECT_EQ(cellPrefix("short", 50), "short");
}

TEST(Deletion, RepeatsAreLaterRowsWithTheSameCategoryWhatAndDone) {
    const int d = 1000;
    const Table store = storeOf({
        {makeStoreKey(d - 1, 101), "9:00 AM", "Work", "gym", "No", "No"},  // earlier: never
        {makeStoreKey(d, 101), "9:00 AM", "Work", "gym", "No", "No"},      // the task itself
        {makeStoreKey(d + 1, 101), "7:00 AM", "Work", "gym", "No", "Yes"}, // time, alarm ignored
        {makeStoreKey(d + 2, 101), "9:00 AM", "Work", "gym", "Yes", "No"}, // done differs
        {makeStoreKey(d + 3, 101), "9:00 AM", "work", "gym", "No", "No"},  // case differs
        {makeStoreKey(d + 4, 101), "9:00 AM", "Work", "Gym", "No", "No"},
        {makeStoreKey(d + 7, 101), "9:00 AM", "Work", "gym", "No", "No"},
    });
    EXPECT_EQ(countRepeats(store, d, "Work", "gym", "No"), 2);
    Table pruned = store;
    EXPECT_EQ(removeRepeats(pruned, d, "Work", "gym", "No"), 2);
    ASSERT_EQ(pruned.rowCount(), store.rowCount() - 2);
    const std::vector<std::string> left{"999.101", "1000.101", "1002.101", "1003.101", "1004.101"};
    for (int r = 1; r < pruned.rowCount(); ++r)
        EXPECT_EQ(pruned.cell(StoreCol::Key, r), left[static_cast<std::size_t>(r - 1)]);
}

TEST(Deletion, TheLastRowOfAGridIsEmptiedAndKept) {
    struct Case {
        int rows;
        int remove;
        int rowsAfter;
        std::string firstWhat;
    };
    for (const Case& c : {Case{1, 1, 2, ""}, Case{2, 1, 2, "task2"}, Case{2, 2, 2, "task1"}}) {
        Table day = newDayTable();
        for (int i = 1; i <= c.rows; ++i)
            fileDayTask(day, {"9:00 AM", "", "task" + std::to_string(i), "No", "No"});
        removeGridRow(day, c.remove);
        EXPECT_EQ(day.rowCount(), c.rowsAfter);
        EXPECT_EQ(day.cell(DayCol::What, 1), c.firstWhat);
    }
}

TEST(Deletion, Questions) {
    EXPECT_EQ(deleteQuestion("Dentist"), "Really delete \"Dentist ... \"?");
    EXPECT_EQ(deleteQuestion(std::string(60, 'x')), "Really delete \"" + std::string(50, 'x') + " ... \"?");
    EXPECT_EQ(repeatQuestion(3),
              "This event appears to be repeated 3 times in the future.  Delete all repeats?");
}

TEST(CompletedList, RecordsGoOnTopNewestFirst) {
    const FormatSettings fs = FormatSettings::enUS();
    Table list = newCompletedTable();
    addCompletionRecord(list, {double(day(2003, 5, 12)), 0.625, "Work", "Mon 5/12/2003", "first", "done"},
                        fs);
    ASSERT_EQ(list.rowCount(), 2);
    addCompletionRecord(list, {double(day(2003, 5, 13)), 0.5, "Home", "To-do task", "second", ""}, fs);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.cell(CompCol::What, 1), "second");
    EXPECT_EQ(list.cell(CompCol::What, 2), "first");
    EXPECT_EQ(list.cell(CompCol::CompDate, 2), "5/12/2003");
    EXPECT_EQ(list.cell(CompCol::OrigDate, 2), "Mon 5/12/2003");
    EXPECT_EQ(list.cell(CompCol::CompNotes, 2), "done");
    EXPECT_EQ(list.cell(CompCol::Time, 2).substr(0, 4), "3:00");
    EXPECT_EQ(list.cell(CompCol::CompDate, 0), "Comp Date");
    EXPECT_EQ(list.cell(CompCol::CompNotes, 0), "Comp Notes");
}

TEST(CompletedList, ClearingLeavesTheHeaderAndOneEmptyRow) {
    for (int records : {0, 3}) {
        Table list = newCompletedTable();
        for (int i = 0; i < records; ++i)
            addCompletionRecord(list, {1.0, 0.5, "", "", "x", ""}, FormatSettings::enUS());
        clearCompletedList(list);
        EXPECT_EQ(list.rowCount(), 2);
        EXPECT_TRUE(list.isRowEmpty(1));
        EXPECT_EQ(list.cell(CompCol::What, 0), "What");
    }
}

} // namespace
} // namespace orvella
