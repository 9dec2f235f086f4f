#include "data/TaskStore.h"
#include "organise/FilterIcons.h"
#include "organise/categories.h"
#include "organise/filter.h"
#include "organise/listbox.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orvella {
namespace {

using Lines = std::vector<std::string>;

const std::string kBothUnticked =
    "By un-checking both DONE and NOTDONE items you have effectively eliminated ALL "
    "tasks from appearing on the calendar.  New events will seem to disappear!";

template <typename W>
W& child(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        throw std::runtime_error(std::string("no control ") + name);
    return *w;
}

QString title(QWidget& form) {
    return child<QLabel>(form, "lblTitle").text();
}

Lines ticks(QWidget& form) {
    Lines out;
    const auto& list = child<QListWidget>(form, "cbWhat");
    for (int i = 0; i < list.count(); ++i)
        out.push_back((list.item(i)->checkState() == Qt::Checked ? "+" : "-") +
                      list.item(i)->text().toStdString());
    return out;
}

Lines listed(QWidget& form, const char* name = "ListBox1") {
    Lines out;
    const auto& list = child<QListWidget>(form, name);
    for (int i = 0; i < list.count(); ++i)
        out.push_back(list.item(i)->text().toStdString());
    return out;
}

void select(QWidget& form, std::initializer_list<const char*> texts) {
    auto& list = child<QListWidget>(form, "ListBox1");
    list.clearSelection();
    for (const char* text : texts)
        list.findItems(QString::fromUtf8(text), Qt::MatchExactly).value(0)->setSelected(true);
}

// The events of a double click as a window delivers them: the second press comes as the
// double click.
void doubleClick(QListWidget& list, int row) {
    const QPoint at = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &twice);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

Table storeWith(const Lines& categories) {
    Table store = newStoreTable();
    for (const std::string& category : categories) {
        const int r = store.appendRow();
        store.setCell(StoreCol::Key, r, makeStoreKey(45000 + r, 101));
        store.setCell(StoreCol::Category, r, category);
    }
    return store;
}

class FilterDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write(kCategoryFile, "Work\r\nHome\r\nGarden\r\n");
        dir.write(kCategorySelectionFile, "Work\r\n");
    }
    std::unique_ptr<TfrmFilter> create() { return std::make_unique<TfrmFilter>(dir.path(), settings); }

    test::TempFolder dir;
    MemorySettingsBackend backend;
    Settings settings{backend};
    test::ScriptedPrompter prompts;
    test::ScriptedDialogs dialogs;
};

TEST_F(FilterDialog, CreationFillsTheListAndTheTitleFollowsEveryChange) {
    auto form = create();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Task Filters"));
    EXPECT_EQ(ticks(*form), (Lines{"+Work", "-Home", "-Garden"}));
    EXPECT_EQ(child<QCheckBox>(*form, "cbDone").text(), QStringLiteral("&Done items"));
    EXPECT_EQ(child<QCheckBox>(*form, "cbNotDone").text(), QStringLiteral("   &Not done items"));

    struct Step {
        const char* button;
        const char* title;
    } steps[] = {{"btSelect", "Task Filters : Off"},  {"cbDone", "Task Filters : On"},
                 {"pnlDone", "Task Filters : Off"},   {"pnlNotDone", "Task Filters : On"},
                 {"cbNotDone", "Task Filters : Off"}, {"btDeselect", "Task Filters : On"}};
    EXPECT_EQ(title(*form), QStringLiteral("Task Filters : On"));
    for (const Step& s : steps) {
        child<QAbstractButton>(*form, s.button).click();
        EXPECT_EQ(title(*form), QString::fromLatin1(s.title)) << s.button;
    }
    EXPECT_EQ(ticks(*form), (Lines{"-Work", "-Home", "-Garden"}));

    child<QListWidget>(*form, "cbWhat").item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(form->taskFilter().visible("No", "home"));
    EXPECT_FALSE(form->taskFilter().visible("No", "Work"));
}

TEST_F(FilterDialog, PanelsToggleTheirBoxesAndShowTheColoursOfTheOptions) {
    auto form = create();
    auto& panel = child<QPushButton>(*form, "pnlNotDone");
    EXPECT_EQ(panel.text(), QStringLiteral("&Not Done Items"));
    EXPECT_EQ(child<QPushButton>(*form, "pnlDone").text(), QStringLiteral("&Done Items"));
    panel.click();
    EXPECT_FALSE(child<QCheckBox>(*form, "cbNotDone").isChecked());
    EXPECT_FALSE(form->taskFilter().visible("No", "Work"));
    EXPECT_TRUE(form->taskFilter().visible("Yes", "Work"));

    form->setPanelColours(Qt::black, QColor(0, 0, 128), Qt::white, QColor(0, 128, 0));
    form->resize(400, 400);
    const QImage done = child<QPushButton>(*form, "pnlDone").grab().toImage();
    const QImage notDone = panel.grab().toImage();
    EXPECT_EQ(done.pixelColor(3, done.height() / 2), QColor(0, 0, 128));
    EXPECT_EQ(notDone.pixelColor(3, notDone.height() / 2), QColor(0, 128, 0));
}

