#pragma once

#include "organise/TaskFilter.h"
#include "settings/SettingsStore.h"

#include <QColor>
#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orvella {

// The filter dialog. Created once at start-up and kept until exit; it owns the task filter
// and its controls show that filter's state. Cancelling (Esc) keeps the ticks for the run.
class TfrmFilter : public QDialog {
    Q_OBJECT

public:
    TfrmFilter(const std::string& dataFolder, Settings& settings, QWidget* parent = nullptr);
    ~TfrmFilter() override;

    TaskFilter& taskFilter() { return filter_; }
    const TaskFilter& taskFilter() const { return filter_; }

    // The title caption, which takes the title font and shadow of the options.
    QLabel& titleCaption() const { return *lblTitle; }

    // Shows the dialog modally through the dialog seam, after the showing step; its result.
    int showModal();
    void FormShow();

    // The done and not-done colours of the options, shown on the two panels.
    void setPanelColours(const QColor& doneText, const QColor& doneBack, const QColor& notDoneText,
                         const QColor& notDoneBack);

    // Merges the category editor's result and writes both category files.
    void UpdateFilterList(const std::vector<std::string>& edited, const std::vector<std::string>& deleted);
    // Writes the ticked categories to the selection file and tells the main window.
    void SaveCategories();
    void UpdateTitle();

    void btOKClick();
    void btOffClick();
    void btSelectClick();
    void btDeselectClick();
    void pnlDoneClick();
    void pnlNotDoneClick();

    // Every way of closing ends here: the two switches are written.
    void done(int result) override;

signals:
    // The selection file was written: the calendars and the day view need refreshing.
    void categoriesSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void cbWhatClickCheck(QListWidgetItem* item);
    void cbDoneClick(bool checked);
    void cbNotDoneClick(bool checked);
    // The controls again from the filter.
    void showFilter();
    void fitColumns();

    std::string dataFolder_;
    Settings& settings_;
    TaskFilter filter_;

    QLabel* lblTitle = nullptr;
    QListWidget* cbWhat = nullptr;
    QPushButton* btSelect = nullptr;
    QPushButton* btDeselect = nullptr;
    QCheckBox* cbDone = nullptr;
    QCheckBox* cbNotDone = nullptr;
    QPushButton* pnlDone = nullptr;
    QPushButton* pnlNotDone = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btOff = nullptr;
};

} // namespace orvella
