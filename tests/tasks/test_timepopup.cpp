#include "tasks/Timebar.h"

#include "data/DateTime.h"
#include "tasks/AnalogClock.h"
#include "tasks/timebar.h"
#include "tests/support/WaitFor.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvella {
namespace {

template <typename T>
T* find(QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no control ") + name);
    return child;
}

// A mouse event on the bar at x, at the bar's vertical middle.
void mouse(QWidget* bar, QEvent::Type type, int x) {
    const QPointF local(x, kBarHeight / 2);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, bar->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
}

class TimePopupTest : public ::testing::Test {
protected:
    // Wednesday 5 March 2003, 14:37:20.
    FixedClock clock{encodeDate(2003, 3, 5) + encodeTime(14, 37, 20)};
    FormatSettings formats = FormatSettings::enUS();
};

TEST_F(TimePopupTest, OpeningOnMidnightShowsTheCurrentTime) {
    TfrmTimePopup dlg(clock, formats);
    dlg.settime(QTime(0, 0));
    EXPECT_EQ(dlg.time(), QTime(14, 37, 20));
    EXPECT_EQ(find<AnalogClock>(dlg, "Clock1")->time(), QTime(14, 37, 20));
    EXPECT_EQ(dlg.pointerX(), TimetoX(14, 37));
    EXPECT_EQ(find<QToolButton>(dlg, "sbNow")->text(), QStringLiteral("It is 2:37 PM"));

    dlg.settime(QTime(8, 15));
    EXPECT_EQ(dlg.time(), QTime(8, 15));
    EXPECT_EQ(dlg.pointerX(), TimetoX(8, 15));
}

TEST_F(TimePopupTest, DraggingGivesWholeFiveMinutesAndMidnightBeyondEitherEnd) {
    TfrmTimePopup dlg(clock, formats);
    dlg.settime(QTime(12, 0));
    dlg.show();
    QLabel* bar = find<QLabel>(dlg, "Image1");
    QLabel* pnlTime = find<QLabel>(dlg, "pnlTime");

    mouse(bar, QEvent::MouseButtonPress, 100);
    EXPECT_TRUE(pnlTime->isVisible());
    struct Case {
        int x;
        QTime time;
        QColor colour;
    } cases[] = {
        {100, QTime(4, 35), QColor(0, 255, 255)},  {207, QTime(10, 0), QColor(255, 255, 0)},
        {209, QTime(10, 5), QColor(255, 255, 0)},  {386, QTime(18, 55), QColor(255, 255, 0)},
        {400, QTime(19, 35), QColor(0, 255, 255)}, {520, QTime(0, 0), QColor(0, 255, 255)},
        {-30, QTime(0, 0), QColor(0, 255, 255)},
    };
    for (const Case& c : cases) {
        mouse(bar, QEvent::MouseMove, c.x);
        EXPECT_EQ(dlg.time(), c.time) << "x = " << c.x;
        EXPECT_EQ(pnlTime->palette().color(QPalette::Window), c.colour) << "x = " << c.x;
        EXPECT_EQ(dlg.pointerX(), TimetoX(c.time.hour(), c.time.minute())) << "x = " << c.x;
    }
    for (int x = -10; x < kBarWidth + 10; ++x) {
        mouse(bar, QEvent::MouseMove, x);
        EXPECT_EQ(dlg.time().minute() % 5, 0) << "x = " << x;
        EXPECT_EQ(dlg.time().second(), 0) << "x = " << x;
    }
    mouse(bar, QEvent::MouseButtonRelease, 207);
    EXPECT_FALSE(pnlTime->isVisible());
    // Without a button held the bar does not follow the mouse.
    const QTime kept = dlg.time();
    mouse(bar, QEvent::MouseMove, 300);
    EXPECT_EQ(dlg.time(), kept);
}

TEST_F(TimePopupTest, KeysStepTheTimeBeforeTheTimeFieldSeesThem) {
    struct Case {
        QTime from;
        Qt::Key key;
        QTime to;
    } cases[] = {
        {QTime(10, 0), Qt::Key_Down, QTime(9, 0)},      {QTime(9, 59), Qt::Key_Up, QTime(10, 0)},
        {QTime(10, 30), Qt::Key_Down, QTime(10, 29)},   {QTime(23, 59), Qt::Key_Up, QTime(23, 59)},
        {QTime(10, 20), Qt::Key_PageUp, QTime(11, 20)}, {QTime(0, 40), Qt::Key_PageDown, QTime(0, 40)},
        {QTime(6, 5), Qt::Key_Home, QTime(14, 37, 20)},
    };
    for (const Case& c : cases) {
        TfrmTimePopup dlg(clock, formats);
        dlg.settime(c.from);
        QTimeEdit* dtTime = find<QTimeEdit>(dlg, "dtTime");
        QTest::keyClick(dtTime, c.key);
        EXPECT_EQ(dlg.time(), c.to) << c.from.toString().toStdString() << " key " << c.key;
        EXPECT_EQ(dlg.pointerX(), TimetoX(c.to.hour(), c.to.minute()));
        EXPECT_EQ(find<AnalogClock>(dlg, "Clock1")->time(), c.to);
    }
}

TEST_F(TimePopupTest, NowButtonSetsTheCurrentTimeAndItsCaptionFollowsTheClock) {
    TfrmTimePopup dlg(clock, formats);
    dlg.settime(QTime(9, 0));
    QToolButton* sbNow = find<QToolButton>(dlg, "sbNow");
    sbNow->click();
    EXPECT_EQ(dlg.time(), QTime(14, 37, 20));

    clock.advanceMinutes(5);
    EXPECT_TRUE(test::waitFor([&] { return sbNow->text() == QStringLiteral("It is 2:42 PM"); }));
}

TEST_F(TimePopupTest, OkAndADoubleClickOnTheBarAccept) {
    {
        TfrmTimePopup dlg(clock, formats);
        dlg.show();
        QLabel* bar = find<QLabel>(dlg, "Image1");
        mouse(bar, QEvent::MouseButtonPress, 207);
        mouse(bar, QEvent::MouseButtonRelease, 207);
        mouse(bar, QEvent::MouseButtonDblClick, 207);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.time(), QTime(10, 0));
    }
    TfrmTimePopup dlg(clock, formats);
    find<QPushButton>(dlg, "btOK")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    TfrmTimePopup cancelled(clock, formats);
    find<QPushButton>(cancelled, "btCancel")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST_F(TimePopupTest, TheBarFollowsTheLocaleClock) {
    TfrmTimePopup twelve(clock, formats);
    twelve.show();
    EXPECT_TRUE(find<QLabel>(twelve, "Image1")->isVisible());
    EXPECT_FALSE(find<QLabel>(twelve, "im24")->isVisible());

    const FormatSettings de = FormatSettings::deDE();
    TfrmTimePopup twentyFour(clock, de);
    twentyFour.show();
    EXPECT_FALSE(find<QLabel>(twentyFour, "Image1")->isVisible());
    EXPECT_TRUE(find<QLabel>(twentyFour, "im24")->isVisible());
    EXPECT_EQ(find<QToolButton>(twentyFour, "sbNow")->text(), QStringLiteral("It is 14:37"));
}

TEST_F(TimePopupTest, TheCursorMovesOntoTheBarOnceShown) {
    TfrmTimePopup dlg(clock, formats);
    dlg.settime(QTime(10, 0));
    QCursor::setPos(0, 0);
    dlg.show();
    const QPoint target = dlg.cursorTarget();
    const QPoint onBar = find<QLabel>(dlg, "Image1")->mapFromGlobal(target);
    EXPECT_EQ(onBar, QPoint(TimetoX(10, 0) - 8, kBarHeight / 2));
    EXPECT_TRUE(test::waitFor([&] { return QCursor::pos() == target; }));
}

} // namespace
} // namespace orvella
