#include "runtime/date_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace hobwatch {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
constexpr std::int64_t kMsPerMinute = 60 * kMsPerSecond;
// 1 January 2024, 12:00:00.
constexpr std::int64_t kNoonMs = 45292 * kMillisecondsPerDay + 12 * 60 * kMsPerMinute;
// The last millisecond of 31 December 9999 and midnight at the start of 1 January 100.
constexpr std::int64_t kLastMs = 2958466 * kMillisecondsPerDay - 1;
constexpr std::int64_t kFirstMs = -657434 * kMillisecondsPerDay;

enum class Unit { Minutes, Seconds };

std::optional<DateValue> Add(Unit unit, DateValue moment, double count) {
    return unit == Unit::Minutes ? AddMinutes(moment, count) : AddSeconds(moment, count);
}

struct RoundingCase {
    const char* name;
    Unit unit;
    double count;
    std::int64_t expectedOffsetMs;
};

TEST(DateValue, FractionalCountRoundsToNearestWholeCountHalvesAwayFromZero) {
    const RoundingCase cases[] = {
        {"90.5 minutes run 91", Unit::Minutes, 90.5, 91 * kMsPerMinute},
        {"90.4 minutes run 90", Unit::Minutes, 90.4, 90 * kMsPerMinute},
        {"-90.5 minutes run -91", Unit::Minutes, -90.5, -91 * kMsPerMinute},
        {"1.33 hours (79.8 minutes) run 80", Unit::Minutes, 1.33 * 60, 80 * kMsPerMinute},
        {"0.001 hours (0.06 minutes) run none", Unit::Minutes, 0.001 * 60, 0},
        {"0.7 minutes as float times 60 run 42 s", Unit::Seconds, static_cast<double>(0.7f) * 60,
         42 * kMsPerSecond},
        {"2.25 minutes as float times 60 run 135 s", Unit::Seconds, static_cast<double>(2.25f) * 60,
         135 * kMsPerSecond},
        {"half a second runs one", Unit::Seconds, 0.5, kMsPerSecond},
        {"minus half a second runs minus one", Unit::Seconds, -0.5, -kMsPerSecond},
        {"just under half a second runs none", Unit::Seconds, 0.4999, 0},
        {"59.99 minutes as float times 60 run 3599 s", Unit::Seconds,
         static_cast<double>(59.99f) * 60, 3599 * kMsPerSecond},
    };
    for (const RoundingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DateValue> result =
            Add(c.unit, DateValueFromMilliseconds(kNoonMs), c.count);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, DateValueFromMilliseconds(kNoonMs + c.expectedOffsetMs));
    }
}

// A countdown is up when the clock's reading reaches EndTime; a moment reached by adding whole
// minutes or seconds must therefore equal the clock's reading of that moment, on any date.
TEST(DateValue, AddingWholeCountsEqualsTheClockReadingOfThatMoment) {
    const std::int64_t days[] = {-657433, -1, 0, 1, 36526, 45292, 45293, 100000, 2958000};
    const std::int64_t timesOfDayMs[] = {0, 1, 999, 43'200'000, 86'399'000, 86'399'999};
    const std::int64_t counts[] = {0, 1, 15, 59, 60, 90, 150, 1440, 100'000, -1, -15, -1440};
    for (std::int64_t day : days) {
        for (std::int64_t timeOfDay : timesOfDayMs) {
            const std::int64_t start = day * kMillisecondsPerDay + timeOfDay;
            for (std::int64_t count : counts) {
                SCOPED_TRACE("day " + std::to_string(day) + " at " + std::to_string(timeOfDay) +
                             " ms, count " + std::to_string(count));
                const DateValue moment = DateValueFromMilliseconds(start);
                const auto n = static_cast<double>(count);
                EXPECT_EQ(AddMinutes(moment, n),
                          DateValueFromMilliseconds(start + count * kMsPerMinute));
                EXPECT_EQ(AddSeconds(moment, n),
                          DateValueFromMilliseconds(start + count * kMsPerSecond));
            }
        }
    }
}

TEST(DateValue, NoonPlusFifteenMinutesIsTheClockReadingOfQuarterPast) {
    EXPECT_EQ(AddMinutes(DateValueFromMilliseconds(kNoonMs), 15),
              DateValueFromMilliseconds(kNoonMs + 15 * kMsPerMinute));
}

struct RangeCase {
    const char* name;
    std::int64_t startMs;
    Unit unit;
    double count;
    bool succeeds;
};

TEST(DateValue, ResultOutsideTheDateRangeOrCountNotFiniteFails) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const RangeCase cases[] = {
        {"up to the last millisecond of 9999", kLastMs - 1000, Unit::Seconds, 1, true},
        {"one millisecond past 9999", kLastMs - 999, Unit::Seconds, 1, false},
        {"back to the start of year 100", kFirstMs + 1000, Unit::Seconds, -1, true},
        {"one millisecond before year 100", kFirstMs + 999, Unit::Seconds, -1, false},
        {"four billion minutes from 2024", kNoonMs, Unit::Minutes, 4e9, true},
        {"five billion minutes from 2024", kNoonMs, Unit::Minutes, 5e9, false},
        {"minus five billion minutes", kNoonMs, Unit::Minutes, -5e9, false},
        {"a count too large for any integer", kNoonMs, Unit::Minutes, 1e300, false},
        {"a count whose product overflows", kNoonMs, Unit::Minutes, 1e305, false},
        {"infinite minutes", kNoonMs, Unit::Minutes, kInfinity, false},
        {"minus infinite seconds", kNoonMs, Unit::Seconds, -kInfinity, false},
        {"not a number", kNoonMs, Unit::Seconds, std::nan(""), false},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Add(c.unit, DateValueFromMilliseconds(c.startMs), c.count).has_value(),
                  c.succeeds);
    }
}

struct DifferenceCase {
    const char* name;
    std::int64_t earlierMs;
    std::int64_t differenceMs;
};

// A plain subtraction of two DateValues near 2024 is off by a fraction of a microsecond, more
// than the margin by which the hour threshold of the tick lies above one hour.
TEST(DateValue, DifferenceIsExactToTheMillisecond) {
    const DifferenceCase cases[] = {
        {"one hour", kNoonMs, 3600 * kMsPerSecond},
        {"ten seconds", kNoonMs, 10 * kMsPerSecond},
        {"one hour and three milliseconds", kNoonMs + 517, 3600 * kMsPerSecond + 3},
        {"one second across midnight", kNoonMs + 12 * 60 * kMsPerMinute - 500, kMsPerSecond},
        {"negative hour", kNoonMs, -3600 * kMsPerSecond},
        {"zero", kNoonMs, 0},
        {"whole range", kFirstMs, kLastMs - kFirstMs},
    };
    for (const DifferenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DateValue earlier = DateValueFromMilliseconds(c.earlierMs);
        const DateValue later = DateValueFromMilliseconds(c.earlierMs + c.differenceMs);
        EXPECT_EQ(DateDifference(later, earlier),
                  static_cast<double>(c.differenceMs) / static_cast<double>(kMillisecondsPerDay));
    }
}

TEST(DateValue, OneHourDifferenceIsOneTwentyFourthOfADay) {
    const DateValue noon = DateValueFromMilliseconds(kNoonMs);
    const DateValue one = DateValueFromMilliseconds(kNoonMs + 3600 * kMsPerSecond);
    EXPECT_EQ(DateDifference(one, noon), 1.0 / 24);
}

}  // namespace
}  // namespace hobwatch
