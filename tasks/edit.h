#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "data/Table.h"
#include "tasks/completion.h"
#include "tasks/spelling.h"
#include "tasks/taskedit.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;
class QToolButton;

namespace orvella {

// The edit dialog "Edit Task": one task's fields on the task panel and, on the completion
// panel, the notes and date recorded when it is completed. It never touches the day grid
// or the to-do grid; its caller files the result. Only the repeat entries write the store.
class TfrmEdit : public QDialog {
    Q_OBJECT

public:
    // What the dialog works with; all of it outlives the dialog.
    struct Environment {
        const Clock& clock;
        const FormatSettings& formats;
        std::string dataFolder;
        Table& store;
        int selectedDate = 0;
        std::string defaultCategory;
        // Sorts and saves the store.
        std::function<void()> sortStore;
        // Appends a completion record to the completed-task list.
        std::function<void(const CompletionRecord&)> addCompletion;
        // The category editor over "category.xxx"; true when it was confirmed.
        std::function<bool()> editCategories;
        // The spelling dictionary; the spelling buttons are hidden without one.
        const SpellDictionary* speller = nullptr;
    };

    explicit TfrmEdit(Environment env, QWidget* parent = nullptr);

    // Inputs the caller sets before showing.
    bool existingTask = false;
    bool dateTask = false;
    bool completeOnShow = false;
    std::string originText;
    int taskDate = 0;

    // The heading; "PAST " and red for a day gone by.
    void setTitle(const std::string& text, bool past);
    // The headings and memos look like the main window's day heading and notes box.
    void setLooks(const QFont& titleFont, const QPalette& titlePalette, const QFont& memoFont);
    // An existing task's cells; the Time cell is read with timeOrNow.
    void setTask(const TaskFields& task);
    // Time and alarm mean nothing for a to-do task or a done one.
    void hideTimeFields();
    void setCompleteEnabled(bool enabled);
    // The fields as the grids keep them (Time as the short time format writes it).
    TaskFields task() const;
    // A repeat entry stored this new task on the selected day itself.
    bool storedNewTask() const { return storedNewTask_; }
    std::vector<std::string> categories() const;

    // Shows the dialog modally through the dialog seam, after the showing step.
    int showModal();
    void FormShow();

    void btOKClick();
    void btCompleteClick();
    void btOK2Click();
    void btCancel2Click();
    void btOriginClick();
    void btTodayClick();
    void btRescheduleClick();
    void btTimeClick();
    void btCategoryClick();
    void Repeat1Click();
    void Repeatannuallyfor10years1Click();
    void memMainChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    bool notesBlank();
    void loadCategories();
    void saveCategories();
    TaskFields storeFields() const;
    void storeNewTask();
    double timeValue() const;

    Environment env_;
    bool storedNewTask_ = false;

    QWidget* pnlMain = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblTime = nullptr;
    QTimeEdit* dtTime = nullptr;
    QToolButton* btTime = nullptr;
    QLabel* lblCategory = nullptr;
    QComboBox* cbCategory = nullptr;
    QToolButton* btCategory = nullptr;
    QCheckBox* cbAlarm = nullptr;
    QCheckBox* cbDone = nullptr;
    QLabel* lblComplete = nullptr;
    QLabel* lblNotes = nullptr;
    QPlainTextEdit* memMain = nullptr;
    QPushButton* btSpell1 = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
    QPushButton* btComplete = nullptr;
    QPushButton* btReschedule = nullptr;
    QPushButton* btRepeat = nullptr;
    QMenu* popRepeat = nullptr;
    QAction* Repeat1 = nullptr;
    QAction* Repeatannuallyfor10years1 = nullptr;

    QWidget* pnlComplete = nullptr;
    QLabel* EsLabel1 = nullptr;
    QLabel* lblCompNotes = nullptr;
    QPlainTextEdit* memComplete = nullptr;
    QLabel* lblCompDate = nullptr;
    QDateEdit* dtComplete = nullptr;
    QPushButton* btOrigin = nullptr;
    QPushButton* btToday = nullptr;
    QPushButton* btSpell2 = nullptr;
    QPushButton* btOK2 = nullptr;
    QPushButton* btCancel2 = nullptr;
};

} // namespace orvella
