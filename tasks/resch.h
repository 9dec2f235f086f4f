#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace orvella {

// The reschedule dialog "Reschedule Task": one date field and what that day is called.
// The caller sets the selected day, shows it through the dialog seam and reads the day back.
class TfrmReschedule : public QDialog {
    Q_OBJECT

public:
    TfrmReschedule(const Clock& clock, const FormatSettings& formats, QWidget* parent = nullptr);

    void setDate(int date);
    int date() const;
    // The heading looks like the main window's day heading.
    void setTitleLook(const QFont& font, const QPalette& palette);

    void FormShow();
    void date1Change();

private:
    const Clock& clock_;
    const FormatSettings& formats_;

    QLabel* lblTitle = nullptr;
    QLabel* lblDate = nullptr;
    QDateEdit* date1 = nullptr;
    QLabel* lblDate2 = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
};

} // namespace orvella
