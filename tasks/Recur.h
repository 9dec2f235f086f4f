#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "tasks/recurrence.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace orvella {

class DayPicker;

// The recurrence dialog "Repeating event": dates generated from a pattern between two dates,
// previewed, thinned out by the user and confirmed. It stores nothing itself: when it ends
// accepted, the caller stores task() on every date of dates() (appendRepeatRows) and sorts
// and saves the store.
class TfrmRecur : public QDialog {
    Q_OBJECT

public:
    TfrmRecur(const Clock& clock, const FormatSettings& formats, QWidget* parent = nullptr);

    // The task to repeat: its time as the long time format writes it, category, alarm flag
    // and notes.
    void init(const std::string& time, const std::string& category, bool alarm, const std::string& notes);
    // The first day of the range; the range ends 30 days later until the user changes it.
    void setStartDate(int date);

    const RepeatedTask& task() const { return task_; }
    // The dates of the preview list as it stands, top to bottom.
    std::vector<int> dates() const;
    // The pattern the controls describe.
    RecurrenceRule rule() const;
    int startDate() const;
    int endDate() const;

    void btPreviewClick();
    void btResetClick();
    void btDeleteClick();
    void btOKClick();
    void ListBox1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void patternClick();
    void dateChange();
    void occurrenceClick(int occurrence);
    void updateCount();
    void updateButtons();

    const Clock& clock_;
    const FormatSettings& formats_;
    RepeatedTask task_;

    QLabel* lblStart = nullptr;
    QDateEdit* date1 = nullptr;
    QLabel* lblEnd = nullptr;
    QDateEdit* date2 = nullptr;
    QLabel* lblNdays = nullptr;
    QLabel* lblDays = nullptr;

    QRadioButton* rbWofM = nullptr;
    QRadioButton* rbDofM = nullptr;
    QRadioButton* rbWeekly = nullptr;
    QRadioButton* rbDaily = nullptr;
    QRadioButton* rbAnnual = nullptr;
    QStackedWidget* pnlPattern = nullptr;

    QWidget* pnlWofM = nullptr;
    QSpinBox* cntWofM = nullptr;
    // Indexed by Occurrence, and by weekday 1 Sunday .. 7 Saturday (0 unused).
    std::array<QCheckBox*, kOccurrenceCount> cbOccurrence{};
    std::array<QCheckBox*, 8> cbWofMDay{};

    QWidget* pnlDofM = nullptr;
    QSpinBox* cntDofM = nullptr;
    DayPicker* sgMonth = nullptr;
    QCheckBox* cbLastDay = nullptr;
    QCheckBox* cbDofMAvoidSat = nullptr;
    QCheckBox* cbDofMAvoidSun = nullptr;

    QWidget* pnlWeekly = nullptr;
    QSpinBox* cntWeekly = nullptr;
    std::array<QCheckBox*, 8> cbWeeklyDay{};

    QWidget* pnlDaily = nullptr;
    QSpinBox* cntDaily = nullptr;
    QCheckBox* cbDailyAvoidSat = nullptr;
    QCheckBox* cbDailyAvoidSun = nullptr;

    QWidget* pnlAnnual = nullptr;
    QLabel* lblAnnual = nullptr;

    QLabel* lblPreview = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* lblHighlight = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* btPreview = nullptr;
    QPushButton* btReset = nullptr;
    QPushButton* btDelete = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
};

} // namespace orvella
