#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "data/Table.h"
#include "data/TaskStore.h"
#include "organise/NoFilterYet.h"
#include "settings/OptionValues.h"
#include "settings/SettingsStore.h"
#include "tasks/spelling.h"

#include "platform/MonthCalendar.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTableView;
class QToolBar;

namespace orvella {

class CalendarPanel;
class HintSwitch;
class TfrmComplete;
class TfrmEdit;
class TfrmFilter;
class TfrmOptions;
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
    // The task filter every view obeys; until the filter exists, the one given here.
    const TaskVisibility& taskFilter() const { return filter_ ? *filter_ : noFilterYet_; }
    void setTaskFilter(const TaskVisibility* filter) { filter_ = filter; }
    // The filter dialog exists: its filter rules every view, and its commands join the menus.
    void attachFilterDialog(TfrmFilter* dialog);
    void btFilterClick();
    void Categories1Click();
    void updateFilterImage();
    // The live options; until the options exist the calendars paint no colours.
    void setOptions(const OptionValues* options) { options_ = options; }
    // The options dialog exists: its live values rule every view, its changes take effect
    // here, and its command joins the menu and the toolbar.
    void attachOptionsDialog(TfrmOptions* dialog);
    void Options2Click();
    void ReadSettings(bool startInTray);
    void ApplySettings(bool shadows);
    // The print font, kept in "PrintFont..." between runs.
    void ReadFontSettings();
    void SaveFontSettings();
    const FontSpec& printFont() const { return printFont_; }

    // The calendars and the day view.
    void Today1Click();
    void cal1CellDblClick();
    void UpdateLabels(int calendar);
    void UpdateStatusClock();
    void ColorAllCalendars(bool all);
    void DrawExtraMemo();
    void memWhatExit();
    void ResizeGridDay();
    void ResizeGridNonDay();
    CalendarPanel& calendars() { return *pnlCalendars; }
    std::string dataFile(const char* name) const;
    TrayIcon& trayIcon() { return *TrayIcon_; }
    TimerPool& timerPool() { return *timerPool_; }
    bool exiting() const { return exiting_; }
    bool alarmShowing = false;

    // The task lifecycle (app/TfrmMainTasks.cpp). Commands name where they came from, since
    // that picks the grid they work on.
    enum class TaskCommand { Menu, DayToolbar, TodoToolbar, DayPopup, TodoPopup };
    enum class EditMode { Edit, Complete };
    void btAddClick(bool dayTarget);
    void btEditClick(TaskCommand command);
    void EditOrComplete(EditMode mode, TaskCommand command);
    void Clone1Click(bool dayGrid);
    void CloneEntry();
    void Markascompleted1Click(bool dayGrid);
    void btDelClick(bool dayTarget);
    void deleteEntry(bool dayGrid, bool writeBack, bool skipRepeats, int date);
    // The completed-task window exists: completions go to it and its command joins the menus.
    void attachCompleteDialog(TfrmComplete* dialog);
    void CompletedTasks1Click();

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
    std::optional<CellPaint> cal1DrawCell(int calendar, const QDate& date, bool selected, bool inMonth) const;
    void showSelectedDate(const QDate& date);
    void sortGridByHeader(QTableView* grid, Table& table, TableModel* model, int column);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void setShownOnlyTriggers(bool enabled);
    void saveTaskFiles(bool sorted);
    void ChangeGridFonts();
    void setGridRowHeight(int height);
    void recolourCalendars(bool monthColouring);
    void applyHintColours();
    void stopAlarmSound();

    Environment env_;
    bool created_ = false;
    bool shownOnce_ = false;
    bool exiting_ = false;
    bool goodByeDone_ = false;
    int selectedDate_ = 0;
    NoFilterYet noFilterYet_;
    TfrmFilter* frmFilter_ = nullptr;
    QAction* Filters1 = nullptr;
    QAction* btFilter = nullptr;
    QAction* Categories1 = nullptr;
    const TaskVisibility* filter_ = nullptr;
    const OptionValues* options_ = nullptr;
    int memoRow_ = -1;   // the day row whose What the description box shows
    int sortColumn_ = 0; // the day grid's last sort, which an added task follows
    bool sortAscending_ = true;

    QWidget* pnlTop = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QSplitter* pnlTasks = nullptr;
    QSplitter* splitTodo = nullptr;
    QSplitter* splitDay = nullptr;
    CalendarPanel* pnlCalendars = nullptr;
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
    int tmStatusClock_ = -1;
    // The outer size that the layout asked for, made good once the frame is known.
    QRect wantedFrame_;

    TfrmOptions* frmOptions_ = nullptr;
    QAction* Options2 = nullptr;
    QAction* tbOptions = nullptr;
    HintSwitch* hints_ = nullptr;
    FontSpec printFont_;

    void buildTaskCommands();
    std::unique_ptr<TfrmEdit> newEditDialog();
    // Loaded at the first use, since a dictionary takes a moment to read.
    const SpellDictionary* spellDictionary();
    std::unique_ptr<SpellDictionary> speller_;
    bool spellerLoaded_ = false;
    QTableView* focusedGrid() const;
    void focusGrid(QTableView* grid);
    int currentRow(QTableView* grid) const;
    void reloadGrid(QTableView* grid, int row);
    void afterTaskChange();
    bool filterNoticeShown_ = false;
    QTableView* lastGrid_ = nullptr;
    TfrmComplete* frmComplete_ = nullptr;
    QToolBar* tbDay = nullptr;
    QToolBar* tbTodo = nullptr;
    QAction* tbAdd1 = nullptr;
    QAction* tbEdit1 = nullptr;
    QAction* tbClone1 = nullptr;
    QAction* tbDel1 = nullptr;
    QAction* tbDone1 = nullptr;
    QAction* tbAdd2 = nullptr;
    QAction* tbEdit2 = nullptr;
    QAction* tbClone2 = nullptr;
    QAction* tbDel2 = nullptr;
    QAction* tbDone2 = nullptr;
    QMenu* popDay = nullptr;
    QMenu* popTodo = nullptr;
    QAction* Insertnewtask1 = nullptr;
    QAction* Insertnewtodo1 = nullptr;
    QAction* Editexistingtask1 = nullptr;
    QAction* Editexistingtodo1 = nullptr;
    QAction* Deleteexistingtask1 = nullptr;
    QAction* Deleteexistingtodo1 = nullptr;
    QAction* CompletedTasks1 = nullptr;
    QAction* tbCompleted = nullptr;
};

} // namespace orvella
