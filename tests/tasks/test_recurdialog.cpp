#include "tasks/Recur.h"

#include "data/DateTime.h"
#include "data/TaskStore.h"
#include "tasks/DayPicker.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace orvella {
namespace {

using test::ScriptedPrompter;
using Dates = std::vector<int>;

int day(int y, int m, int d) {
    return encodeDate(y, m, d);
}

QDate qdate(int y, int m, int d) {
    return QDate(y, m, d);
}

class RecurDialogTest : public ::testing::Test {
protected:
    RecurDialogTest() : dlg(clock, formats) {
        dlg.init("9:30 AM", "Work", true,
                 "Dentist appointment at the clinic on the hill\r\nbring the card\r\n");
        dlg.setStartDate(day(2003, 3, 6));
    }

    template <typename T>
    T* find(const char* name) {
        T* child = dlg.findChild<T*>(QString::fromLatin1(name));
        if (!child)
            throw std::runtime_error(std::string("no control ") + name);
        return child;
    }

    void tick(const char* name) { find<QCheckBox>(name)->click(); }
    void choose(const char* radio) { find<QRadioButton>(radio)->click(); }
    void range(QDate from, QDate to) {
        find<QDateEdit>("date1")->setDate(from);
        find<QDateEdit>("date2")->setDate(to);
    }
    QListWidget* list() { return find<QListWidget>("ListBox1"); }
    QString count() { return find<QLabel>("Label12")->text(); }

