#include "app/CalendarPanel.h"
#include "app/TfrmMain.h"
#include "data/DataFiles.h"
#include "data/DateTime.h"
#include "data/gridfile.h"
#include "platform/QtDates.h"
#include "tasks/complete.h"
#include "tasks/completion.h"
#include "tasks/edit.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace orvella {
namespace {

using test::ScriptedDialogs;
using test::ScriptedPrompter;
using test::TempFolder;

template <typename T>
T* child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return found;
}

void typeNotes(QDialog& d, const QString& notes) {
    child<QPlainTextEdit>(d, "memMain")->setPlainText(notes);
}

// A modal step that types notes (and a category) and presses a button of the edit dialog.
ScriptedDialogs::ModalStep press(const char* button, QString notes = {}, QString category = {}) {
    return [=](QDialog& d) {
        if (!notes.isEmpty())
            typeNotes(d, notes);
        if (!category.isEmpty())
            child<QComboBox>(d, "cbCategory")->setEditText(category);
        child<QPushButton>(d, button)->click();
        return d.result();
    };
}

ScriptedDialogs::ModalStep trigger(const char* action, QString notes = {}) {
    return [=](QDialog& d) {
        if (!notes.isEmpty())
            typeNotes(d, notes);
        child<QAction>(d, action)->trigger();
        return d.result();
    };
}

// Hides one category, as a ticked-off category in the filter does.
class HideCategory final : public TaskVisibility {
public:
    explicit HideCategory(std::string hidden) : hidden_(std::move(hidden)) {}
    bool visible(const std::string&, const std::string& category) const override {
        return category != hidden_;
    }
    bool active() const override { return true; }

private:
    std::string hidden_;
};

class TaskLifecycleTest : public ::testing::Test {
protected:
    // Thursday 12 February 2004, noon.
    TaskLifecycleTest() : clock(encodeDate(2004, 2, 12) + 0.5), settings(backend) {
        installEmptyDataFiles(data.path());
        w = std::make_unique<TfrmMain>(TfrmMain::Environment{data.path(), settings, clock, formats});
        w->setTaskFilter(&all);
        complete = new TfrmComplete(data.path(), formats, clock, w.get());
        w->attachCompleteDialog(complete);
        w->show();
    }

    void select(int date) { w->calendars().select(1, dateOfSerial(date)); }
    QTableView* grid(const char* name) { return child<QTableView>(*w, name); }
    void selectRow(const char* name, int row) {
        QTableView* g = grid(name);
        g->setCurrentIndex(g->model()->index(row - 1, 0));
    }
    Table stored() {
        Table t;
        loadGrid(t, data.file(kStoreFile));
        return t;
    }
    int storedRows(const std::string& what) {
        const Table t = stored();
        int n = 0;
        for (int r = 1; r < t.rowCount(); ++r)
            n += t.cell(StoreCol::What, r) == what ? 1 : 0;
        return n;
    }
    void addDayTask(const QString& what, const QString& category = {}) {
        dialogs.answerModal(press("btOK", what, category));
        w->btAddClick(true);
    }

    int today() const { return clock.today(); }

    TempFolder data;
    AllTasksVisible all;
    FixedClock clock;
    MemorySettingsBackend backend;
    Settings settings;
    FormatSettings formats = FormatSettings::enUS();
    ScriptedPrompter prompts;
    ScriptedDialogs dialogs;
    std::unique_ptr<TfrmMain> w;
    TfrmComplete* complete = nullptr;
};

