#include "app/Program.h"
#include "app/ProgramInfo.h"
#include "app/TfrmMain.h"
#include "data/DataFiles.h"
#include "data/TaskStore.h"
#include "data/gridfile.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTableView>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace orvella {
namespace {

using test::ScriptedPrompter;
using test::TempFolder;
using test::waitFor;

// A store whose rows are out of order, so that a save after loading shows in the file.
void writeUnsortedStore(const TempFolder& data) {
    Table t = newStoreTable();
    for (const char* key : {"46002.101", "46000.102", "46000.101"}) {
        const int r = t.appendRow();
        t.setCell(StoreCol::Key, r, key);
        t.setCell(StoreCol::Time, r, "9:00 AM");
        t.setCell(StoreCol::What, r, key);
        t.setCell(StoreCol::Done, r, "No");
        t.setCell(StoreCol::Alarm, r, "No");
    }
    saveGrid(t, data.file(kStoreFile));
    Table todo = newTodoTable();
    todo.setCell(TodoCol::What, 1, "a to-do");
    saveGrid(todo, data.file(kTodoFile));
}

std::vector<std::string> storedKeys(const TempFolder& data) {
    Table t;
    loadGrid(t, data.file(kStoreFile));
    std::vector<std::string> keys;
    for (int r = 1; r < t.rowCount(); ++r)
        keys.push_back(t.cell(StoreCol::Key, r));
    return keys;
}

const std::vector<std::string> kSortedKeys{"46000.101", "46000.102", "46002.101"};

// The program started through its entry, as main() starts it.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() : clock(buildDate() + 5.5) {
        qputenv("ORVELLA_HOME", QByteArray::fromStdString(data.path()));
    }
    ~ProgramTest() override { qunsetenv("ORVELLA_HOME"); }

    TempFolder data;
    FixedClock clock;
    MemorySettingsBackend settings;
    ScriptedPrompter prompts;
};

TEST_F(ProgramTest, StartsShowsTheWindowAndExitSavesBothFilesSorted) {
    writeUnsortedStore(data);
    Program program({&clock, &settings});
    ASSERT_FALSE(program.start().has_value());
    TfrmMain* w = program.mainWindow();
    ASSERT_TRUE(waitFor([w] { return w->isVisible(); }));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orvella"));
    EXPECT_EQ(
        w->findChild<QTableView*>(QStringLiteral("gridNonday"))
            ->model()
            ->data(w->findChild<QTableView*>(QStringLiteral("gridNonday"))->model()->index(0, TodoCol::What)),
        QStringLiteral("a to-do"));
    std::filesystem::remove(data.file(kTodoFile));

    w->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
    EXPECT_EQ(storedKeys(data), kSortedKeys);
    Table todo;
    loadGrid(todo, data.file(kTodoFile));
    EXPECT_EQ(todo.cell(TodoCol::What, 1), "a to-do");
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(ProgramTest, AMissingStoreEndsTheProgramWithItsMessage) {
    saveGrid(newTodoTable(), data.file(kTodoFile));
    Program program({&clock, &settings});
    EXPECT_EQ(program.start(), std::optional<int>(1));
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{"Grid.grd file not found!"});
}

TEST_F(ProgramTest, AFirstStartInstallsEmptyTaskFiles) {
    const std::string fresh = data.file("new-home");
    qputenv("ORVELLA_HOME", QByteArray::fromStdString(fresh));
    Program program({&clock, &settings});
    ASSERT_FALSE(program.start().has_value());
    EXPECT_TRUE(std::filesystem::exists(fresh + "/" + kStoreFile));
    EXPECT_TRUE(std::filesystem::exists(fresh + "/" + kTodoFile));
    program.mainWindow()->SayGoodBye();
}

// The real program binary, as a user starts it.
class ProgramBinaryTest : public ::testing::Test {
protected:
    std::unique_ptr<QProcess> launch() {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORVELLA_HOME"), QString::fromStdString(data.path()));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(data.file("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(ORVELLA_BINARY), {});
        p->waitForStarted();
        return p;
    }

    // The first showing writes the day of the first start into the settings.
    bool shown() const {
        const std::string conf = data.file("config/Quillmark/Task.conf");
        return std::filesystem::exists(conf) &&
               data.read("config/Quillmark/Task.conf").find("Days=") != std::string::npos;
    }

    static bool endsWithin(QProcess& p, int ms) {
        return p.state() == QProcess::NotRunning || p.waitForFinished(ms);
    }

    TempFolder data;
};

TEST_F(ProgramBinaryTest, ASecondCopyShowsTheFirstAndEnds) {
    writeUnsortedStore(data);
    auto first = launch();
    ASSERT_TRUE(waitFor([this] { return shown(); }, 20000));
    auto second = launch();
    EXPECT_TRUE(endsWithin(*second, 15000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    // Ending the session saves what the program holds, sorted.
    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    EXPECT_TRUE(endsWithin(*first, 15000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(storedKeys(data), kSortedKeys);
}

TEST_F(ProgramBinaryTest, TwoCopiesStartedTogetherLeaveOneRunning) {
    writeUnsortedStore(data);
    auto a = launch();
    auto b = launch();
    ASSERT_TRUE(waitFor(
        [&] { return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning; }, 20000));
    QProcess& running = a->state() == QProcess::Running ? *a : *b;
    EXPECT_EQ(running.state(), QProcess::Running);
    EXPECT_TRUE(waitFor([this] { return shown(); }, 20000));
    ::kill(static_cast<pid_t>(running.processId()), SIGTERM);
    EXPECT_TRUE(endsWithin(running, 15000));
}

} // namespace
} // namespace orvella
