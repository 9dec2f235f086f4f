#include "data/Clock.h"

#include "data/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace orvella {

int Clock::today() const {
    return static_cast<int>(std::floor(now()));
}

double SystemClock::now() const {
    using namespace std::chrono;
    const auto t = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(t);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &secs);
#else
    localtime_r(&secs, &local);
#endif
    const auto ms = duration_cast<milliseconds>(t.time_since_epoch()).count() % 1000;
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           encodeTime(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms));
}

} // namespace orvella
