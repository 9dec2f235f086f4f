#include "platform/TableModel.h"

#include "platform/QtText.h"

#include <QFont>

namespace orvella {

TableModel::TableModel(Table& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(table_.rowCount() - 1, 0);
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.colCount();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && role == Qt::FontRole && strikeOut_ && strikeColumn_ >= 0 &&
        strikeColumn_ < table_.colCount()) {
        if (table_.cell(strikeColumn_, tableRow(index.row())).find("Yes") == std::string::npos)
            return {};
        QFont font = font_;
        font.setStrikeOut(true);
        return font;
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
        return {};
    return toQt(table_.cell(index.column(), tableRow(index.row())));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= table_.colCount() || table_.rowCount() < 1)
        return {};
    return toQt(table_.cell(section, 0));
}

void TableModel::setStrikeOut(bool on) {
    if (on == strikeOut_)
        return;
    strikeOut_ = on;
    reload();
}

void TableModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace orvella
