#include "tasks/AnalogClock.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace orvella {

namespace {

// A hand pointing up from the centre, in a face of radius 100.
void drawHand(QPainter& p, double degrees, double length, double width, const QColor& colour) {
    p.save();
    p.rotate(degrees);
    QPainterPath hand;
    hand.moveTo(-width / 2, 8);
    hand.lineTo(width / 2, 8);
    hand.lineTo(width / 4, -length);
    hand.lineTo(-width / 4, -length);
    hand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(hand);
    p.restore();
}

} // namespace

AnalogClock::AnalogClock(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void AnalogClock::setTime(const QTime& time) {
    if (time == time_)
        return;
    time_ = time;
    update();
}

QSize AnalogClock::sizeHint() const {
    return {96, 96};
}

void AnalogClock::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(side / 210.0, side / 210.0);

    p.setPen(QPen(palette().color(QPalette::Mid), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 100, 100);

    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        p.setPen(QPen(Qt::black, hour ? 4 : 1.5));
        p.drawLine(QPointF(0, hour ? -82 : -88), QPointF(0, -94));
        p.rotate(6);
    }

    const double minutes = time_.minute() + time_.second() / 60.0;
    const double hours = (time_.hour() % 12) + minutes / 60.0;
    drawHand(p, hours * 30.0, 52, 12, QColor(0, 0, 128));
    drawHand(p, minutes * 6.0, 80, 8, QColor(0, 0, 255));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QPointF(0, 0), 6, 6);
}

} // namespace orvella
