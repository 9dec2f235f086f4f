#include "settings/TitleShadow.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>

#include <cstdlib>

namespace orvella {

void applyTitleShadow(QLabel& label, bool shadows) {
    const int depth = shadows ? 4 : 1;
    auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(label.graphicsEffect());
    if (!effect) {
        effect = new QGraphicsDropShadowEffect(&label);
        effect->setBlurRadius(0);
        effect->setColor(QColor(128, 128, 128));
        label.setGraphicsEffect(effect);
    }
    effect->setOffset(depth, depth);
    QPalette pal = label.palette();
    pal.setColor(QPalette::WindowText, shadows ? QColor(0, 0, 255) : QColor(0, 0, 128));
    label.setPalette(pal);
}

int titleShadowDepth(const QLabel& label) {
    const auto* effect = qobject_cast<const QGraphicsDropShadowEffect*>(label.graphicsEffect());
    return effect ? static_cast<int>(effect->xOffset()) : 0;
}

int titleCaptionHeight(int points, double dpi, bool shadows) {
    const int height = std::abs(static_cast<int>(points * dpi / 72.0) + 8);
    return shadows ? height + 3 : height;
}

} // namespace orvella
