#include "runtime/date_value.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace hobwatch {
namespace {

struct AddCase {
    const char* name;
    bool minutes;
    double count;
    std::int64_t offsetMs;
};

TEST(DateValue, AddRoundsAFractionalCountHalvesAwayFromZero) {
    const AddCase cases[] = {
        {"90.5 minutes run 91", true, 90.5, 91 * 60'000},
        {"90.4 minutes run 90", true, 90.4, 90 * 60'000},
        {"-90.5 minutes run -91", true, -90.5, -91 * 60'000},
        {"half a second runs one", false, 0.5, 1'000},
        {"minus half a second runs minus one", false, -0.5, -1'000},
        {"just under half a second runs none", false, 0.4999, 0},
    };
    const std::int64_t noon = 45292 * kMillisecondsPerDay + kMillisecondsPerDay / 2;
    const DateValue start = DateValueFromMilliseconds(noon);
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.minutes ? AddMinutes(start, c.count) : AddSeconds(start, c.count),
                  DateValueFromMilliseconds(noon + c.offsetMs));
    }
}

}  // namespace
}  // namespace hobwatch
