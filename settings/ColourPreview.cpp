#include "settings/ColourPreview.h"

#include <QPainter>

namespace orvella {

ColourPreview::ColourPreview(QWidget* parent) : QCalendarWidget(parent) {
    setObjectName(QStringLiteral("calPreview"));
    setNavigationBarVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setSelectionMode(QCalendarWidget::NoSelection);
    setFocusPolicy(Qt::NoFocus);
}

void ColourPreview::setColours(const QColor& text, const QColor& background) {
    text_ = text;
    background_ = background;
    updateCells();
}

void ColourPreview::setMonthPreview(bool month) {
    month_ = month;
    updateCells();
}

void ColourPreview::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    const bool inMonth = date.month() == monthShown() && date.year() == yearShown();
    if (!inMonth && !month_) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->save();
    painter->fillRect(rect, background_);
    if (month_)
        painter->setPen(
            palette().color(inMonth ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    else
        painter->setPen(text_);
    painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter->restore();
}

} // namespace orvella
