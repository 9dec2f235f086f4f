#pragma once

#include <QStyledItemDelegate>

namespace orvella {

// Draws an item's TAB-separated fields at tab stops a fixed number of dialog units apart,
// as a list box with tab stops lays out its lines: a field starts at the first stop past
// the end of the text before it.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TabStopDelegate(int dialogUnits, QObject* parent = nullptr);

    // The distance between stops for a font.
    int stopWidth(const QFont& font) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int dialogUnits_;
};

} // namespace orvella
