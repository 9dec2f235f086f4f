#pragma once

namespace orvella {

// The source of "now" for everything that depends on the time of day. Date-times are date
// serials (days since 30 December 1899) plus the fraction of the day, in local time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
    int today() const;
};

// The machine's local time.
class SystemClock final : public Clock {
public:
    double now() const override;
};

// A clock that stands still until it is set; for tests and for replaying a moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(double now = 0) : now_(now) {}
    double now() const override { return now_; }
    void set(double now) { now_ = now; }
    void advanceMinutes(double minutes) { now_ += minutes / (24.0 * 60.0); }

private:
    double now_;
};

} // namespace orvella
