#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace orvella::test {

// Handles events until `done` holds or `ms` milliseconds have passed; whether it held.
// (QTRY_* report to QTest, not to GoogleTest, so tests wait with this and then assert.)
template <typename Predicate>
bool waitFor(Predicate done, int ms = 3000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

} // namespace orvella::test
