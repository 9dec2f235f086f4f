#include "settings/HintSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace orvella {

HintSwitch::HintSwitch(QWidget& window) : QObject(&window), window_(window) {
    // Tooltips go to whichever control is under the pointer, so the switch listens to all.
    QCoreApplication::instance()->installEventFilter(this);
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (!shown_ && event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w == &window_ || window_.isAncestorOf(w))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvella
