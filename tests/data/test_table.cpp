#include "data/Table.h"

#include <gtest/gtest.h>

namespace orvella {
namespace {

Table numbered(int rows) {
    Table t(2, rows);
    for (int r = 0; r < rows; ++r) {
        t.setCell(0, r, std::to_string(r));
        t.setCell(1, r, "x" + std::to_string(r));
    }
    return t;
}

std::string column0(const Table& t) {
    std::string s;
    for (int r = 0; r < t.rowCount(); ++r)
        s += t.cell(0, r) + ";";
    return s;
}

TEST(Table, ResizeKeepsCellsInsideTheNewSize) {
    Table t = numbered(3);
    t.setSize(3, 2);
    EXPECT_EQ(t.cell(0, 1), "1");
    EXPECT_EQ(t.cell(1, 1), "x1");
    EXPECT_EQ(t.cell(2, 1), "");
    t.setSize(1, 4);
    EXPECT_EQ(column0(t), "0;1;;;");
}

TEST(Table, RowOperationsShiftTheRowsAfter) {
    Table t = numbered(5);
    t.insertRows(2, 2);
    EXPECT_EQ(column0(t), "0;1;;;2;3;4;");
    t.removeRows(2, 2);
    EXPECT_EQ(column0(t), "0;1;2;3;4;");
    t.moveRow(1, 3);
    EXPECT_EQ(column0(t), "0;2;3;1;4;");
    t.moveRow(3, 1);
    EXPECT_EQ(column0(t), "0;1;2;3;4;");
    EXPECT_EQ(t.cell(1, 4), "x4");
}

TEST(Table, SelectRowsReordersAndDropsTheUnlisted) {
    Table t = numbered(5);
    t.selectRows(1, {3, 0, 2});
    EXPECT_EQ(column0(t), "0;4;1;3;");
    EXPECT_EQ(t.cell(1, 1), "x4");
}

TEST(Table, SelectRowsWithEveryRowReordersInPlace) {
    Table t = numbered(7);
    t.selectRows(1, {2, 0, 1, 3, 5, 4}); // a cycle of three, a fixed row and a swap
    EXPECT_EQ(column0(t), "0;3;1;2;4;6;5;");
    EXPECT_EQ(t.cell(1, 5), "x6");
}

TEST(Table, MergeRowsMovesAppendedRowsInAmongTheOthers) {
    Table t = numbered(7); // rows 1-4 stay in order, rows 5 and 6 go in among them
    t.mergeRows(1, 4, {4, 0, 1, 5, 2, 3});
    EXPECT_EQ(column0(t), "0;5;1;2;6;3;4;");
    EXPECT_EQ(t.cell(1, 4), "x6");
    t.mergeRows(1, 4, {0, 1, 2, 3, 4, 5}); // merged rows that keep their places keep their cells
    EXPECT_EQ(column0(t), "0;5;1;2;6;3;4;");
}

TEST(Table, ReplaceRowsGrowsOrShrinksTheRange) {
    Table t = numbered(4);
    t.replaceRows(1, 1, {"a", "b", "c", "d"});
    EXPECT_EQ(column0(t), "0;a;c;2;3;");
    t.replaceRows(1, 3, {"e", "f"});
    EXPECT_EQ(column0(t), "0;e;3;");
    EXPECT_EQ(t.cell(1, 2), "x3");
}

} // namespace
} // namespace orvella
