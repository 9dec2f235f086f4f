#pragma once

#include "settings/OptionTypes.h"

#include <QFrame>

namespace orvella {

// A captioned panel that carries a pair of colours: its background is the background colour
// and its caption is drawn in the text colour. Clicking it (or Space on it) asks for a change.
class ColourPanel : public QFrame {
    Q_OBJECT

public:
    ColourPanel(const QString& name, const QString& caption, QWidget* parent = nullptr);

    ColourPair colours() const { return colours_; }
    void setColours(const ColourPair& colours);
    QString caption() const { return caption_; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString caption_;
    ColourPair colours_;
};

} // namespace orvella
