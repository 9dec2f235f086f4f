#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "data/Table.h"
#include "data/TaskStore.h"
#include "settings/SettingsStore.h"

#include <QMainWindow>

#include <string>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTableView;
class QToolBar;

namespace orvella {

class TableModel;
class TimerPool;
class TrayIcon;

// The main window. It owns every task table for the life of the process (the store of date
// tasks, the selected day's working copy and the to-do list), the timers and the tray icon.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // What the window works with; all of it outlives the window.
    struct Environment {
        std::string dataFolder;
        Settings& settings;
        const Clock& clock;
        FormatSettings& formats;
    };

    explicit TfrmMain(const Environment& env, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // False when creation stopped because a task file is missing; the program then ends.
    bool created() const { return created_; }

    // The store of date tasks and its write-back.
    void readFromStore(int date);
    void writeToStore(int date);
    void SortGridStore();

    // Life of the window and the process.
    bool FormCloseQuery();
    void FormClose();
    void SayGoodBye();
    void Hide1Click();
    void Hidecalendar1Click();
    void Showcalendar1Click();
    void TrayIconClick();
    void TrayIconAppMinimize();
    // The session is ending (log-off or shutdown); always agrees.
    bool WMQueryEndSession();
    // A hidden start: the program sits in the notification area until it is shown.
    void startHidden();

    // Window layout.
    void MemorizeScreen(bool ask);
    void RecoverScreenSize(bool fromMenu);

    Table gridStore;
    Table dayTasks;
    Table todoTasks;

    int selectedDate() const { return selectedDate_; }
    const TaskVisibility& taskFilter() const { return allVisible_; }
    std::string dataFile(const char* name) const;
    TrayIcon& trayIcon() { return *TrayIcon_; }
    TimerPool& timerPool() { return *timerPool_; }
    bool exiting() const { return exiting_; }
    bool alarmShowing = false;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void Timer2Timer();
    void buildPanels();
    void buildMenus();
    void buildTimers();
    void UpdateLabels();
    void setShownOnlyTriggers(bool enabled);
    void saveTaskFiles(bool sorted);
    void layoutGridColumns();

    Environment env_;
    bool created_ = false;
    bool shownOnce_ = false;
    bool exiting_ = false;
    bool goodByeDone_ = false;
    int selectedDate_ = 0;
    AllTasksVisible allVisible_;

    QWidget* pnlTop = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QSplitter* pnlTasks = nullptr;
    QSplitter* splitTodo = nullptr;
    QSplitter* splitDay = nullptr;
    QWidget* pnlCalendars = nullptr;
    QWidget* pnlTodo = nullptr;
    QWidget* pnlMemo = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* EsLabel1 = nullptr;
    QTableView* gridDay = nullptr;
    QTableView* gridNonday = nullptr;
    QPlainTextEdit* memWhat = nullptr;
    TableModel* dayModel_ = nullptr;
    TableModel* todoModel_ = nullptr;

    QAction* Hide1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* tbHideCalendar = nullptr;
    QMenu* popTray = nullptr;
    QAction* Showcalendar1 = nullptr;
    QAction* ExitOrvella1 = nullptr;

    TrayIcon* TrayIcon_ = nullptr;
    TimerPool* timerPool_ = nullptr;
    int tmLayout_ = -1;
    // The outer size that the layout asked for, made good once the frame is known.
    QRect wantedFrame_;
};

} // namespace orvella
