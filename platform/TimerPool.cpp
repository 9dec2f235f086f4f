#include "platform/TimerPool.h"

#include <QTimer>

#include <algorithm>

namespace orvella {

TimerPool::TimerPool(QObject* parent) : QObject(parent) {}

TimerPool::~TimerPool() = default;

int TimerPool::add(int intervalMs, bool enabled, std::function<void()> work) {
    const int handle = static_cast<int>(triggers_.size());
    auto* timer = new QTimer(this);
    timer->setInterval(std::max(intervalMs, kShortestInterval));
    connect(timer, &QTimer::timeout, this, [this, handle] { dispatch(handle); });
    triggers_.push_back({timer, std::move(work)});
    if (enabled)
        timer->start();
    return handle;
}

void TimerPool::setEnabled(int handle, bool enabled) {
    QTimer* timer = triggers_.at(static_cast<std::size_t>(handle)).timer;
    if (enabled && !timer->isActive())
        timer->start();
    else if (!enabled)
        timer->stop();
}

bool TimerPool::isEnabled(int handle) const {
    return triggers_.at(static_cast<std::size_t>(handle)).timer->isActive();
}

int TimerPool::interval(int handle) const {
    return triggers_.at(static_cast<std::size_t>(handle)).timer->interval();
}

void TimerPool::stopAll() {
    for (Trigger& t : triggers_)
        t.timer->stop();
}

void TimerPool::dispatch(int handle) {
    const Trigger& t = triggers_.at(static_cast<std::size_t>(handle));
    if (!t.work)
        return;
    try {
        t.work();
    } catch (...) {
        // A failing trigger must not take the program down; its next firing tries again.
    }
}

} // namespace orvella
