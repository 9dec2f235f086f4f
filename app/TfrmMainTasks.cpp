// The main window's task commands: add, edit, clone, complete and delete.
#include "app/CalendarPanel.h"
#include "app/CalendarRules.h"
#include "app/TfrmMain.h"
#include "platform/HunspellDictionary.h"

#include "data/DateFormat.h"
#include "data/GridSort.h"
#include "data/gridfile.h"
#include "organise/filter.h"
#include "organise/listbox.h"
#include "platform/HunspellDictionary.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"
#include "platform/TableModel.h"
#include "tasks/complete.h"
#include "tasks/completion.h"
#include "tasks/edit.h"
#include "tasks/taskedit.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>
#include <QToolBar>

namespace orvella {

namespace {

constexpr const char* kFilterNotice =
    "Note that since you have filters turned on it may look like the new task has disappeared. Turn the "
    "filters off and it will re-appear.";

QAction* namedAction(QAction* action, const char* name, const char* hint = nullptr) {
    action->setObjectName(QString::fromLatin1(name));
    if (hint)
        action->setToolTip(QString::fromLatin1(hint));
    return action;
}

// A toolbar placed directly under a panel's heading.
QToolBar* headingToolbar(QLabel* heading, const char* name) {
    auto* bar = new QToolBar(heading->parentWidget());
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    if (auto* column = qobject_cast<QBoxLayout*>(heading->parentWidget()->layout()))
        column->insertWidget(column->indexOf(heading) + 1, bar);
    return bar;
}

} // namespace

void TfrmMain::buildTaskCommands() {
    QStyle* s = style();
    using TC = TaskCommand;

    tbDay = headingToolbar(lblDate, "tbDay");
    tbAdd1 = namedAction(tbDay->addAction(s->standardIcon(QStyle::SP_FileIcon), QStringLiteral("Add"), this,
                                          [this] { btAddClick(true); }),
                         "tbAdd1", "Add new task - Ctrl+Ins");
    tbEdit1 =
        namedAction(tbDay->addAction(s->standardIcon(QStyle::SP_FileDialogContentsView),
                                     QStringLiteral("Edit"), this, [this] { btEditClick(TC::DayToolbar); }),
                    "tbEdit1", "Edit task - Ctrl+Enter");
    tbClone1 = namedAction(tbDay->addAction(s->standardIcon(QStyle::SP_FileDialogNewFolder),
                                            QStringLiteral("Clone"), this, [this] { Clone1Click(true); }),
                           "tbClone1", "Clone existing task");
    tbDel1 = namedAction(tbDay->addAction(s->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Delete"),
                                          this, [this] { btDelClick(true); }),
                         "tbDel1", "Delete task - Ctrl+Del");
    tbDone1 =
        namedAction(tbDay->addAction(s->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Done"),
                                     this, [this] { Markascompleted1Click(true); }),
                    "tbDone1", "Mark as completed");

    tbTodo = headingToolbar(EsLabel1, "tbTodo");
    tbAdd2 = namedAction(tbTodo->addAction(s->standardIcon(QStyle::SP_FileIcon), QStringLiteral("Add"), this,
                                           [this] { btAddClick(false); }),
                         "tbAdd2", "Add new todo - Shift+Ins");
    tbEdit2 =
        namedAction(tbTodo->addAction(s->standardIcon(QStyle::SP_FileDialogContentsView),
                                      QStringLiteral("Edit"), this, [this] { btEditClick(TC::TodoToolbar); }),
                    "tbEdit2", "Edit todo - Shift+Enter");
    tbClone2 = namedAction(tbTodo->addAction(s->standardIcon(QStyle::SP_FileDialogNewFolder),
                                             QStringLiteral("Clone"), this, [this] { Clone1Click(false); }),
                           "tbClone2", "Clone existing task");
    tbDel2 = namedAction(tbTodo->addAction(s->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Delete"),
                                           this, [this] { btDelClick(false); }),
                         "tbDel2", "Delete Todo - Shift+Del");
    tbDone2 =
        namedAction(tbTodo->addAction(s->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Done"),
                                      this, [this] { Markascompleted1Click(false); }),
                    "tbDone2", "Mark as completed");

    // The Edit menu follows the File menu.
    auto* edit = new QMenu(QStringLiteral("&Edit"), this);
    edit->setObjectName(QStringLiteral("Edit1"));
    const QList<QAction*> bar = menuBar()->actions();
    menuBar()->insertMenu(bar.size() > 1 ? bar.at(1) : nullptr, edit);
    auto item = [this, edit](const char* caption, QKeySequence keys, const char* name, auto handler) {
        QAction* a = edit->addAction(QString::fromLatin1(caption), this, handler);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        return namedAction(a, name);
    };
    Insertnewtask1 = item("Insert new task", QKeySequence(Qt::CTRL | Qt::Key_Insert), "Insertnewtask1",
                          [this] { btAddClick(true); });
    Insertnewtodo1 = item("Insert new to-do", QKeySequence(Qt::SHIFT | Qt::Key_Insert), "Insertnewtodo1",
                          [this] { btAddClick(false); });
    edit->addSeparator();
    Editexistingtask1 = item("Edit existing task", QKeySequence(Qt::CTRL | Qt::Key_Return),
                             "Editexistingtask1", [this] { btEditClick(TC::Menu); });
    Editexistingtodo1 = item("Edit existing to-do", QKeySequence(Qt::SHIFT | Qt::Key_Return),
                             "Editexistingtodo1", [this] { btEditClick(TC::Menu); });
    edit->addSeparator();
    Deleteexistingtask1 = item("Delete existing task", QKeySequence(Qt::CTRL | Qt::Key_Delete),
                               "Deleteexistingtask1", [this] { btDelClick(true); });
    Deleteexistingtodo1 = item("Delete existing to-do", QKeySequence(Qt::SHIFT | Qt::Key_Delete),
                               "Deleteexistingtodo1", [this] { btDelClick(false); });

    auto popup = [this](QTableView* grid, const char* name, bool day) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        const char* suffix = day ? "1" : "2";
        auto entry = [menu, suffix](const char* caption, auto handler) {
            QAction* a = menu->addAction(QString::fromLatin1(caption), handler);
            a->setObjectName(QString::fromLatin1(caption).remove(QLatin1Char(' ')) +
                             QString::fromLatin1(suffix));
            return a;
        };
        entry("Add", [this, day] { btAddClick(day); });
        entry("Edit", [this, day] { btEditClick(day ? TaskCommand::DayPopup : TaskCommand::TodoPopup); });
        entry("Clone", [this, day] { Clone1Click(day); });
        entry("Delete", [this, day] { btDelClick(day); });
        menu->addSeparator();
        entry("Mark as completed", [this, day] { Markascompleted1Click(day); });
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [grid, menu](const QPoint& at) { menu->popup(grid->viewport()->mapToGlobal(at)); });
        return menu;
    };
    popDay = popup(gridDay, "popDay", true);
    popTodo = popup(gridNonday, "popTodo", false);

    connect(gridDay, &QAbstractItemView::doubleClicked, this, [this] { btEditClick(TC::DayToolbar); });
    connect(gridNonday, &QAbstractItemView::doubleClicked, this, [this] { btEditClick(TC::TodoToolbar); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == gridDay || now == gridNonday)
            lastGrid_ = static_cast<QTableView*>(now);
    });
}

