#include "app/CalendarPanel.h"
#include "app/ProgramInfo.h"
#include "app/TfrmMain.h"
#include "data/DataFiles.h"
#include "data/DateTime.h"
#include "data/gridfile.h"
#include "platform/QtDates.h"
#include "platform/TrayIcon.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace orvella {
namespace {

using test::ScriptedPrompter;
using test::TempFolder;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : clock(buildDate() + 10 + 0.5), settings(backend) {}

    std::unique_ptr<TfrmMain> create() {
        auto w = std::make_unique<TfrmMain>(TfrmMain::Environment{data.path(), settings, clock, formats});
        w->setTaskFilter(&all);
        return w;
    }

    Table loaded(const char* name) {
        Table t;
        loadGrid(t, data.file(name));
        return t;
    }

    int today() const { return clock.today(); }
    std::string key(int dayOffset, int seq) const { return makeStoreKey(today() + dayOffset, seq); }

    TempFolder data;
    AllTasksVisible all;
    FixedClock clock;
    MemorySettingsBackend backend;
    Settings settings;
    FormatSettings formats = FormatSettings::enUS();
    ScriptedPrompter prompts;
};

// A store with `rows` of key and What, written in the given order.
std::string storeFile(const std::vector<std::pair<std::string, std::string>>& rows) {
    Table t = newStoreTable();
    for (const auto& [k, what] : rows) {
        const int r = t.appendRow();
        t.setCell(StoreCol::Key, r, k);
        t.setCell(StoreCol::Time, r, "9:00 AM");
        t.setCell(StoreCol::What, r, what);
        t.setCell(StoreCol::Done, r, "No");
        t.setCell(StoreCol::Alarm, r, "No");
    }
    return formatGrid(t);
}

TEST_F(MainWindowTest, AMissingStoreStopsBeforeAnyWindowShows) {
    data.write(kTodoFile, formatGrid(newTodoTable()));
    auto w = create();
    EXPECT_FALSE(w->created());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{"Grid.grd file not found!"});
}

TEST_F(MainWindowTest, AMissingToDoListStopsAfterTheStoreIsLoaded) {
    data.write(kStoreFile, storeFile({{key(0, 101), "loaded"}}));
    auto w = create();
    EXPECT_FALSE(w->created());
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{"GridNon.grd file not found!"});
    EXPECT_EQ(w->gridStore.cell(StoreCol::What, 1), "loaded");
}

TEST_F(MainWindowTest, ACorruptStoreIsReportedAndStops) {
    data.write(kStoreFile, "garbage\r\n");
    data.write(kTodoFile, formatGrid(newTodoTable()));
    auto w = create();
    EXPECT_FALSE(w->created());
    EXPECT_EQ(prompts.texts(BoxKind::Error),
              std::vector<std::string>{"File contains no data or corrupt file " + data.file(kStoreFile)});
}

