#include "tasks/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace orvella {

namespace {
constexpr int kTextMargin = 3;
} // namespace

TabStopDelegate::TabStopDelegate(int dialogUnits, QObject* parent)
    : QStyledItemDelegate(parent), dialogUnits_(dialogUnits) {}

int TabStopDelegate::stopWidth(const QFont& font) const {
    // A horizontal dialog unit is a quarter of the font's average letter width.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics fm(font);
    const int average = (fm.horizontalAdvance(letters) / 26 + 1) / 2;
    return std::max(1, average * dialogUnits_ / 4);
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList fields = opt.text.split(QLatin1Char('\t'));
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    painter->save();
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    const QFontMetrics fm(opt.font);
    const int stop = stopWidth(opt.font);
    const QRect area = opt.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    int x = 0;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            x = (x / stop + 1) * stop;
        const QRect r(area.left() + x, area.top(), area.width() - x, area.height());
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, fields[i]);
        x += fm.horizontalAdvance(fields[i]);
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList fields = opt.text.split(QLatin1Char('\t'));
    const QFontMetrics fm(opt.font);
    const int stop = stopWidth(opt.font);
    int x = 0;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            x = (x / stop + 1) * stop;
        x += fm.horizontalAdvance(fields[i]);
    }
    return {x + 2 * kTextMargin,
            std::max(fm.height() + 2, QStyledItemDelegate::sizeHint(option, index).height())};
}

} // namespace orvella