    // Wednesday 5 March 2003, noon.
    FixedClock clock{day(2003, 3, 5) + 0.5};
    FormatSettings formats = FormatSettings::enUS();
    ScriptedPrompter prompts;
    TfrmRecur dlg;
};

TEST_F(RecurDialogTest, OpensOnWeekOfMonthOverThirtyDays) {
    EXPECT_EQ(dlg.windowTitle(),
              QStringLiteral("Repeating event for Dentist appointment at the clinic o..."));
    EXPECT_TRUE(find<QRadioButton>("rbWofM")->isChecked());
    EXPECT_EQ(find<QStackedWidget>("pnlPattern")->currentWidget()->objectName(), QStringLiteral("pnlWofM"));
    EXPECT_EQ(dlg.startDate(), day(2003, 3, 6));
    EXPECT_EQ(dlg.endDate(), day(2003, 4, 5));
    EXPECT_EQ(find<QLabel>("lblNdays")->text(), QStringLiteral("30"));
    EXPECT_EQ(count(), QStringLiteral("Number of dates: "));
    EXPECT_FALSE(find<QPushButton>("btOK")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btDelete")->isEnabled());

    find<QDateEdit>("date2")->setDate(qdate(2003, 3, 16));
    EXPECT_EQ(find<QLabel>("lblNdays")->text(), QStringLiteral("10"));
}

TEST_F(RecurDialogTest, EachPatternShowsItsPanel) {
    const std::pair<const char*, const char*> cases[] = {
        {"rbDofM", "pnlDofM"},     {"rbWeekly", "pnlWeekly"}, {"rbDaily", "pnlDaily"},
        {"rbAnnual", "pnlAnnual"}, {"rbWofM", "pnlWofM"},
    };
    for (const auto& [radio, panel] : cases) {
        choose(radio);
        EXPECT_EQ(find<QStackedWidget>("pnlPattern")->currentWidget()->objectName(),
                  QString::fromLatin1(panel));
    }
}

TEST_F(RecurDialogTest, PreviewListsDateWeekdayAndDistance) {
    choose("rbDaily");
    tick("cbDailyAvoidSat");
    tick("cbDailyAvoidSun");
    range(qdate(2003, 3, 3), qdate(2003, 3, 16));
    dlg.btPreviewClick();

    ASSERT_EQ(list()->count(), 10);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("3/3/2003\tMon\t2 days ago"));
    EXPECT_EQ(list()->item(9)->text(), QStringLiteral("3/14/2003\tFri\t9 days"));
    EXPECT_EQ(count(), QStringLiteral("Number of dates: 10"));
    EXPECT_TRUE(find<QPushButton>("btOK")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btDelete")->isEnabled());
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(RecurDialogTest, ThePatternControlsMakeTheRule) {
    struct Case {
        const char* what;
        std::function<void()> set;
        QDate from, to;
        Dates expected;
    } cases[] = {
        {"every 2 weeks on Monday and Thursday",
         [&] {
             choose("rbWeekly");
             find<QSpinBox>("cntWeekly")->setValue(2);
             tick("cbWeeklyMon");
             tick("cbWeeklyThu");
         },
         qdate(2003, 3, 5),
         qdate(2003, 4, 5),
         {day(2003, 3, 6), day(2003, 3, 17), day(2003, 3, 20), day(2003, 3, 31), day(2003, 4, 3)}},
        {"5th Monday",
         [&] {
             choose("rbWofM");
             tick("cbWofM5th");
             tick("cbWofMMon");
         },
         qdate(2003, 1, 1),
         qdate(2003, 12, 31),
         {day(2003, 3, 31), day(2003, 6, 30), day(2003, 9, 29), day(2003, 12, 29)}},
        {"day 31 and the last day",
         [&] {
             choose("rbDofM");
             DayPicker* picker = find<DayPicker>("sgMonth");
             QTest::mouseClick(picker, Qt::LeftButton, {}, picker->cellRect(31).center());
             tick("cbLastDay");
         },
         qdate(2003, 1, 1),
         qdate(2003, 4, 30),
         {day(2003, 1, 31), day(2003, 1, 31), day(2003, 2, 28), day(2003, 3, 31), day(2003, 3, 31),
          day(2003, 4, 30)}},
        {"annually",
         [&] { choose("rbAnnual"); },
         qdate(2004, 2, 29),
         qdate(2009, 3, 1),
         {day(2004, 2, 29), day(2005, 2, 28), day(2006, 2, 28), day(2007, 2, 28), day(2008, 2, 29),
          day(2009, 2, 28)}},
    };
    // Each case uses another panel, and only the chosen panel's controls count.
    for (const Case& c : cases) {
        c.set();
        range(c.from, c.to);
        dlg.btPreviewClick();
        EXPECT_EQ(dlg.dates(), c.expected) << c.what;
        dlg.btResetClick();
    }
}

TEST_F(RecurDialogTest, TheDayPickerTogglesAndShowsSelectedDaysWhiteOnBlack) {
    choose("rbDofM");
    DayPicker* picker = find<DayPicker>("sgMonth");
    dlg.show();
    const QRect cell = picker->cellRect(17);
    QTest::mouseClick(picker, Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(picker->isSelected(17));
    const QImage selected = picker->grab().toImage();
    EXPECT_EQ(selected.pixelColor(cell.bottomRight() - QPoint(1, 1)), QColor(Qt::black));
    QTest::mouseClick(picker, Qt::LeftButton, {}, cell.center());
    EXPECT_FALSE(picker->isSelected(17));
    EXPECT_EQ(picker->grab().toImage().pixelColor(cell.bottomRight() - QPoint(1, 1)), QColor(Qt::white));
    // The cells after 31 are no days.
    EXPECT_EQ(picker->dayAt(picker->cellRect(31).center() + QPoint(picker->cellRect(1).width(), 0)), 0);
}

TEST_F(RecurDialogTest, FourthAndLastExcludeEachOther) {
    QCheckBox* fourth = find<QCheckBox>("cbWofM4th");
    QCheckBox* last = find<QCheckBox>("cbWofMLast");
    tick("cbWofM4th");
    tick("cbWofMLast");
    EXPECT_TRUE(fourth->isChecked());
    EXPECT_FALSE(last->isChecked());
    tick("cbWofM4th");
    tick("cbWofMLast");
    tick("cbWofM4th");
    EXPECT_FALSE(fourth->isChecked());
    EXPECT_TRUE(last->isChecked());
}

TEST_F(RecurDialogTest, RangesOfUpTo7400DaysPreview) {
    choose("rbDaily");
    const QDate from(2003, 3, 6);
    range(from, from.addDays(7400));
    dlg.btPreviewClick();
    EXPECT_EQ(list()->count(), 7401);
    EXPECT_TRUE(prompts.log().empty());

    // A longer range is refused and the list stays as it was.
    range(from, from.addDays(7401));
    dlg.btPreviewClick();
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{"Date range exceeds 20 years!"});
    EXPECT_EQ(list()->count(), 7401);
}

TEST_F(RecurDialogTest, NoDatesIsAnError) {
    dlg.btPreviewClick();
    EXPECT_EQ(prompts.texts(BoxKind::Error),
              std::vector<std::string>{
                  "No dates were generated.  Check your starting/ending dates and selections."});
    EXPECT_EQ(count(), QStringLiteral("Number of dates: 0"));
    EXPECT_FALSE(find<QPushButton>("btOK")->isEnabled());
}

TEST_F(RecurDialogTest, DeletedLinesAreLeftOutOfWhatOkStores) {
    choose("rbDaily");
    range(qdate(2003, 3, 10), qdate(2003, 3, 19));
    dlg.btPreviewClick();
    ASSERT_EQ(list()->count(), 10);
    for (int row : {0, 3, 4})
        list()->item(row)->setSelected(true);
    EXPECT_TRUE(find<QPushButton>("btDelete")->isEnabled());
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(count(), QStringLiteral("Number of dates: 7"));
    EXPECT_FALSE(find<QPushButton>("btDelete")->isEnabled());
    const Dates kept{day(2003, 3, 11), day(2003, 3, 12), day(2003, 3, 15), day(2003, 3, 16),
                     day(2003, 3, 17), day(2003, 3, 18), day(2003, 3, 19)};
    EXPECT_EQ(dlg.dates(), kept);

    list()->item(6)->setSelected(true);
    find<QPushButton>("btDelete")->click();
    EXPECT_EQ(dlg.dates(), Dates(kept.begin(), kept.end() - 1));

    dlg.show();
    prompts.answerConfirm(false);
    find<QPushButton>("btOK")->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(list()->count(), 6);

    prompts.answerConfirm(true);
    find<QPushButton>("btOK")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(prompts.texts(BoxKind::Confirm),
              (std::vector<std::string>{"Really add 6 events to the calendar?",
                                        "Really add 6 events to the calendar?"}));

    Table store = newStoreTable();
    appendRepeatRows(store, dlg.task(), dlg.dates());
    ASSERT_EQ(store.rowCount(), 7);
    for (int i = 0; i < 6; ++i) {
        const int r = i + 1;
        EXPECT_EQ(store.cell(StoreCol::Key, r), makeStoreKey(kept[static_cast<std::size_t>(i)], 100));
        EXPECT_EQ(store.cell(StoreCol::Time, r), "9:30 AM");
        EXPECT_EQ(store.cell(StoreCol::Category, r), "Work");
        EXPECT_EQ(store.cell(StoreCol::What, r),
                  "Dentist appointment at the clinic on the hill\r\nbring the card\r\n");
        EXPECT_EQ(store.cell(StoreCol::Done, r), "No");
        EXPECT_EQ(store.cell(StoreCol::Alarm, r), "Yes");
    }
}

TEST_F(RecurDialogTest, ResetEmptiesTheListAndCancelStoresNothing) {
    choose("rbDaily");
    dlg.btPreviewClick();
    list()->item(0)->setSelected(true);
    find<QPushButton>("btReset")->click();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(count(), QString());
    EXPECT_FALSE(find<QPushButton>("btOK")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btDelete")->isEnabled());

    dlg.btPreviewClick();
    find<QPushButton>("btCancel")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(prompts.texts(BoxKind::Confirm).empty());
}

} // namespace
} // namespace orvella