void TfrmMain::attachCompleteDialog(TfrmComplete* dialog) {
    frmComplete_ = dialog;
    dialog->setOptions(options_);
    CompletedTasks1 =
        namedAction(new QAction(QStringLiteral("View Completed Tasks"), this), "CompletedTasks1");
    connect(CompletedTasks1, &QAction::triggered, this, &TfrmMain::CompletedTasks1Click);
    if (QMenu* file = findChild<QMenu*>(QStringLiteral("File1")))
        file->insertAction(Hide1, CompletedTasks1);
    tbCompleted =
        namedAction(ToolBar1->addAction(style()->standardIcon(QStyle::SP_DialogYesButton),
                                        QStringLiteral("Completed"), this, &TfrmMain::CompletedTasks1Click),
                    "tbCompleted", "View Completed Tasks");
}

void TfrmMain::CompletedTasks1Click() {
    if (!frmComplete_)
        return;
    frmComplete_->titleCaption().setFont(lblDate->font());
    frmComplete_->titleCaption().setPalette(lblDate->palette());
    dialogs().execModal(*frmComplete_);
}

// --- helpers ---------------------------------------------------------------------------------

QTableView* TfrmMain::focusedGrid() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == gridDay || focus == gridNonday)
        return static_cast<QTableView*>(focus);
    // Without an active window (hidden, or behind a dialog) the last grid focused counts.
    return focus ? nullptr : lastGrid_;
}

