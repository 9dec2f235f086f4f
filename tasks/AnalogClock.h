#pragma once

#include <QTime>
#include <QWidget>

namespace orvella {

// A round clock face that shows a given time with a navy hour hand and a blue minute hand;
// it has no second hand and does not run by itself.
class AnalogClock : public QWidget {
    Q_OBJECT

public:
    explicit AnalogClock(QWidget* parent = nullptr);

    QTime time() const { return time_; }
    void setTime(const QTime& time);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTime time_{0, 0};
};

} // namespace orvella