TEST_F(TaskLifecycleTest, CtrlInsAddsATaskToTheSelectedDayAndTheStore) {
    dialogs.answerModal(press("btOK", QStringLiteral("Dentist\nbring card"), QStringLiteral("Health")));
    child<QAction>(*w, "Insertnewtask1")->trigger();
    ASSERT_EQ(dialogs.modalForms(), QStringList{QStringLiteral("frmEdit")});
    EXPECT_EQ(w->dayTasks.cell(DayCol::What, 1), "Dentist\r\nbring card\r\n");
    EXPECT_EQ(w->dayTasks.cell(DayCol::Category, 1), "Health");
    EXPECT_EQ(w->dayTasks.cell(DayCol::Done, 1), "No");
    const Table t = stored();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.cell(StoreCol::Key, 1), makeStoreKey(today(), 101));
    EXPECT_EQ(child<QAction>(*w, "tbAdd1")->toolTip(), QStringLiteral("Add new task - Ctrl+Ins"));
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(TaskLifecycleTest, ADayBeforeTodayIsHeadedPastInRed) {
    select(today() - 1);
    QString title;
    QColor colour;
    dialogs.answerModal([&](QDialog& d) {
        auto* label = child<QLabel>(d, "lblTitle");
        title = label->text();
        colour = label->palette().color(QPalette::WindowText);
        return press("btOK", QStringLiteral("late"))(d);
    });
    w->btAddClick(true);
    EXPECT_TRUE(title.startsWith(QStringLiteral("PAST Wed 2/11/2004 "))) << title.toStdString();
    EXPECT_EQ(colour, QColor(Qt::red));
    EXPECT_EQ(storedRows("late"), 1);
}

TEST_F(TaskLifecycleTest, EmptyNotesAreRefusedByEveryWayOut) {
    for (const char* way : {"btOK", "btComplete", "Repeat1", "Repeatannuallyfor10years1"}) {
        prompts.clear();
        bool stayedOpen = false;
        dialogs.answerModal([&](QDialog& d) {
            if (QString::fromLatin1(way) == QLatin1String("btComplete"))
                static_cast<TfrmEdit&>(d).btCompleteClick(); // the button waits for typing
            else if (QString::fromLatin1(way).startsWith(QLatin1String("bt")))
                child<QPushButton>(d, way)->click();
            else
                child<QAction>(d, way)->trigger();
            stayedOpen = d.result() != QDialog::Accepted && !child<QWidget>(d, "pnlMain")->isHidden();
            return d.result();
        });
        w->btAddClick(true);
        EXPECT_TRUE(stayedOpen) << way;
        EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{"The Notes are blank!"}) << way;
    }
    EXPECT_EQ(stored().rowCount(), 1);
}

TEST_F(TaskLifecycleTest, RepeatAndRescheduleShowWhereTheyMayBeUsed) {
    struct Seen {
        bool repeat, reschedule;
    };
    auto look = [&](Seen& before, Seen* afterTyping) {
        return [&before, afterTyping](QDialog& d) {
            before = {!child<QWidget>(d, "btRepeat")->isHidden(),
                      !child<QWidget>(d, "btReschedule")->isHidden()};
            if (afterTyping) {
                child<QPlainTextEdit>(d, "memMain")->insertPlainText(QStringLiteral("x"));
                *afterTyping = {!child<QWidget>(d, "btRepeat")->isHidden(),
                                !child<QWidget>(d, "btReschedule")->isHidden()};
            }
            return int{QDialog::Rejected};
        };
    };
    Seen newDay{}, typed{}, todo{}, existing{};
    dialogs.answerModal(look(newDay, &typed));
    w->btAddClick(true);
    dialogs.answerModal(look(todo, nullptr));
    w->btAddClick(false);
    addDayTask(QStringLiteral("walk"));
    selectRow("gridDay", 1);
    dialogs.answerModal(look(existing, nullptr));
    w->btEditClick(TfrmMain::TaskCommand::DayToolbar);
    EXPECT_FALSE(newDay.repeat || newDay.reschedule);
    EXPECT_TRUE(typed.repeat);
    EXPECT_FALSE(typed.reschedule);
    EXPECT_FALSE(todo.repeat || todo.reschedule);
    EXPECT_TRUE(existing.repeat && existing.reschedule);
}

