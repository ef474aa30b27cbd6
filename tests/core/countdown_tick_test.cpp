#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/control_states.h"
#include "tests/core/countdown_fakes.h"

namespace hobwatch {
namespace {

using fakes::At;
using fakes::Button;
using fakes::CountdownHarness;
using fakes::EventLog;

using fakes::kHours;
using fakes::kMinutes;

struct Step {
    std::int64_t at;  // seconds after noon
    const char* caption;
    EventLog events;  // of the tick at that second alone
};

struct Setup {
    Button button;
    const char* entry;
    CheckValue bell;
    CheckValue tone;
    CheckValue automaticExit;  // the automatic exit, from the second `automaticExitFrom` on
    std::int64_t automaticExitFrom;
    int millisecondsLate;  // how long after each whole second the ticks come
};

// A countdown started at noon and ticked once a second from 12:00:01 on.
struct Scenario {
    const char* name;
    Setup setup;
    std::vector<Step> steps;
};

TEST(CountdownTick, CaptionSoundsColoursAndExitSecondBySecond) {
    const EventLog bell{"bell"};
    const EventLog tone{"tone 1000 200"};
    const EventLog none{};
    const Scenario scenarios[] = {
        {"15 minutes with Beep 1",
         {kMinutes, "15", 1, 0, 0, 0, 0},
         {{At(12, 0, 1), "14:59 (00:01)", none},
          {At(12, 0, 2), "14:58 (00:02)", none},
          {At(12, 14, 59), "00:01 (14:59)", none},
          {At(12, 15, 0), "00:00 Over", bell},
          {At(12, 15, 3), "00:03 Over", bell},
          {At(13, 14, 59), "59:59 Over", bell},
          {At(13, 15, 1), "1:00:01 Over", bell}}},
        {"End 10 ticked before time-up ends the program at ten seconds over",
         {kMinutes, "15", 1, 0, 1, At(12, 10, 0), 0},
         {{At(12, 15, 0), "00:00 Over", bell},
          {At(12, 15, 9), "00:09 Over", bell},
          {At(12, 15, 10), "00:09 Over", {"bell", "exit"}},
          {At(12, 15, 11), "00:09 Over", none}}},
        {"End 10 ticked long after time-up ends the program at the next tick",
         {kMinutes, "15", 1, 0, 1, At(12, 20, 0), 0},
         {{At(12, 19, 59), "04:59 Over", bell}, {At(12, 20, 0), "04:59 Over", {"bell", "exit"}}}},
        {"Beep 2 as well: the bell, then the tone",
         {kMinutes, "15", 1, 1, 0, 0, 0},
         {{At(12, 15, 0), "00:00 Over", {"bell", "tone 1000 200"}},
          {At(12, 15, 1), "00:01 Over", {"bell", "tone 1000 200"}}}},
        {"2.5 hours turn the hours entry red with the high alarm tone",
         {kHours, "2.5", 0, 1, 0, 0, 0},
         {{At(12, 0, 1), "2:29:59 (0:00:01)", none},
          {At(14, 29, 59), "0:00:01 (2:29:59)", none},
          {At(14, 30, 5), "00:05 Over", tone}}},
        {"exit threshold, whole seconds, End 10 greyed",
         {kMinutes, "15", 0, 0, 2, 0, 0},
         {{At(12, 15, 9), "00:09 Over", none}, {At(12, 15, 10), "00:09 Over", {"exit"}}}},
        {"exit threshold, 3 ms late",
         {kMinutes, "15", 0, 0, 1, 0, 3},
         {{At(12, 15, 9), "00:09 Over", none}, {At(12, 15, 10), "00:09 Over", {"exit"}}}},
        {"9.95 s over is not yet past the exit threshold",
         {kMinutes, "15", 0, 0, 1, 0, 950},
         {{At(12, 15, 9), "00:10 Over", none}, {At(12, 15, 10), "00:10 Over", {"exit"}}}},
        {"the tone's 200 ms count towards the exit",
         {kMinutes, "15", 0, 1, 1, 0, 850},
         {{At(12, 15, 8), "00:09 Over", tone},
          {At(12, 15, 9), "00:09 Over", {"tone 1000 200", "exit"}}}},
        {"hour threshold, whole seconds",
         {kMinutes, "15", 0, 0, 0, 0, 0},
         {{At(13, 14, 59), "59:59 Over", none},
          {At(13, 15, 0), "60:00 Over", none},
          {At(13, 15, 1), "1:00:01 Over", none}}},
        {"hour threshold, 3 ms late",
         {kMinutes, "15", 0, 0, 0, 0, 3},
         {{At(12, 0, 1), "14:59 (00:01)", none},
          {At(12, 14, 59), "00:01 (14:59)", none},
          {At(12, 15, 0), "00:00 Over", none},
          {At(13, 14, 59), "59:59 Over", none},
          {At(13, 15, 0), "1:00:00 Over", none},
          {At(13, 15, 1), "1:00:01 Over", none}}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        CountdownHarness harness;
        harness.controls.BellAlarm = s.setup.bell;
        harness.controls.ToneAlarm = s.setup.tone;
        harness.StartAtNoon(s.setup.button, s.setup.entry);
        const bool byMinutes = s.setup.button == kMinutes;
        std::int64_t second = 0;
        for (const Step& step : s.steps) {
            SCOPED_TRACE(testing::Message() << step.at << " s after noon");
            while (second < step.at) {
                ++second;
                harness.controls.AutomaticExit =
                    second >= s.setup.automaticExitFrom ? s.setup.automaticExit : 0;
                harness.fake.events.clear();
                harness.TickAt(second, s.setup.millisecondsLate);
            }
            EXPECT_EQ(harness.controls.Caption, step.caption);
            EXPECT_EQ(harness.fake.events, step.events);
            const Colour started = harness.controls.Caption.ends_with("Over") ? kRed : kGreen;
            EXPECT_EQ(harness.controls.MinutesEntry.BackColour, byMinutes ? started : kWhite);
            EXPECT_EQ(harness.controls.HoursEntry.BackColour, byMinutes ? kWhite : started);
        }
    }
}

TEST(CountdownTick, TimeUpRestoresAMinimisedWindowOnceUntilCancel) {
    CountdownHarness harness;
    harness.StartAtNoon(kMinutes, "15");
    harness.controls.State = WindowState::Minimised;
    harness.TickAt(At(12, 14, 59));
    EXPECT_EQ(harness.controls.State, WindowState::Minimised);
    harness.TickAt(At(12, 15, 0));
    EXPECT_EQ(harness.controls.State, WindowState::Normal);
    harness.controls.State = WindowState::Minimised;
    harness.TickAt(At(12, 16, 1));
    EXPECT_EQ(harness.controls.State, WindowState::Minimised);

    harness.countdown.Cancel();
    harness.StartAtNoon(kMinutes, "15");
    harness.TickAt(At(12, 15, 0));
    EXPECT_EQ(harness.controls.State, WindowState::Normal);
}

TEST(CountdownTick, TimeUpLeavesAMaximisedWindowMaximised) {
    CountdownHarness harness;
    harness.StartAtNoon(kMinutes, "15");
    harness.controls.State = WindowState::Maximised;
    harness.TickAt(At(12, 15, 0));
    EXPECT_EQ(harness.controls.State, WindowState::Maximised);
}

}  // namespace
}  // namespace hobwatch
