#include "runtime/duration_format.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/date_value.h"

namespace hobwatch {
namespace {

struct FormatCase {
    const char* name;
    std::int64_t milliseconds;
    const char* pattern;
    const char* expected;
};

// Durations as the tick computes them: the difference of two clock readings in 2024.
TEST(DurationFormat, RoundsToWholeSecondsAndTheLargestFieldCarriesTheRest) {
    const FormatCase cases[] = {
        {"5.5 s rounds up like 6.5 s", 5'500, "nn:ss", "00:06"},
        {"6.5 s rounds up", 6'500, "nn:ss", "00:07"},
        {"just under half a second", 499, "nn:ss", "00:00"},
        {"ten seconds need no padding", 10'000, "nn:ss", "00:10"},
        {"ten minutes need no padding", 600'000, "nn:ss", "10:00"},
        {"ten minutes within an hour", 600'000, "h:nn:ss", "0:10:00"},
        {"nn carries all minutes without h", 6'000'000, "nn:ss", "100:00"},
        {"h shows all hours beyond a day", 90'061'000, "h:nn:ss", "25:01:01"},
        {"other characters stand for themselves", 61'000, " (nn:ss) n s", " (01:01) n s"},
        {"negative shows zero", -1'000, "nn:ss", "00:00"},
    };
    const std::int64_t noon = 45292 * kMillisecondsPerDay + kMillisecondsPerDay / 2;
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double days = DateDifference(DateValueFromMilliseconds(noon + c.milliseconds),
                                           DateValueFromMilliseconds(noon));
        EXPECT_EQ(FormatDuration(days, c.pattern), c.expected);
    }
}

}  // namespace
}  // namespace hobwatch