TEST_F(MainWindowTest, AnEmptyStoreLoadsShowsBlankGridsAndSavesAgain) {
    installEmptyDataFiles(data.path());
    auto w = create();
    ASSERT_TRUE(w->created());
    w->show();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orvella"));
    auto* gridDay = w->findChild<QTableView*>(QStringLiteral("gridDay"));
    auto* gridNonday = w->findChild<QTableView*>(QStringLiteral("gridNonday"));
    ASSERT_TRUE(gridDay && gridNonday);
    EXPECT_EQ(gridDay->model()->rowCount(), 1);
    EXPECT_EQ(gridNonday->model()->rowCount(), 1);
    EXPECT_EQ(gridDay->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Done?"));
    w->SayGoodBye();
    EXPECT_TRUE(prompts.log().empty());
    EXPECT_EQ(loaded(kStoreFile).rowCount(), 1);
    EXPECT_EQ(loaded(kTodoFile).cell(0, 0), "Category");
}

TEST_F(MainWindowTest, ShowingSelectsTodayAndExitSavesBothFilesSorted) {
    data.write(kStoreFile, storeFile({{key(1, 101), "tomorrow"},
                                      {key(0, 102), "second"},
                                      {key(0, 101), "first"},
                                      {key(-1, 101), "yesterday"}}));
    data.write(kTodoFile, formatGrid(newTodoTable()));
    auto w = create();
    ASSERT_TRUE(w->created());
    w->show();
    EXPECT_EQ(w->selectedDate(), today());
    ASSERT_EQ(w->dayTasks.rowCount(), 3);
    EXPECT_EQ(w->dayTasks.cell(DayCol::What, 1), "first");
    EXPECT_EQ(w->dayTasks.cell(DayCol::What, 2), "second");

    w->todoTasks.setCell(TodoCol::What, 1, "buy stamps");
    w->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();

    const Table store = loaded(kStoreFile);
    ASSERT_EQ(store.rowCount(), 5);
    EXPECT_EQ(store.cell(StoreCol::What, 1), "yesterday");
    EXPECT_EQ(store.cell(StoreCol::What, 2), "first");
    EXPECT_EQ(store.cell(StoreCol::What, 4), "tomorrow");
    EXPECT_EQ(loaded(kTodoFile).cell(TodoCol::What, 1), "buy stamps");
    EXPECT_TRUE(w->exiting());
}

TEST_F(MainWindowTest, EditingTheDescriptionAndClickingAnotherTaskStoresTheEdit) {
    data.write(kStoreFile, storeFile({{key(0, 101), "first"}, {key(0, 102), "second"}}));
    data.write(kTodoFile, formatGrid(newTodoTable()));
    auto w = create();
    w->show();
    auto* gridDay = w->findChild<QTableView*>(QStringLiteral("gridDay"));
    auto* memWhat = w->findChild<QPlainTextEdit*>(QStringLiteral("memWhat"));
    w->activateWindow();
    ASSERT_TRUE(test::waitFor([&] { return w->isActiveWindow(); })); // focus moves only in the active window
    gridDay->setFocus();
    gridDay->selectRow(0);
    ASSERT_EQ(memWhat->toPlainText(), QStringLiteral("first"));
    memWhat->setFocus();
    memWhat->setPlainText(QStringLiteral("first, edited\nwith a second line"));
    gridDay->setFocus(); // leaving the box writes it back
    gridDay->selectRow(1);
    EXPECT_EQ(memWhat->toPlainText(), QStringLiteral("second"));
    EXPECT_EQ(w->dayTasks.cell(DayCol::What, 1), "first, edited\r\nwith a second line\r\n");
    Table store = loaded(kStoreFile);
    EXPECT_EQ(store.cell(StoreCol::What, 1), "first, edited\r\nwith a second line\r\n");
    EXPECT_EQ(store.cell(StoreCol::What, 2), "second");
}

TEST_F(MainWindowTest, HeadingsCountTheTasks) {
    data.write(kStoreFile, storeFile({{key(0, 101), "a"}, {key(0, 102), "b"}, {key(1, 101), "c"}}));
    Table todo = newTodoTable();
    todo.setRowCount(3);
    todo.setCell(TodoCol::What, 1, "x");
    todo.setCell(TodoCol::What, 2, "y");
    data.write(kTodoFile, formatGrid(todo));
    auto w = create();
    w->show();
    auto* lblDate = w->findChild<QLabel*>(QStringLiteral("lblDate"));
    auto* EsLabel1 = w->findChild<QLabel*>(QStringLiteral("EsLabel1"));
    EXPECT_TRUE(lblDate->text().startsWith(QStringLiteral("2 tasks ")));
    EXPECT_EQ(EsLabel1->text(), QStringLiteral("2 To-do Tasks"));
    w->calendars().select(1, dateOfSerial(today() + 1));
    EXPECT_FALSE(lblDate->text().contains(QStringLiteral("tasks")));
    EXPECT_EQ(w->dayTasks.cell(DayCol::What, 1), "c");
}

TEST_F(MainWindowTest, ADoubleClickOnADayAddsOrEditsItsTask) {
    data.write(kStoreFile, storeFile({{key(1, 101), "tomorrow"}}));
    data.write(kTodoFile, formatGrid(newTodoTable()));
    auto w = create();
    w->show();
    test::ScriptedDialogs dialogs;
    CalendarGrid* grid = w->calendars().calendar(1)->grid();
    std::vector<QString> notes; // what the edit dialog opened with
    auto seeNotes = [&](QDialog& d) {
        notes.push_back(d.findChild<QPlainTextEdit*>(QStringLiteral("memMain"))->toPlainText());
        return static_cast<int>(QDialog::Rejected);
    };
    dialogs.answerModal(seeNotes);
    emit grid->activated(grid->selectedDate()); // today has no task: a new one
    dialogs.answerModal(seeNotes);
    w->calendars().select(1, dateOfSerial(today() + 1));
    emit grid->activated(grid->selectedDate()); // tomorrow's task is edited
    EXPECT_EQ(notes, (std::vector<QString>{QString(), QStringLiteral("tomorrow")}));
    EXPECT_EQ(dialogs.modalForms(), (QStringList{QStringLiteral("frmEdit"), QStringLiteral("frmEdit")}));
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(MainWindowTest, TheCloseButtonCanHideTheProgramInstead) {
    installEmptyDataFiles(data.path());
    backend.setValue("Options", "ExitF4", "0");
    auto w = create();
    ASSERT_TRUE(w->created());
    w->show();
    w->todoTasks.setCell(TodoCol::What, 1, "kept on hiding");
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->trayIcon().programHidden());
    EXPECT_EQ(loaded(kTodoFile).cell(TodoCol::What, 1), "kept on hiding");

    // The end of the session closes it all the same, and remembers the layout.
    EXPECT_TRUE(w->WMQueryEndSession());
    EXPECT_TRUE(w->close());
    EXPECT_EQ(backend.value("Memorize", "Done"), "1");
}

TEST_F(MainWindowTest, AFailedSaveOnHidingIsShown) {
    installEmptyDataFiles(data.path());
    auto w = create();
    ASSERT_TRUE(w->created());
    std::filesystem::remove(data.file(kStoreFile));
    std::filesystem::create_directory(data.file(kStoreFile)); // nothing can be renamed over it
    w->Hidecalendar1Click();
    EXPECT_EQ(prompts.texts(BoxKind::Error),
              std::vector<std::string>{"Cannot Create " + data.file(kStoreFile)});
}

TEST_F(MainWindowTest, TheVersionReminderComesAfterSixWeeks) {
    installEmptyDataFiles(data.path());
    const std::string now = std::to_string(today());
    struct Case {
        std::optional<std::string> days;
        bool shown;
        std::string after;
    } cases[] = {
        {std::nullopt, false, now}, // the very first start
        {"-1", false, now},
        {std::to_string(today() - 43), true, now},
        {std::to_string(today() - 42), false, std::to_string(today() - 42)},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend fresh;
        Settings s(fresh);
        if (c.days)
            fresh.setValue("Options", "Days", *c.days);
        prompts.clear();
        TfrmMain w(TfrmMain::Environment{data.path(), s, clock, formats});
        w.show();
        EXPECT_EQ(prompts.texts(BoxKind::Information).size(), c.shown ? 1u : 0u) << c.days.value_or("absent");
        EXPECT_EQ(fresh.value("Options", "Days").value_or(""), c.after);
    }
}

TEST_F(MainWindowTest, AnOldBuildSaysSoAtStart) {
    installEmptyDataFiles(data.path());
    clock.set(buildDate() + 400);
    auto w = create();
    EXPECT_EQ(prompts.texts(BoxKind::Message).size(), 1u);
}

TEST_F(MainWindowTest, TheLayoutComesBackAtTheNextStart) {
    installEmptyDataFiles(data.path());
    QRect outer;
    {
        auto w = create();
        w->show();
        w->resize(900, 640);
        w->move(40, 30);
        outer = w->frameGeometry();
        w->SayGoodBye();
    }
    EXPECT_EQ(backend.value("Memorize", "Width"), std::to_string(outer.width()));
    EXPECT_EQ(backend.value("Memorize", "Height"), std::to_string(outer.height()));
    auto again = create();
    again->show();
    // Once the window's frame is known its outer size is the remembered one.
    EXPECT_TRUE(test::waitFor([&] { return again->frameGeometry().size() == outer.size(); }))
        << again->frameGeometry().width() << "x" << again->frameGeometry().height();

    // The menu's layout was never memorised.
    again->RecoverScreenSize(true);
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{"Screen has not yet been memorized"});
}

} // namespace
} // namespace orvella
