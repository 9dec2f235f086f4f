#include "organise/FilterIcons.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvella {

namespace {

QPainterPath funnel(qreal s) {
    QPainterPath path;
    path.moveTo(s * 0.08, s * 0.14);
    path.lineTo(s * 0.92, s * 0.14);
    path.lineTo(s * 0.58, s * 0.52);
    path.lineTo(s * 0.58, s * 0.80);
    path.lineTo(s * 0.42, s * 0.92);
    path.lineTo(s * 0.42, s * 0.52);
    path.closeSubpath();
    return path;
}

QPixmap funnelPicture(int size, bool on) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal line = std::max<qreal>(1.0, s / 14.0);
    if (on) {
        QLinearGradient fill(0, s * 0.14, 0, s * 0.92);
        fill.setColorAt(0, QColor(255, 196, 40));
        fill.setColorAt(1, QColor(230, 120, 0));
        p.setPen(QPen(QColor(120, 60, 0), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(funnel(s));
        // The mark that says some tasks are hidden.
        const QRectF mark(s * 0.60, s * 0.56, s * 0.38, s * 0.38);
        p.setPen(QPen(Qt::white, line * 0.8));
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(mark);
    } else {
        p.setPen(QPen(QColor(70, 80, 100), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(235, 240, 248));
        p.drawPath(funnel(s));
    }
    return pixmap;
}

QIcon funnelIcon(bool on) {
    QIcon icon;
    for (const int size : {16, 20, 24, 32, 48})
        icon.addPixmap(funnelPicture(size, on));
    return icon;
}

} // namespace

QIcon filtersOffIcon() {
    return funnelIcon(false);
}

QIcon filtersOnIcon() {
    return funnelIcon(true);
}

QString filterMenuCaption(bool active) {
    return active ? QStringLiteral("FILTERS ON") : QStringLiteral("Filters");
}

void showFilterState(QAction& menuItem, QAction& button, bool active) {
    menuItem.setText(filterMenuCaption(active));
    button.setIcon(active ? filtersOnIcon() : filtersOffIcon());
}

} // namespace orvella
