#pragma once

#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// A table of text cells: columns by rows, row 0 is the header row and never holds data.
// Cells are byte strings; the empty string is an empty cell. Cells are kept row-major in
// one vector so that a store of a million rows stays compact and cache friendly.
class Table {
public:
    Table() = default;
    Table(int cols, int rows);

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }

    // Resizing keeps the cells that stay inside the new size.
    void setSize(int cols, int rows);
    void setColCount(int cols) { setSize(cols, rows_); }
    void setRowCount(int rows);
    // Room for `rows` rows without moving the cells again.
    void reserveRows(int rows);

    const std::string& cell(int col, int row) const { return cells_[index(col, row)]; }
    std::string& cell(int col, int row) { return cells_[index(col, row)]; }
    void setCell(int col, int row, std::string_view text) { cells_[index(col, row)].assign(text); }

    int colWidth(int col) const { return widths_[static_cast<std::size_t>(col)]; }
    void setColWidth(int col, int width) { widths_[static_cast<std::size_t>(col)] = width; }

    bool isRowEmpty(int row) const;
    void clearRow(int row);

    // Row operations shift the following rows; `at` may equal rowCount() to append.
    void insertRows(int at, int count);
    void removeRows(int at, int count);
    void removeRow(int row) { removeRows(row, 1); }
    int appendRow();

    // Moves row `from` to position `to` (both data rows), shifting the rows in between.
    void moveRow(int from, int to);

    // Keeps of the rows from `first` on only those listed, in the listed order: new row
    // first+i is old row first+order[i], and the table ends after the last listed row.
    void selectRows(int first, const std::vector<int>& order);

    // Reorders rows from `first` on like selectRows with every row listed, for an order that
    // keeps rows first..first+prefix-1 in their order (the other rows merged in among them):
    // rows only move towards the end, so this walks the table once from the back.
    void mergeRows(int first, int prefix, const std::vector<int>& order);

    // Replaces rows [first, first+count) with the rows of `block` (same column count).
    void replaceRows(int first, int count, std::vector<std::string>&& block);

    // The cells of rows [first, first+count), row-major, moved out of the table.
    std::vector<std::string> takeRows(int first, int count);

    bool operator==(const Table& other) const = default;

private:
    std::size_t index(int col, int row) const {
        assert(col >= 0 && col < cols_ && row >= 0 && row < rows_);
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }

    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::string> cells_;
    std::vector<int> widths_;
};

// The pixel width a new column gets, as the grid component designs it.
inline constexpr int kDefaultColWidth = 64;

} // namespace orvella
