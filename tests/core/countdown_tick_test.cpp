#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>

#include "core/control_states.h"
#include "tests/core/form1_fakes.h"

namespace hobwatch {
namespace {

using fakes::EventLog;
using fakes::Form1Harness;

long Count(const EventLog& events, const std::string& event) {
    return std::count(events.begin(), events.end(), event);
}

struct Checkpoint {
    int hours;
    int minutes;
    int seconds;
    const char* caption;
    long beepsSoFar;
    Colour combo1;
};

// 15 minutes from 12:00:00 with "Beep 1" ticked, "Beep 2" and "End 10" unticked, one tick a second.
TEST(CountdownTick, FifteenMinutesFromNoonSecondBySecond) {
    const Checkpoint checkpoints[] = {
        {12, 0, 1, "14:59 (00:01)", 0, kGreen},   {12, 0, 2, "14:58 (00:02)", 0, kGreen},
        {12, 14, 59, "00:01 (14:59)", 0, kGreen}, {12, 15, 0, "00:00 Over", 1, kRed},
        {12, 15, 3, "00:03 Over", 4, kRed},       {12, 15, 10, "00:10 Over", 11, kRed},
        {13, 14, 59, "59:59 Over", 3600, kRed},   {13, 15, 0, "60:00 Over", 3601, kRed},
        {13, 15, 1, "1:00:01 Over", 3602, kRed},
    };
    Form1Harness form;
    form.controls.Check2Value = 1;
    form.StartMinutesAtNoon("15");
    form.events.clear();
    std::size_t next = 0;
    for (int sinceNoon = 1; next < std::size(checkpoints); ++sinceNoon) {
        form.clock.AdvanceSeconds(1);
        form.Tick();
        const Checkpoint& point = checkpoints[next];
        if (sinceNoon != (point.hours - 12) * 3600 + point.minutes * 60 + point.seconds) {
            continue;
        }
        SCOPED_TRACE(point.caption);
        EXPECT_EQ(form.controls.Caption, point.caption);
        EXPECT_EQ(Count(form.events, "beep"), point.beepsSoFar);
        EXPECT_EQ(form.events.size(), static_cast<std::size_t>(point.beepsSoFar));
        EXPECT_EQ(form.controls.Combo1.BackColor, point.combo1);
        EXPECT_EQ(form.controls.Combo2.BackColor, kWhite);
        EXPECT_TRUE(form.controls.Timer1.Enabled);
        EXPECT_FALSE(form.window.ended);
        ++next;
    }
}

TEST(CountdownTick, EndTenExitsAtTenSecondsOfOvertimeWithTheLastCaption) {
    Form1Harness form;
    form.controls.Check2Value = 1;
    form.StartMinutesAtNoon("15");
    form.TickAt(12, 14, 58);
    form.controls.Check3Value = 1;
    form.TickAt(12, 14, 59);
    form.events.clear();

    const char* const captions[] = {"00:00 Over", "00:01 Over", "00:02 Over", "00:03 Over",
                                    "00:04 Over", "00:05 Over", "00:06 Over", "00:07 Over",
                                    "00:08 Over", "00:09 Over"};
    for (int second = 0; second < 10; ++second) {
        SCOPED_TRACE(captions[second]);
        form.TickAt(12, 15, second);
        EXPECT_EQ(form.controls.Caption, captions[second]);
        EXPECT_EQ(form.events, EventLog{"beep"});
        form.events.clear();
    }
    form.TickAt(12, 15, 10);
    EXPECT_EQ(form.events, (EventLog{"beep", "unload"}));
    EXPECT_EQ(form.controls.Caption, "00:09 Over");
    form.TickAt(12, 15, 11);
    EXPECT_EQ(form.events, (EventLog{"beep", "unload"}));
}

TEST(CountdownTick, EndTenTickedLateExitsAtTheNextTickAfterTheAlarms) {
    Form1Harness form;
    form.controls.Check2Value = 1;
    form.StartMinutesAtNoon("15");
    for (int second = 0; second < 300; ++second) {
        form.TickAt(12, 15, second);
    }
    EXPECT_EQ(form.controls.Caption, "04:59 Over");
    EXPECT_FALSE(form.window.ended);
    form.events.clear();

    form.controls.Check1Value = 1;
    form.controls.Check3Value = 1;
    form.TickAt(12, 20, 0);
    EXPECT_EQ(form.events, (EventLog{"beep", "tone 1000 200", "unload"}));
    EXPECT_EQ(form.controls.Caption, "04:59 Over");
}

TEST(CountdownTick, EndTenUntickedNeverExits) {
    Form1Harness form;
    form.StartMinutesAtNoon("15");
    for (int second = 0; second <= 3601; ++second) {
        form.TickAt(12, 15, second);
    }
    EXPECT_FALSE(form.window.ended);
    EXPECT_EQ(form.controls.Caption, "1:00:01 Over");
}

struct ThresholdCase {
    const char* name;
    int overtimeSeconds;
    int millisecondsLate;  // how long after each whole second the ticks come
    bool end10;
    const char* caption;
    bool exits;
};

// The exit threshold lies a little under ten seconds and the hour threshold a little over one
// hour; a tick that comes a few milliseconds late must not change which side a whole second is on.
TEST(CountdownTick, ExitAndHourThresholds) {
    const ThresholdCase cases[] = {
        {"9 s", 9, 0, true, "00:09 Over", false},
        {"10 s exits", 10, 0, true, "00:09 Over", true},
        {"9 s, 3 ms late", 9, 3, true, "00:09 Over", false},
        {"10 s, 3 ms late exits", 10, 3, true, "00:09 Over", true},
        {"9 s, 40 ms late", 9, 40, true, "00:09 Over", false},
        {"10 s, 40 ms late exits", 10, 40, true, "00:09 Over", true},
        {"9.996 s is below the exit threshold", 9, 996, true, "00:10 Over", false},
        {"9.997 s is above the exit threshold", 9, 997, true, "00:09 Over", true},
        {"9 s without End 10", 9, 0, false, "00:09 Over", false},
        {"10 s without End 10", 10, 0, false, "00:10 Over", false},
        {"10 s, 3 ms late without End 10", 10, 3, false, "00:10 Over", false},
        {"3599 s", 3599, 0, false, "59:59 Over", false},
        {"3600 s is not above the hour threshold", 3600, 0, false, "60:00 Over", false},
        {"3601 s", 3601, 0, false, "1:00:01 Over", false},
        {"3599 s, 3 ms late", 3599, 3, false, "59:59 Over", false},
        {"3600 s, 3 ms late", 3600, 3, false, "1:00:00 Over", false},
        {"3601 s, 3 ms late", 3601, 3, false, "1:00:01 Over", false},
        {"3599 s, 40 ms late", 3599, 40, false, "59:59 Over", false},
        {"3600 s, 40 ms late", 3600, 40, false, "1:00:00 Over", false},
        {"3601 s, 40 ms late", 3601, 40, false, "1:00:01 Over", false},
    };
    for (const ThresholdCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Check3Value = c.end10 ? 1 : 0;
        form.StartMinutesAtNoon("15");
        for (int second = 0; second <= c.overtimeSeconds; ++second) {
            form.TickAt(12, 15, second, c.millisecondsLate);
            EXPECT_EQ(form.window.ended, c.exits && second == c.overtimeSeconds);
        }
        EXPECT_EQ(form.controls.Caption, c.caption);
    }
}

TEST(CountdownTick, TicksCheckTheBoxesAfresh) {
    Form1Harness form;
    form.controls.Check2Value = 1;
    form.StartMinutesAtNoon("15");
    form.events.clear();
    form.TickAt(12, 15, 0);
    form.controls.Check2Value = 0;
    form.controls.Check1Value = 1;
    form.TickAt(12, 15, 1);
    form.controls.Check1Value = 0;
    form.TickAt(12, 15, 2);
    EXPECT_EQ(form.events, (EventLog{"beep", "tone 1000 200"}));
}

// The overtime is measured after the alarms, so the time the tone takes counts.
TEST(CountdownTick, ToneTimeCountsTowardsTheExit) {
    const bool toneTicked[] = {false, true};
    for (bool tone : toneTicked) {
        SCOPED_TRACE(tone ? "with the tone" : "without the tone");
        Form1Harness form;
        form.controls.Check1Value = tone ? 1 : 0;
        form.controls.Check3Value = 1;
        form.StartMinutesAtNoon("15");
        form.TickAt(12, 15, 9, 850);
        EXPECT_EQ(form.window.ended, tone);
        EXPECT_EQ(form.controls.Caption, tone ? "Select Interval" : "00:10 Over");
    }
}

TEST(CountdownTick, BothBeepsTickedSoundBeepThenToneOnEveryTimeUpTick) {
    Form1Harness form;
    form.controls.Check1Value = 1;
    form.controls.Check2Value = 1;
    form.StartMinutesAtNoon("15");
    form.events.clear();
    form.TickAt(12, 14, 59);
    EXPECT_EQ(form.events, EventLog{});
    form.TickAt(12, 15, 0);
    form.TickAt(12, 15, 1);
    EXPECT_EQ(form.events, (EventLog{"beep", "tone 1000 200", "beep", "tone 1000 200"}));
}

TEST(CountdownTick, RunningCaptionWithTicksMillisecondsLate) {
    const int lateness[] = {0, 3, 40};
    for (int late : lateness) {
        SCOPED_TRACE(std::to_string(late) + " ms late");
        Form1Harness form;
        form.StartMinutesAtNoon("15");
        form.TickAt(12, 0, 1, late);
        EXPECT_EQ(form.controls.Caption, "14:59 (00:01)");
        form.TickAt(12, 14, 59, late);
        EXPECT_EQ(form.controls.Caption, "00:01 (14:59)");
        form.TickAt(12, 15, 0, late);
        EXPECT_EQ(form.controls.Caption, "00:00 Over");
    }
}

TEST(CountdownTick, StartByHoursTurnsHoursRedAndAlarmsWithTheHighTone) {
    Form1Harness form;
    form.controls.Check1Value = 1;
    form.StartHoursAtNoon("2.5");
    EXPECT_EQ(form.events, EventLog{"tone 200 200"});
    form.events.clear();

    form.TickAt(12, 0, 1);
    EXPECT_EQ(form.controls.Caption, "2:29:59 (0:00:01)");
    form.TickAt(14, 29, 59);
    EXPECT_EQ(form.controls.Caption, "0:00:01 (2:29:59)");
    EXPECT_EQ(form.events, EventLog{});
    for (int second = 0; second <= 5; ++second) {
        form.TickAt(14, 30, second);
    }
    EXPECT_EQ(form.controls.Caption, "00:05 Over");
    EXPECT_EQ(form.controls.Combo2.BackColor, kRed);
    EXPECT_EQ(form.controls.Combo1.BackColor, kWhite);
    EXPECT_EQ(form.events, EventLog(6, "tone 1000 200"));
}

TEST(CountdownTick, MinimisedWindowIsRestoredOnceUntilCancel) {
    Form1Harness form;
    form.StartMinutesAtNoon("15");
    form.TickAt(12, 10, 0);
    form.controls.State = WindowState::Minimised;
    form.TickAt(12, 14, 59);
    EXPECT_EQ(form.controls.State, WindowState::Minimised);
    form.TickAt(12, 15, 0);
    EXPECT_EQ(form.controls.State, WindowState::Normal);

    form.TickAt(12, 16, 0);
    form.controls.State = WindowState::Minimised;
    form.TickAt(12, 16, 1);
    form.TickAt(12, 30, 0);
    EXPECT_EQ(form.controls.State, WindowState::Minimised);

    form.handlers.Command3_Click();
    EXPECT_EQ(form.controls.State, WindowState::Minimised);
    form.StartMinutesAtNoon("15");
    form.TickAt(12, 14, 59);
    EXPECT_EQ(form.controls.State, WindowState::Minimised);
    form.TickAt(12, 15, 0);
    EXPECT_EQ(form.controls.State, WindowState::Normal);
}

TEST(CountdownTick, MaximisedWindowStaysMaximisedAtTimeUp) {
    Form1Harness form;
    form.StartMinutesAtNoon("15");
    form.controls.State = WindowState::Maximised;
    form.TickAt(12, 15, 0);
    form.TickAt(12, 15, 1);
    EXPECT_EQ(form.controls.State, WindowState::Maximised);
}

TEST(CountdownTick, OnlyAGreenEntryTurnsRed) {
    Form1Harness form;
    form.StartMinutesAtNoon("15");
    form.controls.Combo2.BackColor = kButtonFace;
    form.TickAt(12, 15, 0);
    EXPECT_EQ(form.controls.Combo1.BackColor, kRed);
    EXPECT_EQ(form.controls.Combo2.BackColor, kButtonFace);
}

TEST(CountdownTick, RunningTickChangesOnlyTheCaption) {
    Form1Harness form;
    form.controls.Check1Value = 1;
    form.controls.Check2Value = 1;
    form.controls.Check3Value = 1;
    form.StartMinutesAtNoon("15");
    form.controls.State = WindowState::Minimised;
    form.events.clear();
    Form1Controls expected = form.controls;
    expected.Caption = "07:30 (07:30)";
    form.TickAt(12, 7, 30);
    EXPECT_EQ(fakes::Describe(form.controls), fakes::Describe(expected));
    EXPECT_EQ(form.events, EventLog{});
}

}  // namespace
}  // namespace hobwatch
