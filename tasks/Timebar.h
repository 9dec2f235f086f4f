#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"

#include <QDialog>
#include <QTime>

class QLabel;
class QPushButton;
class QTimeEdit;
class QTimer;
class QToolButton;

namespace orvella {

class AnalogClock;

// The time entry dialog "Time Entry": a time picked on the time bar by pointing or dragging,
// by keys, or typed. The caller sets the time with settime, shows the dialog through the
// dialog seam and, when it is accepted, reads the time back.
class TfrmTimePopup : public QDialog {
    Q_OBJECT

public:
    TfrmTimePopup(const Clock& clock, const FormatSettings& formats, QWidget* parent = nullptr);

    // The time to start from; midnight stands for "none", so the current time is used.
    void settime(const QTime& time);
    // The chosen time, as dtTime holds it.
    QTime time() const;

    // The bar pixel the pointer's line is drawn at.
    int pointerX() const { return pointerX_; }
    // Where the cursor goes on the bar when the dialog has shown, in global coordinates.
    QPoint cursorTarget() const;

    void FormShow();
    void sbNowClick();
    void drawPointer(int x, bool byMouse);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void dtTimeChange();
    void moveCursorToBar();
    bool handleKey(int key);
    bool barMouse(QLabel* bar, QEvent* event);
    void setChosen(const QTime& time);
    void updateNowCaption();
    QTime now() const;
    QLabel* activeBar() const;

    const Clock& clock_;
    const FormatSettings& formats_;
    bool dragging_ = false;
    int pointerX_ = -1;

    QWidget* pnlBar = nullptr;
    QLabel* im24 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* imTop = nullptr;
    QLabel* imBot = nullptr;
    QWidget* imLine = nullptr;
    QLabel* pnlTime = nullptr;
    QTimeEdit* dtTime = nullptr;
    QToolButton* sbNow = nullptr;
    AnalogClock* Clock1 = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
    QTimer* tmNow = nullptr;
};

} // namespace orvella
