#include <gtest/gtest.h>

#include <cstdint>

#include "ui/tick_timer.h"

namespace hobwatch {
namespace {

struct TickRow {
    const char* name;
    std::int64_t nowAfterAnchorMs;
    std::int64_t nextAfterAnchorMs;
};

const TickRow kTickRows[] = {
    {"FirstTickOneSecondAfterTheStart", 0, 1005},
    {"StartHandledAFewMillisecondsLate", 3, 1005},
    {"TickAMillisecondEarlyStillServesItsSecond", 1004, 2005},
    {"TickHeldByATone", 1206, 2005},
    {"TickHalfASecondLateCountsForTheLaterSecond", 1505, 3005},
    {"LongCountdownStaysInStep", 3'599'005, 3'600'005},
    {"ClockBeforeTheAnchor", -300, 1005},
};

TEST(TickTimerTest, NextTickFallsJustAfterAWholeSecondFromTheAnchor) {
    const std::int64_t anchor = 1'000'000'123;
    for (const auto& row : kTickRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NextTickMilliseconds(anchor + row.nowAfterAnchorMs, anchor),
                  anchor + row.nextAfterAnchorMs);
    }
}

}  // namespace
}  // namespace hobwatch