TEST_F(FilterDialog, OkWithBothBoxesUntickedSavesWarnsAndCloses) {
    auto form = create();
    QSignalSpy saved(form.get(), &TfrmFilter::categoriesSaved);
    dialogs.answerModal([](QDialog& d) {
        child<QCheckBox>(d, "cbDone").click();
        child<QCheckBox>(d, "cbNotDone").click();
        child<QListWidget>(d, "cbWhat").item(2)->setCheckState(Qt::Checked);
        child<QPushButton>(d, "btOK").click();
        return d.result();
    });
    EXPECT_EQ(form->showModal(), QDialog::Accepted);
    EXPECT_EQ(prompts.log(), (std::vector<test::ScriptedPrompter::Shown>{{BoxKind::Error, kBothUnticked}}));
    EXPECT_EQ(dir.read(kCategorySelectionFile), "Work\r\nGarden\r\n");
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(backend.value("Filter", "Done"), "0");
    EXPECT_EQ(backend.value("Filter", "NotDone"), "0");

    // One box is enough to keep tasks in sight: no warning.
    prompts.clear();
    dialogs.answerModal([](QDialog& d) {
        child<QCheckBox>(d, "cbDone").click();
        child<QPushButton>(d, "btOK").click();
        return d.result();
    });
    EXPECT_EQ(form->showModal(), QDialog::Accepted);
    EXPECT_TRUE(prompts.log().empty());
    EXPECT_EQ(backend.value("Filter", "Done"), "1");
}

TEST_F(FilterDialog, FiltersOffTicksEverythingSavesAndCloses) {
    backend.setValue("Filter", "NotDone", "0");
    auto form = create();
    EXPECT_FALSE(child<QCheckBox>(*form, "cbNotDone").isChecked());
    QSignalSpy saved(form.get(), &TfrmFilter::categoriesSaved);
    dialogs.answerModal([](QDialog& d) {
        child<QPushButton>(d, "btOff").click();
        return d.result();
    });
    EXPECT_EQ(form->showModal(), QDialog::Accepted);
    EXPECT_EQ(ticks(*form), (Lines{"+Work", "+Home", "+Garden"}));
    EXPECT_TRUE(child<QCheckBox>(*form, "cbNotDone").isChecked());
    EXPECT_EQ(title(*form), QStringLiteral("Task Filters : Off"));
    EXPECT_FALSE(form->taskFilter().active());
    EXPECT_EQ(dir.read(kCategorySelectionFile), "Work\r\nHome\r\nGarden\r\n");
    EXPECT_EQ(backend.value("Filter", "NotDone"), "1");
    EXPECT_EQ(saved.count(), 1);
}

