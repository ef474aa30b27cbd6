#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "tests/core/countdown_fakes.h"

namespace hobwatch {
namespace {

using namespace fakes;

TEST(CountdownTimeUpNotice, AnnouncedOnceAtTheFirstTimeUpTickAndWithdrawnOnCancel) {
    const struct {
        const char* name;
        Button button;
        const char* entry;
        std::int64_t firstTimeUpTick;  // seconds after noon
        const char* announcement;
    } cases[] = {
        {"one minute", kMinutes, "1", At(12, 1, 0), "announce 1 minute"},
        {"2.5 hours", kHours, "2.5", At(14, 30, 0), "announce 2.5 hours"},
        {"one hour", kHours, "1", At(13, 0, 0), "announce 1 hour"},
        {"90 minutes stay minutes", kMinutes, "90", At(13, 30, 0), "announce 90 minutes"},
        {"two decimals as the notes give them", kMinutes, "2.254", At(12, 2, 16),
         "announce 2.25 minutes"},
        {"the number the start read, not the words", kHours, "1.33 hr", At(13, 20, 0),
         "announce 1.33 hours"},
        {"an empty entry is up at once", kMinutes, "", 1, "announce 0 minutes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        harness.StartAtNoon(c.button, c.entry);
        harness.TickAt(std::max<std::int64_t>(c.firstTimeUpTick - 1, 1));
        harness.TickAt(c.firstTimeUpTick);
        harness.TickAt(c.firstTimeUpTick + 1);
        EXPECT_EQ(harness.fake.announcements, EventLog{c.announcement});
        harness.countdown.Cancel();
        EXPECT_EQ(harness.fake.announcements, (EventLog{c.announcement, "withdraw"}));
    }
}

TEST(CountdownTimeUpNotice, OnlyACountdownWhoseTimeIsUpIsAnnouncedAndWithdrawn) {
    CountdownHarness harness;
    harness.StartAtNoon(kMinutes, "15");
    harness.TickAt(At(12, 10, 0));
    harness.countdown.Cancel();
    EXPECT_EQ(harness.fake.announcements, EventLog{});

    harness.StartAtNoon(kHours, "0.25");
    harness.TickAt(At(12, 15, 0));
    harness.countdown.Cancel();
    harness.countdown.Cancel();
    EXPECT_EQ(harness.fake.announcements, (EventLog{"announce 0.25 hours", "withdraw"}));
}

TEST(CountdownTimeUpNotice, AnAutomaticExitAtTheFirstTimeUpTickAnnouncesNothing) {
    CountdownHarness harness;
    harness.controls.AutomaticExit = 1;
    harness.StartAtNoon(kMinutes, "15");
    harness.TickAt(At(12, 15, 11));
    EXPECT_EQ(harness.fake.events, EventLog{"exit"});
    EXPECT_EQ(harness.fake.announcements, EventLog{});
}

// What keeps the computer awake and fills the launcher's bar: from the start to the cancel,
// time-up included, and nothing for a cancel while no countdown runs.
TEST(CountdownReports, StartProgressAtEachTickBeforeTimeUpAndTheEndAtCancel) {
    CountdownHarness harness;
    harness.countdown.Cancel();
    EXPECT_EQ(harness.fake.desktop, EventLog{});
    harness.StartAtNoon(kMinutes, "2");
    harness.TickAt(At(12, 0, 30));
    harness.TickAt(At(12, 1, 30));
    harness.TickAt(At(12, 2, 0));
    harness.TickAt(At(12, 2, 1));
    EXPECT_EQ(harness.fake.desktop,
              (EventLog{"started", "progress 0.250000", "progress 0.750000"}));
    harness.countdown.Cancel();
    harness.countdown.Cancel();
    EXPECT_EQ(harness.fake.desktop.back(), "ended");
    EXPECT_EQ(harness.fake.desktop.size(), 4u);
}

}  // namespace
}  // namespace hobwatch
