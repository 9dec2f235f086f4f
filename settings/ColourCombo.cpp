#include "settings/ColourCombo.h"

#include "platform/Prompts.h"

#include <QPainter>
#include <QPixmap>

namespace orvella {

namespace {

struct NamedColour {
    const char* name;
    QRgb rgb;
};
constexpr NamedColour kStandard[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

QIcon swatch(const QColor& colour) {
    QPixmap pm(16, 12);
    pm.fill(colour);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    return QIcon(pm);
}

} // namespace

ColourCombo::ColourCombo(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    for (const NamedColour& c : kStandard)
        addItem(swatch(QColor(c.rgb)), QString::fromLatin1(c.name), QColor(c.rgb));
    addItem(QStringLiteral("Custom..."));
    customIndex_ = count() - 1;
    connect(this, &QComboBox::activated, this, &ColourCombo::chosen);
    setColour(Qt::black);
}

int ColourCombo::indexOf(const QColor& colour) const {
    for (int i = 0; i < count(); ++i)
        if (i != customIndex_ && itemData(i).value<QColor>().rgb() == colour.rgb())
            return i;
    return -1;
}

void ColourCombo::setColour(const QColor& colour) {
    int index = indexOf(colour);
    if (index < 0) {
        // Any other colour gets an entry of its own, just before "Custom...".
        insertItem(customIndex_, swatch(colour), colour.name(QColor::HexRgb).toUpper(), colour);
        index = customIndex_++;
    }
    setCurrentIndex(index);
    if (colour_.rgb() != colour.rgb() || !colour_.isValid()) {
        colour_ = colour;
        emit colourChanged(colour_);
    }
}

void ColourCombo::chosen(int index) {
    if (index != customIndex_) {
        setColour(itemData(index).value<QColor>());
        return;
    }
    const auto picked = dialogs().colour(this, colour_);
    if (picked)
        setColour(*picked);
    else
        setCurrentIndex(indexOf(colour_));
}

} // namespace orvella
