#include "runtime/duration_format.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/date_value.h"

namespace hobwatch {
namespace {

// Durations as the tick computes them: the difference of two clock readings.
double DurationOfMilliseconds(std::int64_t milliseconds) {
    const std::int64_t noon = 45292 * kMillisecondsPerDay + kMillisecondsPerDay / 2;
    return DateDifference(DateValueFromMilliseconds(noon + milliseconds),
                          DateValueFromMilliseconds(noon));
}

struct FormatCase {
    const char* name;
    std::int64_t milliseconds;
    const char* pattern;
    const char* expected;
};

TEST(DurationFormat, ShowsTheFieldsOfThePattern) {
    const FormatCase cases[] = {
        {"minutes and seconds", 899'000, "nn:ss", "14:59"},
        {"zero", 0, "nn:ss", "00:00"},
        {"bracketed elapsed", 1'000, " (nn:ss)", " (00:01)"},
        {"hours without leading zero", 5'399'000, "h:nn:ss", "1:29:59"},
        {"zero hours", 1'000, " (h:nn:ss)", " (0:00:01)"},
        {"just under an hour without h", 3'599'000, "nn:ss", "59:59"},
        {"one hour without h carries all minutes", 3'600'000, "nn:ss", "60:00"},
        {"hundred minutes without h", 6'000'000, "nn:ss", "100:00"},
        {"one hour with h", 3'600'000, "h:nn:ss", "1:00:00"},
        {"an hour and a second with h", 3'601'000, "h:nn:ss", "1:00:01"},
        {"a day and an hour", 90'000'000, "h:nn:ss", "25:00:00"},
        {"fifty hours", 180'061'000, "h:nn:ss", "50:01:01"},
        {"other characters stand for themselves", 61'000, "x nn-ss!", "x 01-01!"},
        {"a lone n or s stands for itself", 61'000, "n s", "n s"},
        {"empty pattern", 61'000, "", ""},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDuration(DurationOfMilliseconds(c.milliseconds), c.pattern), c.expected);
    }
}

TEST(DurationFormat, RoundsToTheNearestSecondHalvesUp) {
    const FormatCase cases[] = {
        {"just under half a second", 499, "nn:ss", "00:00"},
        {"half a second", 500, "nn:ss", "00:01"},
        {"five and a half seconds", 5'500, "nn:ss", "00:06"},
        {"six and a half seconds", 6'500, "nn:ss", "00:07"},
        {"fourteen and a half seconds", 14'500, "nn:ss", "00:15"},
        {"half a second before a minute", 59'500, "nn:ss", "01:00"},
        {"a tick 3 ms late", 1'003, "nn:ss", "00:01"},
        {"remaining 3 ms short", 898'997, "nn:ss", "14:59"},
        {"half a second before an hour", 3'599'500, "h:nn:ss", "1:00:00"},
        {"three milliseconds over an hour", 3'600'003, "h:nn:ss", "1:00:00"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDuration(DurationOfMilliseconds(c.milliseconds), c.pattern), c.expected);
    }
}

TEST(DurationFormat, NegativeDurationShowsZero) {
    const FormatCase cases[] = {
        {"minus one second", -1'000, "nn:ss", "00:00"},
        {"minus half a second", -500, "nn:ss", "00:00"},
        {"minus an hour with h", -3'600'000, "h:nn:ss", "0:00:00"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDuration(DurationOfMilliseconds(c.milliseconds), c.pattern), c.expected);
    }
}

}  // namespace
}  // namespace hobwatch
