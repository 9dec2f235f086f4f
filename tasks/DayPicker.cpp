#include "tasks/DayPicker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvella {

DayPicker::DayPicker(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool DayPicker::isSelected(int day) const {
    return day >= 1 && day <= kDays && selected_[static_cast<std::size_t>(day)];
}

void DayPicker::setSelected(int day, bool selected) {
    if (day < 1 || day > kDays || isSelected(day) == selected)
        return;
    selected_[static_cast<std::size_t>(day)] = selected;
    update(cellRect(day));
    emit toggled(day, selected);
}

void DayPicker::toggle(int day) {
    setSelected(day, !isSelected(day));
}

QSize DayPicker::cellSize() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("00")) + 12, fm.height() + 6};
}

QRect DayPicker::cellRect(int day) const {
    const QSize cell = cellSize();
    const int index = day - 1;
    return {1 + (index % kColumns) * cell.width(), 1 + (index / kColumns) * cell.height(), cell.width() - 1,
            cell.height() - 1};
}

int DayPicker::dayAt(const QPoint& point) const {
    const QSize cell = cellSize();
    if (point.x() < 1 || point.y() < 1)
        return 0;
    const int column = (point.x() - 1) / cell.width();
    const int row = (point.y() - 1) / cell.height();
    if (column >= kColumns || row >= kRows)
        return 0;
    const int day = row * kColumns + column + 1;
    return day <= kDays ? day : 0;
}

QSize DayPicker::sizeHint() const {
    const QSize cell = cellSize();
    return {kColumns * cell.width() + 1, kRows * cell.height() + 1};
}

void DayPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QSize cell = cellSize();
    p.fillRect(rect(), palette().color(QPalette::Mid));
    const QFontMetrics fm(font());
    for (int index = 0; index < kColumns * kRows; ++index) {
        const int day = index + 1;
        const QRect r(1 + (index % kColumns) * cell.width(), 1 + (index / kColumns) * cell.height(),
                      cell.width() - 1, cell.height() - 1);
        if (day > kDays) {
            p.fillRect(r, palette().color(QPalette::Button));
            continue;
        }
        const bool selected = isSelected(day);
        p.fillRect(r, selected ? Qt::black : Qt::white);
        p.setPen(selected ? Qt::white : Qt::black);
        p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(day));
        if (hasFocus() && day == current_) {
            p.setPen(QPen(selected ? Qt::white : Qt::black, 1, Qt::DotLine));
            p.drawRect(r.adjusted(1, 1, -2, -2));
        }
    }
}

void DayPicker::mousePressEvent(QMouseEvent* event) {
    const int day = dayAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || day == 0)
        return;
    current_ = day;
    toggle(day);
    update();
}

void DayPicker::keyPressEvent(QKeyEvent* event) {
    int next = current_;
    switch (event->key()) {
    case Qt::Key_Left:
        next = current_ - 1;
        break;
    case Qt::Key_Right:
        next = current_ + 1;
        break;
    case Qt::Key_Up:
        next = current_ - kColumns;
        break;
    case Qt::Key_Down:
        next = current_ + kColumns;
        break;
    case Qt::Key_Space:
        toggle(current_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (next >= 1 && next <= kDays) {
        current_ = next;
        update();
    }
}

} // namespace orvella