TEST_F(FilterDialog, EscapeCancelsButTheTicksStayUntilTheNextShowing) {
    auto form = create();
    QSignalSpy saved(form.get(), &TfrmFilter::categoriesSaved);
    dialogs.answerModal([](QDialog& d) {
        auto& list = child<QListWidget>(d, "cbWhat");
        list.item(0)->setCheckState(Qt::Unchecked);
        list.item(1)->setCheckState(Qt::Checked);
        child<QCheckBox>(d, "cbDone").click();
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_EQ(form->showModal(), QDialog::Rejected);
    EXPECT_EQ(dir.read(kCategorySelectionFile), "Work\r\n");
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(backend.value("Filter", "Done"), "0");
    EXPECT_TRUE(form->taskFilter().visible("No", "Home"));
    EXPECT_FALSE(form->taskFilter().visible("No", "Work"));

    dialogs.answerModal([](QDialog& d) { return d.result(); });
    form->showModal();
    EXPECT_EQ(ticks(*form), (Lines{"+Work", "+Home", "-Garden"}));
}

TEST_F(FilterDialog, PlacementsComeBackAtCreationAndAreStoredAtDestruction) {
    {
        auto form = create();
        EXPECT_EQ(form->pos(), QPoint(100, 100));
        EXPECT_EQ(form->size(), QSize(400, 400));
    }
    EXPECT_EQ(backend.value("", "FilterTop"), "100");
    EXPECT_EQ(backend.value("", "FilterHeight"), "400");

    backend.setValue("", "FilterTop", "120");
    backend.setValue("", "FilterLeft", "130");
    backend.setValue("", "FilterWidth", "450");
    backend.setValue("", "FilterHeight", "abc");
    auto form = create();
    EXPECT_EQ(form->pos(), QPoint(130, 120));
    EXPECT_EQ(form->size(), QSize(450, 400));
    form->move(40, 50);
    form->resize(420, 380);
    form.reset();
    EXPECT_EQ(backend.value("", "FilterTop"), "50");
    EXPECT_EQ(backend.value("", "FilterLeft"), "40");
    EXPECT_EQ(backend.value("", "FilterWidth"), "420");
    EXPECT_EQ(backend.value("", "FilterHeight"), "380");
}

TEST_F(FilterDialog, CategoriesShowInTwoColumns) {
    dir.write(kCategoryFile, "A\r\nB\r\nC\r\nD\r\nE\r\n");
    auto form = create();
    form->show();
    auto& list = child<QListWidget>(*form, "cbWhat");
    const auto rect = [&](int row) { return list.visualItemRect(list.item(row)); };
    // The list lays its items out again a moment after a resize.
    EXPECT_TRUE(test::waitFor([&] { return rect(0).top() == rect(1).top(); }));
    const QRect first = rect(0);
    const QRect second = rect(1);
    const QRect third = rect(2);

    EXPECT_GE(second.left(), list.viewport()->width() / 2 - 20);
    EXPECT_EQ(third.left(), first.left());
    EXPECT_GT(third.top(), first.top());
}

TEST(FilterIcons, MenuCaptionAndPictureFollowTheFilter) {
    QAction menu;
    QAction button;
    showFilterState(menu, button, true);
    EXPECT_EQ(menu.text(), QStringLiteral("FILTERS ON"));
    const QImage on = button.icon().pixmap(32).toImage();
    showFilterState(menu, button, false);
    EXPECT_EQ(menu.text(), QStringLiteral("Filters"));
    const QImage off = button.icon().pixmap(32).toImage();
    EXPECT_FALSE(on.isNull());
    EXPECT_NE(on, off);
}

class CategoryEditor : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write(kCategoryFile, "Work\r\nHome\r\nGarden\r\n");
        filter = std::make_unique<TfrmFilter>(dir.path(), settings);
    }

    test::TempFolder dir;
    MemorySettingsBackend backend;
    Settings settings{backend};
    test::ScriptedPrompter prompts;
    test::ScriptedDialogs dialogs;
    Table store = storeWith({"Work", "work", "Shop"});
    std::unique_ptr<TfrmFilter> filter;
};

TEST_F(CategoryEditor, DeletingOneInUseAndOneFreeDeletesNeitherAndNamesBoth) {
    TfrmListBox editor(store, filter.get());
    editor.setItems({"Work", "Home", "Garden"});
    EXPECT_EQ(listed(editor), (Lines{"Garden", "Home", "Work"}));
    select(editor, {"Work", "Garden"});
    child<QPushButton>(editor, "btDel").click();
    EXPECT_EQ(prompts.texts(BoxKind::Error),
              (Lines{"The following category: \"Work\" is in use and cannot be deleted. \r\r"
                     "The following category may be deleted: \"Garden\". Try reselecting."}));
    EXPECT_EQ(listed(editor), (Lines{"Garden", "Home", "Work"}));
    EXPECT_TRUE(editor.deletedItems().empty());

    prompts.clear();
    editor.findChild<QListWidget*>(QStringLiteral("ListBox1"))->clearSelection();
    child<QPushButton>(editor, "btDel").click();
    EXPECT_EQ(prompts.texts(BoxKind::Error), (Lines{"Select one or more items"}));

    select(editor, {"Home", "Garden"});
    child<QPushButton>(editor, "btDel").click();
    EXPECT_EQ(listed(editor), (Lines{"Work"}));
    EXPECT_EQ(editor.deletedItems(), (Lines{"Garden", "Home"}));
}

TEST_F(CategoryEditor, AddTakesANewAnswerAsItIs) {
    TfrmListBox editor(store, filter.get());
    editor.setItems({"Work"});
    struct Case {
        std::optional<std::string> answer;
        Lines after;
    } cases[] = {{std::nullopt, {"Work"}},
                 {"", {"Work"}},
                 {"WORK", {"Work"}},
                 {" shop", {" shop", "Work"}},
                 {"Home", {" shop", "Home", "Work"}}};
    for (const Case& c : cases) {
        prompts.answerInput(c.answer);
        child<QPushButton>(editor, "btAdd").click();
        EXPECT_EQ(listed(editor), c.after) << c.answer.value_or("(cancelled)");
    }
    EXPECT_TRUE(editor.added());
    const auto selected = child<QListWidget>(editor, "ListBox1").selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front()->text(), QStringLiteral("Home"));
    EXPECT_EQ(prompts.unanswered(), 0);
    EXPECT_EQ(prompts.texts(BoxKind::Message).front(), "Quick Pick: New Quick Pick");
}