void TfrmMain::focusGrid(QTableView* grid) {
    lastGrid_ = grid;
    grid->setFocus();
}

int TfrmMain::currentRow(QTableView* grid) const {
    const QModelIndex current = grid->selectionModel()->currentIndex();
    // Like the string grid, a grid without a chosen row works on its first row.
    return current.isValid() ? TableModel::tableRow(current.row()) : 1;
}

void TfrmMain::reloadGrid(QTableView* grid, int row) {
    auto* model = static_cast<TableModel*>(grid->model());
    model->reload();
    const int rows = model->rowCount();
    if (rows > 0)
        grid->setCurrentIndex(model->index(std::clamp(row, 1, rows) - 1, 0));
}

void TfrmMain::afterTaskChange() {
    ResizeGridDay();
    ResizeGridNonDay();
    UpdateLabels(pnlCalendars->current());
    ColorAllCalendars(false);
}

const SpellDictionary* TfrmMain::spellDictionary() {
    if (!spellerLoaded_) {
        speller_ = openSpellDictionary(env_.dataFolder);
        spellerLoaded_ = true;
    }
    return speller_.get();
}

std::unique_ptr<TfrmEdit> TfrmMain::newEditDialog() {
    TfrmEdit::Environment env{
        env_.clock,
        env_.formats,
        env_.dataFolder,
        gridStore,
        selectedDate_,
        options_ ? options_->category : std::string(),
        [this] { SortGridStore(); },
        [this](const CompletionRecord& record) {
            if (frmComplete_)
                frmComplete_->AddToCompleteGrid(record);
        },
        [this] { return frmFilter_ && editCategories(this, env_.dataFolder, gridStore, *frmFilter_); },
        spellDictionary()};
    auto dialog = std::make_unique<TfrmEdit>(std::move(env), this);
    dialog->setLooks(lblDate->font(), lblDate->palette(), memWhat->font());
    return dialog;
}

// --- add, edit, clone ----------------------------------------------------------------------