TEST_F(TaskLifecycleTest, AToDoWithoutCategoryIsEditedCompletedAndClonedAndNotOverwritten) {
    dialogs.answerModal(press("btOK", QStringLiteral("call Anna")));
    w->btAddClick(false);
    ASSERT_EQ(w->todoTasks.cell(TodoCol::What, 1), "call Anna");
    ASSERT_EQ(w->todoTasks.cell(TodoCol::Category, 1), "");

    selectRow("gridNonday", 1);
    dialogs.answerModal(press("btOK", QStringLiteral("call Anna today")));
    w->btEditClick(TfrmMain::TaskCommand::TodoToolbar);
    EXPECT_EQ(w->todoTasks.cell(TodoCol::What, 1), "call Anna today");

    w->Clone1Click(false);
    ASSERT_EQ(w->todoTasks.rowCount(), 3);
    EXPECT_EQ(w->todoTasks.cell(TodoCol::What, 2), "call Anna today");

    selectRow("gridNonday", 1);
    dialogs.answerModal(press("btOK2"));
    w->Markascompleted1Click(false);
    EXPECT_EQ(w->todoTasks.cell(TodoCol::Done, 1), "Yes");
    EXPECT_EQ(complete->list().cell(CompCol::OrigDate, 1), "Non date task");

    dialogs.answerModal(press("btOK", QStringLiteral("post letter")));
    w->btAddClick(false);
    ASSERT_EQ(w->todoTasks.rowCount(), 4);
    EXPECT_EQ(w->todoTasks.cell(TodoCol::What, 3), "post letter");
    EXPECT_TRUE(prompts.texts(BoxKind::Error).empty());
}

TEST_F(TaskLifecycleTest, CompletingGivesDoneYesAlarmNoAndOneRecord) {
    dialogs.answerModal([](QDialog& d) {
        typeNotes(d, QStringLiteral("pay rent"));
        child<QCheckBox>(d, "cbAlarm")->setChecked(true);
        child<QPushButton>(d, "btOK")->click();
        return d.result();
    });
    w->btAddClick(true);
    selectRow("gridDay", 1);
    dialogs.answerModal([](QDialog& d) {
        EXPECT_TRUE(child<QWidget>(d, "pnlMain")->isHidden());
        child<QPlainTextEdit>(d, "memComplete")->setPlainText(QStringLiteral("paid online"));
        child<QPushButton>(d, "btOK2")->click();
        return d.result();
    });
    w->Markascompleted1Click(true);
    EXPECT_EQ(w->dayTasks.cell(DayCol::Done, 1), "Yes");
    EXPECT_EQ(w->dayTasks.cell(DayCol::Alarm, 1), "No");
    const Table& list = complete->list();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(CompCol::What, 1), "pay rent");
    EXPECT_EQ(list.cell(CompCol::CompNotes, 1), "paid online");
    EXPECT_EQ(list.cell(CompCol::OrigDate, 1), "Thu 2/12/2004");
    Table saved;
    loadGrid(saved, data.file(kCompletedFile));
    EXPECT_EQ(saved.cell(CompCol::What, 1), "pay rent");

    w->Markascompleted1Click(true);
    EXPECT_EQ(prompts.texts(BoxKind::Error),
              std::vector<std::string>{"The task is already marked as complete."});
    EXPECT_EQ(complete->list().rowCount(), 2);
}

TEST_F(TaskLifecycleTest, RepeatAnnuallyOnTheTwentyNinthOfFebruary) {
    select(encodeDate(2004, 2, 29));
    dialogs.answerModal(trigger("Repeatannuallyfor10years1", QStringLiteral("leap party")));
    w->btAddClick(true);
    const Table t = stored();
    ASSERT_EQ(t.rowCount(), 12);
    EXPECT_EQ(parseStoreKey(t.cell(StoreCol::Key, 1)).date, encodeDate(2004, 2, 29));
    for (int n = 1; n <= 10; ++n) {
        const int y = 2004 + n;
        EXPECT_EQ(parseStoreKey(t.cell(StoreCol::Key, n + 1)).date,
                  isLeapYear(y) ? encodeDate(y, 2, 29) : encodeDate(y, 2, 28));
    }
    EXPECT_EQ(w->dayTasks.cell(DayCol::What, 1), "leap party");
}

// A new task repeated with the recurrence dialog cancelled is stored once on its day, also
// when the filter hides its category.
TEST_F(TaskLifecycleTest, ARepeatCancelledStoresTheNewTaskOnce) {
    for (bool hidden : {false, true}) {
        HideCategory filter("Secret");
        w->setTaskFilter(hidden ? static_cast<const TaskVisibility*>(&filter) : &all);
        const QString what = hidden ? QStringLiteral("hidden one") : QStringLiteral("shown one");
        dialogs.answerModal([what](QDialog& d) {
            child<QComboBox>(d, "cbCategory")->setEditText(QStringLiteral("Secret"));
            return trigger("Repeat1", what)(d);
        });
        dialogs.answerModal([](QDialog&) { return int{QDialog::Rejected}; });
        w->btAddClick(true);
        EXPECT_EQ(storedRows(what.toStdString()), 1) << hidden;
        EXPECT_EQ(dialogs.modalForms().last(), QStringLiteral("TfrmRecur"));
    }
}