TEST_F(CategoryEditor, InsertAndDeleteKeysWorkWhereverTheFocusIs) {
    TfrmListBox editor(store, filter.get());
    editor.setItems({"Garden", "Work"});
    editor.show();
    QApplication::setActiveWindow(&editor);
    ASSERT_TRUE(test::waitFor([&] { return editor.isActiveWindow(); }));
    auto& cancel = child<QPushButton>(editor, "btCancel");
    cancel.setFocus();
    prompts.answerInput("Home");
    QTest::keyClick(&cancel, Qt::Key_Insert);
    EXPECT_EQ(listed(editor), (Lines{"Garden", "Home", "Work"}));
    select(editor, {"Garden"});
    QTest::keyClick(&cancel, Qt::Key_Delete);
    EXPECT_EQ(listed(editor), (Lines{"Home", "Work"}));
}

TEST_F(CategoryEditor, RebuildAddsTheStoresCategoriesWhenConfirmed) {
    TfrmListBox editor(store, filter.get());
    editor.setItems({"Home"});
    prompts.answerConfirm(false);
    child<QPushButton>(editor, "btRebuild").click();
    EXPECT_EQ(listed(editor), (Lines{"Home"}));
    EXPECT_EQ(prompts.log(),
              (std::vector<test::ScriptedPrompter::Shown>{
                  {BoxKind::Confirm, "This will rebuild the list of categories from the existing "
                                     "tasks, both pending and completed.  Continue?"}}));

    prompts.answerConfirm(true);
    child<QPushButton>(editor, "btRebuild").click();
    EXPECT_EQ(listed(editor), (Lines{"Home", "Shop", "Work"}));
    EXPECT_EQ(prompts.texts(BoxKind::Information),
              (Lines{"The following categories were added: \" Work, Shop\"."}));
    EXPECT_FALSE(editor.added()); // only Add counts for the Cancel rule
}

TEST_F(CategoryEditor, CancelAfterAddingKeepsTheEditedListWithItsDeletions) {
    prompts.answerInput("Shop");
    dialogs.answerModal([](QDialog& d) {
        child<QPushButton>(d, "btAdd").click();
        select(static_cast<QWidget&>(d), {"Garden"});
        child<QPushButton>(d, "btDel").click();
        child<QPushButton>(d, "btCancel").click();
        return d.result();
    });
    EXPECT_TRUE(editCategories(nullptr, dir.path(), store, *filter));
    EXPECT_EQ(dir.read(kCategoryFile), "Home\r\nShop\r\nWork\r\n");
    EXPECT_FALSE(dir.exists(kCategorySelectionFile)); // the filter was not told
    EXPECT_EQ(filter->taskFilter().entries().size(), 3u);
}

TEST_F(CategoryEditor, CancelWithoutAddingLeavesTheFileAlone) {
    QString caption;
    dialogs.answerModal([&](QDialog& d) {
        caption = d.windowTitle();
        select(static_cast<QWidget&>(d), {"Garden"});
        child<QPushButton>(d, "btDel").click();
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_FALSE(editCategories(nullptr, dir.path(), store, *filter));
    EXPECT_EQ(caption, QStringLiteral("Edit Category Choices"));
    EXPECT_EQ(dir.read(kCategoryFile), "Work\r\nHome\r\nGarden\r\n");
}

TEST_F(CategoryEditor, OkMergesIntoTheFilterAndWritesTheSortedList) {
    prompts.answerInput("Shop");
    dialogs.answerModal([](QDialog& d) {
        child<QPushButton>(d, "btAdd").click();
        select(static_cast<QWidget&>(d), {"Home"});
        child<QPushButton>(d, "btDel").click();
        d.show();
        QCoreApplication::processEvents();
        auto& list = child<QListWidget>(d, "ListBox1");
        doubleClick(list, 0);
        return d.result();
    });
    EXPECT_TRUE(editCategories(nullptr, dir.path(), store, *filter));
    EXPECT_EQ(ticks(*filter), (Lines{"+Work", "+Garden", "+Shop"}));
    EXPECT_EQ(dir.read(kCategorySelectionFile), "Work\r\nGarden\r\nShop\r\n");
    EXPECT_EQ(dir.read(kCategoryFile), "Garden\r\nShop\r\nWork\r\n");
}

} // namespace
} // namespace orvella
