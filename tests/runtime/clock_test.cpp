#include "runtime/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

namespace hobwatch {
namespace {

// Days from the DateValue epoch, 30 December 1899, to 1 January 1970.
constexpr double kUnixEpochInDays = 25569;

// The C library's local wall time, in whole seconds, as a DateValue.
DateValue LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return kUnixEpochInDays + static_cast<double>(now + local.tm_gmtoff) / kSecondsPerDay;
}

TEST(SystemClock, ReadsLocalWallTimeAndAdvancesInRealTime) {
    const SystemClock clock;
    EXPECT_NEAR(clock.Now(), LocalTimeNow(), 2 / kSecondsPerDay);

    const DateValue before = clock.Now();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const double elapsedSeconds = DateDifference(clock.Now(), before) * kSecondsPerDay;
    // Bounds wide enough for a busy machine; a clock in the wrong unit is off by a factor of 1000.
    EXPECT_GE(elapsedSeconds, 0.3);
    EXPECT_LT(elapsedSeconds, 10.0);
}

// A zone east of Greenwich by a fraction of an hour shows an offset in the wrong unit or sign.
TEST(SystemClock, AddsTheZonesOffsetToUniversalTime) {
    struct Row {
        const char* zone;
        double hoursAheadOfUniversalTime;
    };
    const Row rows[] = {{"UTC", 0}, {"Asia/Kolkata", 5.5}};
    const char* const savedZone = std::getenv("TZ");
    const std::string saved = savedZone != nullptr ? savedZone : "";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.zone);
        ::setenv("TZ", row.zone, 1);
        ::tzset();
        const SystemClock clock;
        const DateValue universal = kUnixEpochInDays + std::time(nullptr) / kSecondsPerDay;
        EXPECT_NEAR(DateDifference(clock.Now(), universal) * 24, row.hoursAheadOfUniversalTime,
                    0.01);
    }
    if (savedZone != nullptr) {
        ::setenv("TZ", saved.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

}  // namespace
}  // namespace hobwatch
