#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/control_states.h"
#include "tests/core/countdown_fakes.h"

namespace hobwatch {
namespace {

using fakes::At;
using fakes::Button;
using fakes::CountdownHarness;
using fakes::Describe;
using fakes::EventLog;

using fakes::kHours;
using fakes::kMinutes;

struct RunCase {
    const char* name;
    Button button;
    const char* entry;
    const char* captionAtFirstTick;  // at 12:00:01
    std::int64_t end;                // seconds after noon
};

// With "Beep 1" ticked, the first tick that sounds is the first one at or after the end.
TEST(CountdownStart, EntrySetsTheEndAndTheRunningCaption) {
    const RunCase cases[] = {
        {"15 minutes", kMinutes, "15", "14:59 (00:01)", At(12, 15, 0)},
        {"59 minutes count to the second", kMinutes, "59", "58:59 (00:01)", At(12, 59, 0)},
        {"60 minutes show hours", kMinutes, "60", "0:59:59 (0:00:01)", At(13, 0, 0)},
        {"90 minutes", kMinutes, "90", "1:29:59 (0:00:01)", At(13, 30, 0)},
        {"half a minute", kMinutes, "0.5", "00:29 (00:01)", At(12, 0, 30)},
        {"2.25 minutes run 135 seconds", kMinutes, "2.25", "02:14 (00:01)", At(12, 2, 15)},
        {"0.7 minutes run 42 seconds", kMinutes, "0.7", "00:41 (00:01)", At(12, 0, 42)},
        {"90.5 minutes run 91 minutes", kMinutes, "90.5", "1:30:59 (0:00:01)", At(13, 31, 0)},
        {"minutes entry with words", kMinutes, "17 min.", "16:59 (00:01)", At(12, 17, 0)},
        {"four billion minutes still run", kMinutes, "4000000000", "66666666:39:59 (0:00:01)",
         240'000'000'000},
        {"2.5 hours", kHours, "2.5", "2:29:59 (0:00:01)", At(14, 30, 0)},
        {"quarter hour shows hours", kHours, "0.25", "0:14:59 (0:00:01)", At(12, 15, 0)},
        {"1.33 hours run 80 minutes", kHours, "1.33 hr", "1:19:59 (0:00:01)", At(13, 20, 0)},
        {"hours entry with words", kHours, "3.10 hrs", "3:05:59 (0:00:01)", At(15, 6, 0)},
        {"empty minutes are up at once", kMinutes, "", "00:01 Over", 0},
        {"zero minutes are up at once", kMinutes, "0", "00:01 Over", 0},
        {"negative minutes end before the start", kMinutes, "-5", "05:01 Over", -300},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        harness.controls.BellAlarm = 1;
        harness.StartAtNoon(c.button, c.entry);
        harness.fake.events.clear();
        harness.TickAt(1);
        EXPECT_EQ(harness.controls.Caption, c.captionAtFirstTick);
        EXPECT_EQ(harness.fake.events, c.end > 1 ? EventLog{} : EventLog{"bell"});
        if (c.end > 1) {
            harness.TickAt(c.end - 1);
            EXPECT_EQ(harness.controls.Caption.find("Over"), std::string::npos);
            EXPECT_EQ(harness.fake.events, EventLog{});
            harness.TickAt(c.end);
            EXPECT_EQ(harness.controls.Caption, "00:00 Over");
            EXPECT_EQ(harness.fake.events, EventLog{"bell"});
        }
    }
}

struct StartCase {
    const char* name;
    Button button;
    CheckValue bell;
    CheckValue tone;
    EventLog sounds;
};

// The caption keeps its text until the first tick.
TEST(CountdownStart, StartLocksTheControlsPaintsItsEntryGreenAndSoundsTheTickedSignals) {
    const StartCase cases[] = {
        {"minutes, both boxes: bell first", kMinutes, 1, 1, {"bell", "tone 1000 200"}},
        {"minutes, Beep 1 only", kMinutes, 1, 0, {"bell"}},
        {"minutes, neither box", kMinutes, 0, 0, {}},
        {"hours, both boxes: the low tone", kHours, 1, 1, {"bell", "tone 200 200"}},
        {"hours, Beep 2 only", kHours, 0, 1, {"tone 200 200"}},
        {"greyed boxes count as ticked", kMinutes, 2, 2, {"bell", "tone 1000 200"}},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        harness.controls.BellAlarm = c.bell;
        harness.controls.ToneAlarm = c.tone;
        ControlStates expected = harness.controls;
        const bool byMinutes = c.button == kMinutes;
        byMinutes ? harness.countdown.StartByMinutes() : harness.countdown.StartByHours();
        expected.Ticking = true;
        expected.StartMinutesEnabled = expected.StartHoursEnabled = false;
        expected.MinutesEntry.Enabled = expected.HoursEntry.Enabled = false;
        expected.MinutesEntry.BackColour = byMinutes ? kGreen : kWhite;
        expected.HoursEntry.BackColour = byMinutes ? kWhite : kGreen;
        EXPECT_EQ(Describe(harness.controls), Describe(expected));
        EXPECT_EQ(harness.fake.events, c.sounds);
    }
}

struct RefusedCase {
    const char* name;
    Button button;
    std::string entry;
};

// Such an entry has no end within the dates that can be told: the click does nothing at all.
TEST(CountdownStart, EntryTooLargeIsRefusedAndTheWindowStaysIdleAndSilent) {
    const RefusedCase cases[] = {
        {"minutes beyond the float range", kMinutes, "1" + std::string(39, '0')},
        {"minutes beyond year 9999", kMinutes, "5000000000"},
        {"minutes before year 100", kMinutes, "-5000000000"},
        {"hours beyond year 9999", kHours, "70000000"},
        {"hours beyond the double range", kHours, std::string(400, '9')},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        harness.controls.ToneAlarm = harness.controls.BellAlarm = harness.controls.AutomaticExit =
            1;
        (c.button == kMinutes ? harness.controls.MinutesEntry : harness.controls.HoursEntry).Text =
            c.entry;
        const std::string before = Describe(harness.controls);
        harness.StartAtNoon(c.button, c.entry);
        EXPECT_EQ(Describe(harness.controls), before);
        EXPECT_EQ(harness.fake.events, EventLog{});
    }
}

struct CancelCase {
    const char* name;
    Button button;
    const char* entry;
    std::int64_t cancelAt;
};

TEST(CountdownStart, CancelBringsEveryControlBackToIdleAndStopsTheTicks) {
    const CancelCase cases[] = {
        {"while running by minutes", kMinutes, "15", At(12, 5, 0)},
        {"at time-up by hours", kHours, "2.5", At(14, 30, 5)},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        harness.controls.ToneAlarm = harness.controls.BellAlarm = 1;
        harness.StartAtNoon(c.button, c.entry);
        harness.TickAt(c.cancelAt);
        harness.controls.State = WindowState::Minimised;
        ControlStates expected = harness.controls;
        expected.Caption = "Select Interval";
        expected.Ticking = false;
        expected.StartMinutesEnabled = expected.StartHoursEnabled = true;
        expected.MinutesEntry.Enabled = expected.HoursEntry.Enabled = true;
        expected.MinutesEntry.BackColour = expected.HoursEntry.BackColour = kWhite;
        harness.fake.events.clear();

        harness.countdown.Cancel();
        harness.TickAt(c.cancelAt + 60);
        EXPECT_EQ(Describe(harness.controls), Describe(expected));
        EXPECT_EQ(harness.fake.events, EventLog{});
    }
}

}  // namespace
}  // namespace hobwatch
