#pragma once

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;

namespace orvella {

class ColourCombo;
class ColourPreview;

// The colour dialog: a text colour and a background colour with a small calendar that shows
// them. Month mode picks only the background of the current month's calendar; hint mode
// has no preview.
class TfrmColor : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Normal, Month, Hint };

    TfrmColor(Mode mode, const QString& title, const QColor& text, const QColor& background,
              QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    QColor foreground() const;
    QColor background() const;

private:
    void pickerChanged();

    Mode mode_;
    ColourPreview* calPreview = nullptr;
    QLabel* lblFG = nullptr;
    ColourCombo* cbFG = nullptr;
    QLabel* lblBG = nullptr;
    ColourCombo* cbBG = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
};

} // namespace orvella
