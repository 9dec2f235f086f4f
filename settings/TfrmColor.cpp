#include "settings/TfrmColor.h"

#include "settings/ColourCombo.h"
#include "settings/ColourPreview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella {

TfrmColor::TfrmColor(Mode mode, const QString& title, const QColor& text, const QColor& background,
                     QWidget* parent)
    : QDialog(parent), mode_(mode) {
    setObjectName(QStringLiteral("frmColor"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Set Color") : title);

    calPreview = new ColourPreview(this);
    lblFG = new QLabel(QStringLiteral("ForeGround"), this);
    lblFG->setObjectName(QStringLiteral("lblFG"));
    cbFG = new ColourCombo(QStringLiteral("cbFG"), this);
    lblFG->setBuddy(cbFG);
    lblBG = new QLabel(QStringLiteral("BackGround"), this);
    lblBG->setObjectName(QStringLiteral("lblBG"));
    cbBG = new ColourCombo(QStringLiteral("cbBG"), this);
    lblBG->setBuddy(cbBG);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* pickers = new QGridLayout;
    pickers->setHorizontalSpacing(10);
    pickers->setVerticalSpacing(10);
    if (mode_ == Mode::Month) {
        pickers->addWidget(lblFG, 0, 0, 1, 2);
    } else {
        pickers->addWidget(lblFG, 0, 0);
        pickers->addWidget(cbFG, 0, 1);
    }
    pickers->addWidget(lblBG, 1, 0);
    pickers->addWidget(cbBG, 1, 1);
    pickers->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->addWidget(calPreview);
    column->addSpacing(6);
    column->addLayout(pickers);
    column->addSpacing(20);
    column->addLayout(buttons);

    switch (mode_) {
    case Mode::Normal:
        break;
    case Mode::Month:
        // Only the outline (background) of the current month is chosen here.
        cbFG->hide();
        lblFG->setText(QStringLiteral("Set outline color of current month"));
        lblFG->setBuddy(cbBG);
        calPreview->setMonthPreview(true);
        break;
    case Mode::Hint:
        calPreview->hide();
        break;
    }

    cbFG->setColour(text);
    cbBG->setColour(background);
    pickerChanged();
    connect(cbFG, &ColourCombo::colourChanged, this, &TfrmColor::pickerChanged);
    connect(cbBG, &ColourCombo::colourChanged, this, &TfrmColor::pickerChanged);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

QColor TfrmColor::foreground() const {
    return cbFG->colour();
}

QColor TfrmColor::background() const {
    return cbBG->colour();
}

void TfrmColor::pickerChanged() {
    calPreview->setColours(cbFG->colour(), cbBG->colour());
}

} // namespace orvella
