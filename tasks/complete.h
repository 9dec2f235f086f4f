#pragma once

#include "data/Clock.h"

#include "data/FormatSettings.h"
#include "data/Table.h"
#include "tasks/completion.h"

#include <QDialog>

#include <string>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QTableView;

namespace orvella {

struct OptionValues;
class TableModel;

// The completed-task window "Completed Tasks". It holds the completed-task list for the
// whole run and keeps "gridComp.grd" up to date: after every record and at every close.
class TfrmComplete : public QDialog {
    Q_OBJECT

public:
    TfrmComplete(const std::string& dataFolder, const FormatSettings& formats, const Clock& clock,
                 QWidget* parent = nullptr);
    ~TfrmComplete() override;

    // The live options: whether deleting asks first. Without them it asks.
    void setOptions(const OptionValues* options) { options_ = options; }
    const Table& list() const { return list_; }
    QLabel& titleCaption() { return *lblTitle; }

    void AddToCompleteGrid(const CompletionRecord& record);
    void Deleterow1Click();
    void Clearallrows1Click();
    void Close1Click();
    void save();
    void selectRow(int row);

    // Every way of closing saves the list.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showSelected();
    void memoExit();
    void fitColumns();
    int currentRow() const;

    std::string path_;
    const FormatSettings& formats_;
    const Clock& clock_;
    const OptionValues* options_ = nullptr;
    Table list_;
    int memoRow_ = -1;

    QMenuBar* MainMenu1 = nullptr;
    QAction* Deleterow1 = nullptr;
    QAction* Clearallrows1 = nullptr;
    QAction* Close1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QLabel* lblTitle = nullptr;
    QTableView* grid = nullptr;
    TableModel* model_ = nullptr;
    QPlainTextEdit* memWhat = nullptr;
    QPlainTextEdit* memPurpose = nullptr;
};

} // namespace orvella