void TfrmMain::btAddClick(bool dayTarget) {
    const std::string heading =
        dayTarget ? editDayHeading(selectedDate_, env_.formats, env_.clock) : std::string("To-do task");
    std::unique_ptr<TfrmEdit> edit = newEditDialog();
    edit->setTitle(heading, dayTarget && selectedDate_ < env_.clock.today());
    edit->originText = dayTarget ? originDayText(selectedDate_, env_.formats) : std::string("To-do task");
    if (!dayTarget)
        edit->hideTimeFields();
    edit->setCompleteEnabled(false);
    edit->dateTask = dayTarget;
    try {
        if (edit->showModal() == QDialog::Accepted) {
            if (dayTarget) {
                // A repeat stored the new task already; hidden by the filter, the write-back
                // would keep that row beside a second copy, so the day is read back instead.
                if (edit->storedNewTask())
                    readFromStore(selectedDate_);
                else
                    fileDayTask(dayTasks, edit->task());
                sortGridRows(dayTasks, sortColumn_, sortAscending_, true, env_.formats, env_.clock);
                writeToStore(selectedDate_);
                reloadGrid(gridDay, currentRow(gridDay));
            } else {
                const int row = fileTodoTask(todoTasks, edit->task());
                reloadGrid(gridNonday, row);
            }
            afterTaskChange();
        }
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    focusGrid(dayTarget ? gridDay : gridNonday);
    if (dayTarget && taskFilter().active() && !filterNoticeShown_) {
        filterNoticeShown_ = true;
        infoBox(kFilterNotice);
    }
}

void TfrmMain::btEditClick(TaskCommand command) {
    if (command == TaskCommand::DayToolbar)
        focusGrid(gridDay);
    else if (command == TaskCommand::TodoToolbar)
        focusGrid(gridNonday);
    EditOrComplete(EditMode::Edit, command);
}

void TfrmMain::EditOrComplete(EditMode mode, TaskCommand command) {
    QTableView* focus = focusedGrid();
    const bool day = focus != gridNonday && (focus == gridDay || command == TaskCommand::DayToolbar ||
                                             command == TaskCommand::DayPopup);
    QTableView* grid = day ? gridDay : gridNonday;
    Table& table = day ? dayTasks : todoTasks;
    const int row = currentRow(grid);
    if (!rowHoldsTask(table, row, day)) {
        errorBox("There is nothing to edit.  Click the plus symbol to add a new item.");
        return;
    }
    const TaskFields current = day ? dayRowTask(table, row) : todoRowTask(table, row);
    if (mode == EditMode::Complete && current.done == "Yes") {
        errorBox("The task is already marked as complete.");
        return;
    }
    std::unique_ptr<TfrmEdit> edit = newEditDialog();
    edit->setWindowTitle(toQt("Task: " + cellPrefix(current.what, 50) + " ..."));
    edit->originText = day ? originDayText(selectedDate_, env_.formats) : std::string("Non date task");
    edit->existingTask = true;
    if (!day)
        edit->hideTimeFields();
    edit->setTask(current);
    if (day)
        edit->setTitle(editDayHeading(selectedDate_, env_.formats, env_.clock), false);
    edit->completeOnShow = mode == EditMode::Complete;
    edit->dateTask = day;
    try {
        if (edit->showModal() == QDialog::Accepted) {
            const TaskFields result = edit->task();
            if (day && edit->taskDate != selectedDate_) {
                deleteEntry(true, true, true, selectedDate_);
                appendStoreTask(gridStore, edit->taskDate, result);
                SortGridStore();
                ColorAllCalendars(true);
            } else if (day) {
                updateDayRow(dayTasks, row, result);
                writeToStore(selectedDate_);
                reloadGrid(gridDay, row);
            } else {
                updateTodoRow(todoTasks, row, result);
                reloadGrid(gridNonday, row);
            }
            afterTaskChange();
        }
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    focusGrid(grid);
}

void TfrmMain::Clone1Click(bool dayGrid) {
    focusGrid(dayGrid ? gridDay : gridNonday);
    CloneEntry();
}

void TfrmMain::CloneEntry() {
    const bool day = focusedGrid() != gridNonday;
    QTableView* grid = day ? gridDay : gridNonday;
    Table& table = day ? dayTasks : todoTasks;
    const int row = currentRow(grid);
    if (!rowHoldsTask(table, row, day)) {
        errorBox("There is nothing selected to clone.");
        return;
    }
    cloneRow(table, row);
    try {
        if (day)
            writeToStore(selectedDate_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    reloadGrid(grid, row);
    afterTaskChange();
    focusGrid(grid);
}

// --- completing and deleting ------------------------------------------------------------------

void TfrmMain::Markascompleted1Click(bool dayGrid) {
    focusGrid(dayGrid ? gridDay : gridNonday);
    EditOrComplete(EditMode::Complete, dayGrid ? TaskCommand::DayToolbar : TaskCommand::TodoToolbar);
}

void TfrmMain::btDelClick(bool dayTarget) {
    const Table& table = dayTarget ? dayTasks : todoTasks;
    const int row = currentRow(dayTarget ? gridDay : gridNonday);
    if (!rowHoldsTask(table, row, dayTarget)) {
        errorBox("There is nothing selected to delete.");
        return;
    }
    const bool confirm = !options_ || options_->confirm;
    if (confirm &&
        !confirmBox(deleteQuestion(table.cell(dayTarget ? int{DayCol::What} : int{TodoCol::What}, row))))
        return;
    try {
        deleteEntry(dayTarget, dayTarget, false, selectedDate_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
}

void TfrmMain::deleteEntry(bool dayGrid, bool writeBack, bool skipRepeats, int date) {
    QTableView* grid = dayGrid ? gridDay : gridNonday;
    const int row = currentRow(grid);
    int repeats = 0;
    TaskFields removed;
    if (dayGrid) {
        removed = dayRowTask(dayTasks, std::clamp(row, 1, dayTasks.rowCount() - 1));
        removeGridRow(dayTasks, row);
        if (!skipRepeats) {
            repeats = countRepeats(gridStore, date, removed.category, removed.what, removed.done);
            if (repeats > 0 && !confirmBox(repeatQuestion(repeats)))
                repeats = 0;
        }
    } else {
        removeGridRow(todoTasks, row);
    }
    if (repeats > 0)
        removeRepeats(gridStore, date, removed.category, removed.what, removed.done);
    reloadGrid(grid, row);
    if (writeBack) {
        writeToStore(date);
        ColorAllCalendars(false);
    }
    ResizeGridDay();
    ResizeGridNonDay();
    UpdateLabels(pnlCalendars->current());
    if (repeats > 0)
        ColorAllCalendars(true);
}

} // namespace orvella
