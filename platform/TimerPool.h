#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace orvella {

// Numbered periodic triggers that report through one dispatch. A trigger never runs more
// often than every 55 ms; an exception thrown by its work is caught and dropped, so one
// failing trigger cannot stop the others.
class TimerPool : public QObject {
    Q_OBJECT

public:
    static constexpr int kShortestInterval = 55;

    explicit TimerPool(QObject* parent = nullptr);
    ~TimerPool() override;

    // Adds a trigger and returns its handle (0, 1, 2, ... in order of adding).
    int add(int intervalMs, bool enabled, std::function<void()> work);
    void setEnabled(int handle, bool enabled);
    bool isEnabled(int handle) const;
    int interval(int handle) const;
    void stopAll();

    // Runs the work of one trigger, as its firing does.
    void dispatch(int handle);

private:
    struct Trigger {
        QTimer* timer;
        std::function<void()> work;
    };
    std::vector<Trigger> triggers_;
};

} // namespace orvella
