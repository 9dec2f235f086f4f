#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace orvella {

namespace {

QPixmap calendarPage(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF page(s * 0.08, s * 0.12, s * 0.84, s * 0.80);
    p.setPen(QPen(QColor(40, 60, 110), s / 24.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, s * 0.08, s * 0.08);
    const QRectF band(page.left(), page.top(), page.width(), page.height() * 0.28);
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(band, s * 0.08, s * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 0));
    const qreal cell = page.width() / 4.0;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            if ((row + col) % 2 == 0)
                p.drawRect(QRectF(page.left() + cell * (col + 0.5), band.bottom() + cell * (row * 0.9 + 0.3),
                                  cell * 0.6, cell * 0.6));
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64, 128})
        icon.addPixmap(calendarPage(size));
    return icon;
}

} // namespace orvella