TEST_F(TaskLifecycleTest, ReschedulingMovesTheTaskAndTheSameDayKeepsTheDialogOpen) {
    addDayTask(QStringLiteral("move me"));
    addDayTask(QStringLiteral("stay"));
    selectRow("gridDay", 1);
    const int target = today() + 3;
    bool openAfterSameDay = false;
    dialogs.answerModal([&](QDialog& d) {
        child<QPushButton>(d, "btReschedule")->click();
        openAfterSameDay = d.result() != QDialog::Accepted;
        child<QPushButton>(d, "btReschedule")->click();
        return d.result();
    });
    dialogs.answerModal([](QDialog& d) { return child<QPushButton>(d, "btOK")->click(), d.result(); });
    dialogs.answerModal([target](QDialog& d) {
        child<QDateEdit>(d, "date1")->setDate(dateOfSerial(target));
        child<QPushButton>(d, "btOK")->click();
        return d.result();
    });
    const std::string moving = w->dayTasks.cell(DayCol::What, 1);
    w->btEditClick(TfrmMain::TaskCommand::DayToolbar);
    EXPECT_TRUE(openAfterSameDay);
    ASSERT_EQ(w->dayTasks.rowCount(), 2);
    EXPECT_NE(w->dayTasks.cell(DayCol::What, 1), moving);
    const Table t = stored();
    int found = 0;
    for (int r = 1; r < t.rowCount(); ++r)
        if (t.cell(StoreCol::What, r) == moving) {
            ++found;
            EXPECT_EQ(t.cell(StoreCol::Key, r), makeStoreKey(target, 100));
        }
    EXPECT_EQ(found, 1);
}

TEST_F(TaskLifecycleTest, TheFilterNoticeComesOncePerRunAndNeverForToDos) {
    HideCategory filter("none");
    w->setTaskFilter(&filter);
    dialogs.answerModal(press("btOK", QStringLiteral("todo")));
    w->btAddClick(false);
    EXPECT_TRUE(prompts.texts(BoxKind::Information).empty());
    w->btAddClick(true); // cancelled: the notice comes all the same
    addDayTask(QStringLiteral("second"));
    EXPECT_EQ(prompts.texts(BoxKind::Information).size(), 1u);
    w->setTaskFilter(&all);
}

TEST_F(TaskLifecycleTest, DeletingTheOnlyTaskLeavesOneEmptyRowAndNoStoreRow) {
    addDayTask(QStringLiteral("only"));
    selectRow("gridDay", 1);
    prompts.answerConfirm(true);
    w->btDelClick(true);
    EXPECT_EQ(prompts.texts(BoxKind::Confirm), std::vector<std::string>{"Really delete \"only ... \"?"});
    EXPECT_EQ(w->dayTasks.rowCount(), 2);
    EXPECT_TRUE(w->dayTasks.isRowEmpty(1));
    EXPECT_EQ(stored().rowCount(), 1);
}

TEST_F(TaskLifecycleTest, DeletingARepeatedTaskAsksWithTheCountOfLaterRepeats) {
    struct Case {
        bool confirmSetting;
        bool deleteAll;
        int left; // rows of "gym" left in the store
    };
    for (const Case& c : {Case{true, true, 2}, Case{true, false, 4}, Case{false, true, 2}}) {
        // earlier copy, today's task, three later copies, one of them done
        w->gridStore = newStoreTable();
        auto row = [&](int date, const char* done) {
            const int r = w->gridStore.appendRow();
            for (auto [col, text] : {std::pair{StoreCol::Time, "9:00 AM"},
                                     {StoreCol::Category, "Sport"},
                                     {StoreCol::What, "gym"},
                                     {StoreCol::Alarm, "No"}})
                w->gridStore.setCell(col, r, text);
            w->gridStore.setCell(StoreCol::Key, r, makeStoreKey(date, 101));
            w->gridStore.setCell(StoreCol::Done, r, done);
        };
        row(today() - 7, "No");
        row(today(), "No");
        row(today() + 7, "No");
        row(today() + 14, "Yes");
        row(today() + 21, "No");
        w->readFromStore(today());
        OptionValues options;
        options.confirm = c.confirmSetting;
        w->setOptions(&options);
        selectRow("gridDay", 1);
        prompts.clear();
        if (c.confirmSetting)
            prompts.answerConfirm(true);
        prompts.answerConfirm(c.deleteAll);
        w->btDelClick(true);
        const std::vector<std::string> asked = prompts.texts(BoxKind::Confirm);
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.size(), c.confirmSetting ? 2u : 1u);
        EXPECT_EQ(asked.back(),
                  "This event appears to be repeated 2 times in the future.  Delete all repeats?");
        EXPECT_EQ(storedRows("gym"), c.left);
        const Table t = stored();
        EXPECT_EQ(t.cell(StoreCol::Key, 1), makeStoreKey(today() - 7, 101)); // the earlier day stays
        w->setOptions(nullptr);
    }
}

