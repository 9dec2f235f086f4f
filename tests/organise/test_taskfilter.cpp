#include "organise/NoFilterYet.h"
#include "organise/TaskFilter.h"
#include "organise/categories.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace orvella {
namespace {

struct Seen {
    const char* done;
    const char* category;
    bool shown;
};

void expectSeen(const TaskFilter& filter, std::initializer_list<Seen> cases) {
    for (const Seen& c : cases)
        EXPECT_EQ(filter.visible(c.done, c.category), c.shown)
            << '"' << c.done << "\" \"" << c.category << '"';
}

// A filter created over the given files; nullptr leaves a file out.
TaskFilter created(const test::TempFolder& dir, const char* listed, const char* chosen) {
    if (listed)
        dir.write(kCategoryFile, listed);
    if (chosen)
        dir.write(kCategorySelectionFile, chosen);
    TaskFilter filter;
    filter.loadCategories(dir.path());
    return filter;
}

std::vector<FilterEntry> entries(std::initializer_list<FilterEntry> list) {
    return list;
}

TEST(TaskFilter, WithoutACategoryFileOnlyTheSwitchesCount) {
    test::TempFolder dir;
    TaskFilter filter = created(dir, nullptr, nullptr);
    EXPECT_TRUE(filter.entries().empty());
    expectSeen(filter, {{"No", "Work", true}, {"Yes", "", true}, {"No", "anything", true}});
    EXPECT_FALSE(filter.active());

    struct Case {
        bool done, notDone;
        bool active, doneShown, notDoneShown;
    } cases[] = {{true, true, false, true, true},
                 {false, true, true, false, true},
                 {true, false, true, true, false},
                 {false, false, true, false, false}};
    for (const Case& c : cases) {
        filter.setShowDone(c.done);
        filter.setShowNotDone(c.notDone);
        EXPECT_EQ(filter.active(), c.active) << c.done << c.notDone;
        EXPECT_EQ(filter.visible("Yes", "Work"), c.doneShown) << c.done << c.notDone;
        EXPECT_EQ(filter.visible("No", "Work"), c.notDoneShown) << c.done << c.notDone;
    }
}

TEST(TaskFilter, WorkTickedAndHomeNot) {
    test::TempFolder dir;
    const TaskFilter filter = created(dir, "Work\r\nHome\r\n", "Work\r\n");
    EXPECT_EQ(filter.entries(), entries({{"Work", true}, {"Home", false}}));
    EXPECT_TRUE(filter.active());
    expectSeen(filter, {{"No", "work", true},
                        {"Yes", "WORK", true},
                        {"No", "Home", false},
                        {"No", "Garden", false},
                        {"No", "", false}});
}

TEST(TaskFilter, BothUntickedHidesTheListedAndShowsTheOthers) {
    test::TempFolder dir;
    const TaskFilter filter = created(dir, "Work\r\nHome\r\n", "");
    EXPECT_TRUE(filter.active());
    expectSeen(filter,
               {{"No", "Work", false}, {"No", "home", false}, {"No", "Garden", true}, {"No", "", true}});
}

TEST(TaskFilter, CaseIsIgnoredForAToZOnly) {
    test::TempFolder dir;
    const TaskFilter filter = created(dir, "CAF\xC3\x89\r\nHome\r\n", "CAF\xC3\x89\r\n");
    // "é" and "É" differ for the filter, so "café" is a category missing from the list.
    expectSeen(filter, {{"No", "caf\xC3\x89", true}, {"No", "caf\xC3\xA9", false}});
}

TEST(TaskFilter, ADoneTextNeitherYesNorNoPassesBothSwitches) {
    TaskFilter filter;
    filter.setShowDone(false);
    filter.setShowNotDone(false);
    expectSeen(filter, {{"Yes", "", false},
                        {"No", "", false},
                        {"", "", true},
                        {"yes", "", true},
                        {"no", "", true},
                        {"Done", "", true}});
}

TEST(TaskFilter, WithoutASelectionFileEveryListedLineIsTickedAsItIs) {
    test::TempFolder dir;
    const TaskFilter filter = created(dir, "Work\r\n Home \r\nWork", nullptr);
    EXPECT_EQ(filter.entries(), entries({{"Work", true}, {" Home ", true}, {"Work", true}}));
    EXPECT_FALSE(filter.active());
}

TEST(TaskFilter, ShowingTicksTheSelectionAgainAndKeepsOtherTicks) {
    test::TempFolder dir;
    TaskFilter filter = created(dir, "Work\r\nHome\r\nGarden\r\n", "work\r\n");
    EXPECT_EQ(filter.entries(), entries({{"Work", true}, {"Home", false}, {"Garden", false}}));
    // Ticks changed and then cancelled stay for the run...
    filter.setTicked(0, false);
    filter.setTicked(1, true);
    // ...until the next showing ticks the named ones again.
    filter.reloadSelection(dir.path());
    EXPECT_EQ(filter.entries(), entries({{"Work", true}, {"Home", true}, {"Garden", false}}));

    // Without a selection file every entry is named.
    std::remove(dir.file(kCategorySelectionFile).c_str());
    filter.reloadSelection(dir.path());
    EXPECT_EQ(filter.selection(), (std::vector<std::string>{"Work", "Home", "Garden"}));
    EXPECT_FALSE(filter.active());
}

TEST(TaskFilter, SavingWritesTheTickedEntriesInListOrder) {
    test::TempFolder dir;
    TaskFilter filter = created(dir, "Work\r\nHome\r\nGarden\r\n", "");
    filter.setTicked(2, true);
    filter.setTicked(0, true);
    filter.saveSelection(dir.path());
    EXPECT_EQ(dir.read(kCategorySelectionFile), "Work\r\nGarden\r\n");
    EXPECT_EQ(filter.selection(), (std::vector<std::string>{"Work", "Garden"}));
}

TEST(TaskFilter, FiltersOffTicksEverything) {
    test::TempFolder dir;
    TaskFilter filter = created(dir, "Work\r\nHome\r\n", "");
    filter.setShowDone(false);
    filter.filtersOff();
    EXPECT_EQ(filter.entries(), entries({{"Work", true}, {"Home", true}}));
    EXPECT_TRUE(filter.showDone());
    EXPECT_TRUE(filter.showNotDone());
    EXPECT_FALSE(filter.active());
    filter.tickAll(false);
    EXPECT_TRUE(filter.active());
}

TEST(TaskFilter, UpdateFilterListDropsDeletedAndAppendsNewOnesTicked) {
    test::TempFolder dir;
    TaskFilter filter = created(dir, "Work\r\nHome\r\nGarden\r\n", "Work\r\nGarden\r\n");
    filter.UpdateFilterList({"garden", "home", "Shop"}, {"WORK", "Absent"}, dir.path());
    EXPECT_EQ(filter.entries(), entries({{"Home", false}, {"Garden", true}, {"Shop", true}}));
    EXPECT_EQ(dir.read(kCategorySelectionFile), "Garden\r\nShop\r\n");
    EXPECT_EQ(dir.read(kCategoryFile), "Home\r\nGarden\r\nShop\r\n");
    expectSeen(filter, {{"No", "Work", false}, {"No", "shop", true}});
}

TEST(TaskFilter, SwitchesPersistInTheFilterSection) {
    MemorySettingsBackend backend;
    Settings settings(backend);
    TaskFilter filter;
    filter.setShowDone(false);
    filter.readSwitches(settings);
    EXPECT_TRUE(filter.showDone());
    EXPECT_TRUE(filter.showNotDone());

    filter.setShowNotDone(false);
    filter.writeSwitches(settings);
    EXPECT_EQ(backend.value("Filter", "Done"), "1");
    EXPECT_EQ(backend.value("Filter", "NotDone"), "0");
    TaskFilter again;
    again.readSwitches(settings);
    EXPECT_FALSE(again.showNotDone());
}

TEST(NoFilterYet, HidesEveryTaskAndIsNotActive) {
    const NoFilterYet none;
    EXPECT_FALSE(none.visible("No", "Work"));
    EXPECT_FALSE(none.visible("", ""));
    EXPECT_FALSE(none.active());
}

} // namespace
} // namespace orvella
