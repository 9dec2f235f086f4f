#pragma once

#include "data/Table.h"

#include <QAbstractTableModel>
#include <QFont>

namespace orvella {

// Shows a Table in a view: the table's row 0 is the header, rows 1 and up are the view's rows.
// The table stays owned by whoever owns it; after changing it, call reload().
class TableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TableModel(Table& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void reload();
    // Rows whose cell in `column` contains "Yes" show struck out while that is on.
    void setStrikeOutColumn(int column) { strikeColumn_ = column; }
    void setStrikeOut(bool on);
    // The font the view shows; struck-out rows use it too.
    void setFont(const QFont& font) { font_ = font; }
    Table& table() { return table_; }
    // The table row a view row shows.
    static int tableRow(int viewRow) { return viewRow + 1; }

private:
    Table& table_;
    QFont font_;
    int strikeColumn_ = -1;
    bool strikeOut_ = true;
};

} // namespace orvella