TEST_F(TaskLifecycleTest, TheCompletedListIsNewestFirstClearedToOneRowAndSavedAtClose) {
    complete->AddToCompleteGrid({double(today()), 0.5, "A", "x", "older", ""});
    complete->AddToCompleteGrid({double(today()), 0.6, "B", "y", "newer", ""});
    EXPECT_EQ(complete->list().cell(CompCol::What, 1), "newer");
    EXPECT_EQ(complete->list().cell(CompCol::What, 2), "older");

    prompts.answerConfirm(true);
    prompts.answerConfirm(true);
    dialogs.answerModal([](QDialog& d) {
        child<QAction>(d, "Clearallrows1")->trigger();
        child<QAction>(d, "Clearallrows1")->trigger(); // already empty
        child<QAction>(d, "Close1")->trigger();
        return d.result();
    });
    child<QAction>(*w, "CompletedTasks1")->trigger();
    EXPECT_EQ(prompts.texts(BoxKind::Confirm),
              std::vector<std::string>(2, "Really clear out ALL completed tasks?"));
    Table saved;
    loadGrid(saved, data.file(kCompletedFile));
    ASSERT_EQ(saved.rowCount(), 2);
    EXPECT_TRUE(saved.isRowEmpty(1));
    EXPECT_EQ(saved.cell(CompCol::CompDate, 0), "Comp Date");
}

TEST_F(TaskLifecycleTest, DeletingACompletedRowAsksWhenTheSettingSaysSo) {
    complete->AddToCompleteGrid({double(today()), 0.5, "A", "x", "first", ""});
    complete->AddToCompleteGrid({double(today()), 0.6, "B", "y", "second", ""});
    complete->selectRow(1);
    prompts.answerConfirm(true);
    complete->Deleterow1Click();
    EXPECT_EQ(prompts.texts(BoxKind::Confirm), std::vector<std::string>{"Really delete?"});
    ASSERT_EQ(complete->list().rowCount(), 2);
    EXPECT_EQ(complete->list().cell(CompCol::What, 1), "first");
}

} // namespace
} // namespace orvella

namespace orvella {
namespace {

TEST(CompletedTaskWindow, AHeadingClickSortsDatesAsDates) {
    test::TempFolder data;
    const FormatSettings formats = FormatSettings::enUS();
    const FixedClock clock(encodeDate(2004, 2, 12) + 0.5);
    TfrmComplete window(data.path(), formats, clock);
    // Added oldest last, so the list is newest first; as text "9/1/2003" sorts after "12/...".
    for (const int day : {encodeDate(2003, 9, 1), encodeDate(2003, 12, 5), encodeDate(2004, 1, 20)})
        window.AddToCompleteGrid({day + 0.5, 0.5, "", "To-do task", "what", ""});
    auto* grid = window.findChild<QTableView*>(QStringLiteral("grid"));
    ASSERT_TRUE(grid);
    emit grid->horizontalHeader()->sectionClicked(0);
    std::vector<std::string> dates;
    for (int r = 1; r < window.list().rowCount(); ++r)
        dates.push_back(window.list().cell(0, r).substr(0, window.list().cell(0, r).find(' ')));
    EXPECT_EQ(dates, (std::vector<std::string>{"9/1/2003", "12/5/2003", "1/20/2004"}));
    emit grid->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(window.list().cell(0, 1).substr(0, 9), "1/20/2004");
}

} // namespace
} // namespace orvella
