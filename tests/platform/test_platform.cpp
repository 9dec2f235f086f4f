#include "data/DataFiles.h"
#include "data/gridfile.h"
#include "platform/DataFolder.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SingleInstance.h"
#include "platform/TableModel.h"
#include "platform/TimerPool.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaitFor.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvella {
namespace {

TEST(TimerPool, TriggersNeverRunFasterThan55MsAndSurviveErrors) {
    TimerPool pool;
    int good = 0;
    int bad = 0;
    const int fast = pool.add(40, false, [&] { ++good; });
    const int failing = pool.add(1000, true, [&] {
        ++bad;
        throw std::runtime_error("handler failed");
    });
    EXPECT_EQ(fast, 0);
    EXPECT_EQ(failing, 1);
    EXPECT_EQ(pool.interval(fast), 55);
    EXPECT_FALSE(pool.isEnabled(fast));
    EXPECT_TRUE(pool.isEnabled(failing));
    EXPECT_NO_THROW(pool.dispatch(failing));
    EXPECT_EQ(bad, 1);
    pool.setEnabled(fast, true);
    EXPECT_TRUE(test::waitFor([&] { return good >= 2; }));
    pool.stopAll();
    EXPECT_FALSE(pool.isEnabled(fast));
    EXPECT_FALSE(pool.isEnabled(failing));
}

TEST(TableModel, ShowsRowZeroAsTheHeader) {
    Table t(2, 3);
    t.setCell(0, 0, "Time");
    t.setCell(1, 2, "caf\xE9");
    TableModel model(t);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Time"));
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(QtSettingsBackend, SectionsAndTheKeyItself) {
    test::TempFolder dir;
    const QString path = QString::fromStdString(dir.file("Task.conf"));
    {
        QtSettingsBackend backend(path);
        Settings s(backend);
        EXPECT_TRUE(s.writeInteger("Options", "Days", 45000));
        EXPECT_TRUE(s.writeText("", "FilterTop", "100"));
        EXPECT_TRUE(s.writeText("Options", "Category", "caf\xC3\xA9"));
    }
    QtSettingsBackend again(path);
    Settings s(again);
    EXPECT_EQ(s.readInteger("Options", "Days", -1), 45000);
    EXPECT_EQ(s.readText("", "FilterTop", ""), "100");
    EXPECT_EQ(s.readText("Options", "Category", ""), "caf\xC3\xA9");
    EXPECT_EQ(s.readInteger("Options", "Absent", -1), -1);
}

TEST(QtSettingsBackend, AFileThatIsNoIniReadsDefaults) {
    test::TempFolder dir;
    dir.write("Task.conf", std::string("\x01\x02[[[=\r\n=====\n[Options\nDays=abc\n\0\xff", 34));
    QtSettingsBackend backend(QString::fromStdString(dir.file("Task.conf")));
    Settings s(backend);
    EXPECT_EQ(s.readInteger("Options", "Days", -1), -1);
    EXPECT_TRUE(s.readBoolean("Options", "Shadows", true));
}

TEST(DataFolder, ANewFolderGetsEmptyTaskFiles) {
    test::TempFolder dir;
    const std::string folder = dir.file("new/data");
    ASSERT_TRUE(DataFolder::prepare(QString::fromStdString(folder)));
    Table store;
    loadGrid(store, folder + "/" + kStoreFile);
    EXPECT_EQ(store.colCount(), 6);
    Table todo;
    loadGrid(todo, folder + "/" + kTodoFile);
    EXPECT_EQ(todo.colCount(), 3);
    EXPECT_EQ(todo.cell(1, 0), "What");

    // An existing folder is left as it is, even without its files.
    const std::string existing = dir.file("existing");
    std::filesystem::create_directory(existing);
    ASSERT_TRUE(DataFolder::prepare(QString::fromStdString(existing)));
    EXPECT_FALSE(std::filesystem::exists(existing + "/" + kStoreFile));
}

TEST(SingleInstance, ASecondCopyAsksTheFirstToShowItself) {
    test::TempFolder dir;
    const QString key = SingleInstance::keyForDataFolder(QString::fromStdString(dir.path()));
    EXPECT_NE(key, SingleInstance::keyForDataFolder(QString::fromStdString(dir.file("other"))));

    SingleInstance first(key);
    ASSERT_EQ(first.begin(100), SingleInstance::Start::Run);
    // While the first still builds its windows it holds the lock: a second copy gives up.
    SingleInstance early(key);
    EXPECT_EQ(early.begin(100), SingleInstance::Start::TimedOut);

    first.ready();
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    SingleInstance second(key);
    EXPECT_EQ(second.begin(1000), SingleInstance::Start::AnotherShown);
    EXPECT_TRUE(test::waitFor([&] { return shown.count() == 1; }));
}

} // namespace
} // namespace orvella
