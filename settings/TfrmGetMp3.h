#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvella {

class SoundPlayer;

// The sound-file dialog: one sound file name, with a search, a test play and a check that
// the file exists. An empty name is a valid answer (the caller's default sound).
class TfrmGetMp3 : public QDialog {
    Q_OBJECT

public:
    TfrmGetMp3(SoundPlayer& player, const QString& fileName, const QString& note, bool shadows,
               QWidget* parent = nullptr);

    QString fileName() const;

    void btSearchClick();
    void btTestClick();
    void btClearClick();
    void btOKClick();

private:
    SoundPlayer& player_;
    QLabel* lblTitle = nullptr;
    QLabel* lblNote = nullptr;
    QLabel* lblSound = nullptr;
    QLineEdit* edSound = nullptr;
    QPushButton* btSearch = nullptr;
    QPushButton* btTest = nullptr;
    QPushButton* btClear = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
};

inline constexpr int kSoundFileMaxLength = 120;

} // namespace orvella
