#pragma once

#include <QObject>

class QWidget;

namespace orvella {

// Turns a window's fly-by hints on and off: while off, tooltips of the window and of every
// control in it are not shown.
class HintSwitch : public QObject {
    Q_OBJECT

public:
    explicit HintSwitch(QWidget& window);

    void setHintsShown(bool shown) { shown_ = shown; }
    bool hintsShown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    bool shown_ = true;
};

} // namespace orvella
