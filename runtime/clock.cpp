#include "clock.h"

#include <ctime>

namespace hobwatch {
namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr std::int64_t kUnixEpochInDays = 25569;

std::int64_t Milliseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000 + time.tv_nsec / 1'000'000;
}

std::int64_t SteadyMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return Milliseconds(now);
}

std::int64_t LocalWallMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return Milliseconds(now) + static_cast<std::int64_t>(local.tm_gmtoff) * 1000 +
           kUnixEpochInDays * kMillisecondsPerDay;
}

}  // namespace

SystemClock::SystemClock()
    : wallAtStartMilliseconds_(LocalWallMilliseconds()),
      steadyAtStartMilliseconds_(SteadyMilliseconds()) {}

DateValue SystemClock::Now() const {
    return DateValueFromMilliseconds(wallAtStartMilliseconds_ + SteadyMilliseconds() -
                                     steadyAtStartMilliseconds_);
}

}  // namespace hobwatch
