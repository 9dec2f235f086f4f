#include "settings/ColourPanel.h"

#include "settings/OptionConversions.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvella {

ColourPanel::ColourPanel(const QString& name, const QString& caption, QWidget* parent)
    : QFrame(parent), caption_(caption) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(caption);
}

void ColourPanel::setColours(const ColourPair& colours) {
    colours_ = colours;
    update();
}

QSize ColourPanel::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextSingleLine, caption_);
    return {std::max(text.width() + 24, 96), text.height() + 10};
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        const QRect inside = contentsRect();
        const bool on = isEnabled();
        p.fillRect(inside, on ? toQColor(colours_.background)
                              : palette().color(QPalette::Disabled, QPalette::Button));
        p.setPen(on ? toQColor(colours_.text) : palette().color(QPalette::Disabled, QPalette::WindowText));
        p.drawText(inside, Qt::AlignCenter, caption_);
        if (hasFocus()) {
            QPen dots(p.pen().color(), 1, Qt::DotLine);
            p.setPen(dots);
            p.drawRect(inside.adjusted(2, 2, -3, -3));
        }
    }
    QFrame::paintEvent(event);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColourPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ColourPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        update();
    QFrame::changeEvent(event);
}

} // namespace orvella
