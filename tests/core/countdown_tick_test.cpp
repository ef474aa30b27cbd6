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
    CheckValue end10;  // the automatic exit, from the second `end10From` on
    std::int64_t end10From;
    int millisecondsLate;  // how long after each whole second the ticks come
};

// A countdown started at noon and ticked once a second from 12:00:01 on.
struct Scenario {
    const char* name;
    Setup setup;
    std::vector<Step> steps;
};

TEST(CountdownTick, CaptionSoundsColoursAndExitSecondBySecond) {
    const EventLog beep{"beep"};
    const EventLog tone{"tone 1000 200"};
    const EventLog none{};
    const Scenario scenarios[] = {
        {"15 minutes with Beep 1",
         {kMinutes, "15", 1, 0, 0, 0, 0},
         {{At(12, 0, 1), "14:59 (00:01)", none},
          {At(12, 0, 2), "14:58 (00:02)", none},
          {At(12, 14, 59), "00:01 (14:59)", none},
          {At(12, 15, 0), "00:00 Over", beep},
          {At(12, 15, 3), "00:03 Over", beep},
          {At(13, 14, 59), "59:59 Over", beep},
          {At(13, 15, 1), "1:00:01 Over", beep}}},
        {"End 10 ticked before time-up ends the program at ten seconds over",
         {kMinutes, "15", 1, 0, 1, At(12, 10, 0), 0},
         {{At(12, 15, 0), "00:00 Over", beep},
          {At(12, 15, 9), "00:09 Over", beep},
          {At(12, 15, 10), "00:09 Over", {"beep", "exit"}},
          {At(12, 15, 11), "00:09 Over", none}}},
        {"End 10 ticked long after time-up ends the program at the next tick",
         {kMinutes, "15", 1, 0, 1, At(12, 20, 0), 0},
         {{At(12, 19, 59), "04:59 Over", beep}, {At(12, 20, 0), "04:59 Over", {"beep", "exit"}}}},
        {"Beep 2 as well: the beep, then the tone",
         {kMinutes, "15", 1, 1, 0, 0, 0},
         {{At(12, 15, 0), "00:00 Over", {"beep", "tone 1000 200"}},
          {At(12, 15, 1), "00:01 Over", {"beep", "tone 1000 200"}}}},
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
        CountdownHarness form;
        form.controls.BellAlarm = s.setup.bell;
        form.controls.ToneAlarm = s.setup.tone;
        form.StartAtNoon(s.setup.button, s.setup.entry);
        const bool byMinutes = s.setup.button == kMinutes;
        std::int64_t second = 0;
        for (const Step& step : s.steps) {
            SCOPED_TRACE(testing::Message() << step.at << " s after noon");
            while (second < step.at) {
                ++second;
                form.controls.AutomaticExit = second >= s.setup.end10From ? s.setup.end10 : 0;
                form.fake.events.clear();
                form.TickAt(second, s.setup.millisecondsLate);
            }
            EXPECT_EQ(form.controls.Caption, step.caption);
            EXPECT_EQ(form.fake.events, step.events);
            const Colour started = form.controls.Caption.ends_with("Over") ? kRed : kGreen;
            EXPECT_EQ(form.controls.MinutesEntry.BackColor, byMinutes ? started : kWhite);
            EXPECT_EQ(form.controls.HoursEntry.BackColor, byMinutes ? kWhite : started);
        }
    }
}

TEST(CountdownTick, TimeUpRestoresAMinimisedWindowOnceUntilCancel) {
    CountdownHarness form;
    form.StartAtNoon(kMinutes, "15");
    form.controls.State = WindowState::Minimised;
    form.TickAt(At(12, 14, 59));
    EXPECT_EQ(form.controls.State, WindowState::Minimised);
    form.TickAt(At(12, 15, 0));
    EXPECT_EQ(form.controls.State, WindowState::Normal);
    form.controls.State = WindowState::Minimised;
    form.TickAt(At(12, 16, 1));
    EXPECT_EQ(form.controls.State, WindowState::Minimised);

    form.countdown.Cancel();
    form.StartAtNoon(kMinutes, "15");
    form.TickAt(At(12, 15, 0));
    EXPECT_EQ(form.controls.State, WindowState::Normal);
}

TEST(CountdownTick, TimeUpLeavesAMaximisedWindowMaximised) {
    CountdownHarness form;
    form.StartAtNoon(kMinutes, "15");
    form.controls.State = WindowState::Maximised;
    form.TickAt(At(12, 15, 0));
    EXPECT_EQ(form.controls.State, WindowState::Maximised);
}

}  // namespace
}  // namespace hobwatch
