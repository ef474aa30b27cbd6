#include <gtest/gtest.h>

#include <string>

#include "core/control_states.h"
#include "tests/core/form1_fakes.h"

namespace hobwatch {
namespace {

using fakes::Describe;
using fakes::EventLog;
using fakes::Form1Harness;

enum class Button { StartMinutes, StartHours };

void StartAtNoon(Form1Harness& form, Button button, const std::string& text) {
    if (button == Button::StartMinutes) {
        form.StartMinutesAtNoon(text);
    } else {
        form.StartHoursAtNoon(text);
    }
}

struct TimeOfDay {
    int hours;
    int minutes;
    int seconds;
};

struct RunCase {
    const char* name;
    Button button;
    const char* entry;
    const char* captionAtFirstTick;  // at 12:00:01
    TimeOfDay end;
};

// With "Beep 1" ticked, the first tick that sounds is the first one at or after EndTime.
TEST(CountdownStart, EntrySetsTheEndAndTheRunningCaption) {
    const RunCase cases[] = {
        {"15 minutes", Button::StartMinutes, "15", "14:59 (00:01)", {12, 15, 0}},
        {"59 minutes count to the second",
         Button::StartMinutes,
         "59",
         "58:59 (00:01)",
         {12, 59, 0}},
        {"60 minutes show hours", Button::StartMinutes, "60", "0:59:59 (0:00:01)", {13, 0, 0}},
        {"90 minutes", Button::StartMinutes, "90", "1:29:59 (0:00:01)", {13, 30, 0}},
        {"half a minute", Button::StartMinutes, "0.5", "00:29 (00:01)", {12, 0, 30}},
        {"2.25 minutes run 135 seconds",
         Button::StartMinutes,
         "2.25",
         "02:14 (00:01)",
         {12, 2, 15}},
        {"0.7 minutes run 42 seconds", Button::StartMinutes, "0.7", "00:41 (00:01)", {12, 0, 42}},
        {"59.99 minutes run 3599 seconds",
         Button::StartMinutes,
         "59.99",
         "59:58 (00:01)",
         {12, 59, 59}},
        {"90.5 minutes run 91 minutes",
         Button::StartMinutes,
         "90.5",
         "1:30:59 (0:00:01)",
         {13, 31, 0}},
        {"a day of minutes crosses midnight",
         Button::StartMinutes,
         "1440",
         "23:59:59 (0:00:01)",
         {36, 0, 0}},
        {"50 hours of minutes", Button::StartMinutes, "3000", "49:59:59 (0:00:01)", {62, 0, 0}},
        {"minutes entry with words", Button::StartMinutes, "17 min.", "16:59 (00:01)", {12, 17, 0}},
        {"2.5 hours", Button::StartHours, "2.5", "2:29:59 (0:00:01)", {14, 30, 0}},
        {"quarter hour shows hours", Button::StartHours, "0.25", "0:14:59 (0:00:01)", {12, 15, 0}},
        {"0.1 hours run 6 minutes", Button::StartHours, "0.1", "0:05:59 (0:00:01)", {12, 6, 0}},
        {"1.33 hours run 80 minutes",
         Button::StartHours,
         "1.33 hr",
         "1:19:59 (0:00:01)",
         {13, 20, 0}},
        {"hours entry with words", Button::StartHours, "3.10 hrs", "3:05:59 (0:00:01)", {15, 6, 0}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Check2Value = 1;
        StartAtNoon(form, c.button, c.entry);
        form.events.clear();

        form.TickAt(12, 0, 1);
        EXPECT_EQ(form.controls.Caption, c.captionAtFirstTick);

        form.clock.Set(c.end.hours, c.end.minutes, c.end.seconds);
        form.clock.AdvanceSeconds(-1);
        form.Tick();
        EXPECT_EQ(form.events, EventLog{});
        EXPECT_EQ(form.controls.Caption.find("Over"), std::string::npos) << form.controls.Caption;

        form.clock.AdvanceSeconds(1);
        form.Tick();
        EXPECT_EQ(form.events, EventLog{"beep"});
        EXPECT_EQ(form.controls.Caption, "00:00 Over");
    }
}

struct UpAtOnceCase {
    const char* name;
    Button button;
    const char* entry;
    const char* captionAtFirstTick;
};

TEST(CountdownStart, EntryWithoutTimeToRunIsUpAtTheFirstTick) {
    const UpAtOnceCase cases[] = {
        {"empty minutes", Button::StartMinutes, "", "00:01 Over"},
        {"zero minutes", Button::StartMinutes, "0", "00:01 Over"},
        {"letters only", Button::StartMinutes, "soon", "00:01 Over"},
        {"0.001 minutes round to nothing", Button::StartMinutes, "0.001", "00:01 Over"},
        {"0.01 minutes round up to one second", Button::StartMinutes, "0.01", "00:00 Over"},
        {"negative minutes end before the start", Button::StartMinutes, "-5", "05:01 Over"},
        {"empty hours", Button::StartHours, "", "00:01 Over"},
        {"0.001 hours round to no minute", Button::StartHours, "0.001", "00:01 Over"},
        {"negative hours end before the start", Button::StartHours, "-0.5", "30:01 Over"},
    };
    for (const UpAtOnceCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Check2Value = 1;
        StartAtNoon(form, c.button, c.entry);
        form.events.clear();
        form.TickAt(12, 0, 1);
        EXPECT_EQ(form.controls.Caption, c.captionAtFirstTick);
        EXPECT_EQ(form.events, EventLog{"beep"});
    }
}

TEST(CountdownStart, StartPaintsItsEntryGreenAndLocksButtonsAndEntries) {
    const Button buttons[] = {Button::StartMinutes, Button::StartHours};
    for (Button button : buttons) {
        SCOPED_TRACE(button == Button::StartMinutes ? "Start Minutes" : "Start Hours");
        Form1Harness form;
        Form1Controls expected = form.controls;
        StartAtNoon(form, button, "15");
        expected.Timer1.Enabled = true;
        expected.Command1.Enabled = expected.Command2.Enabled = false;
        expected.Combo1.Enabled = expected.Combo2.Enabled = false;
        const bool byMinutes = button == Button::StartMinutes;
        (byMinutes ? expected.Combo1 : expected.Combo2).Text = "15";
        expected.Combo1.BackColor = byMinutes ? kGreen : kWhite;
        expected.Combo2.BackColor = byMinutes ? kWhite : kGreen;
        EXPECT_EQ(Describe(form.controls), Describe(expected));
    }
}

TEST(CountdownStart, CaptionKeepsItsTextUntilTheFirstTick) {
    Form1Harness form;
    form.controls.Caption = "00:07 Over";
    form.StartMinutesAtNoon("15");
    EXPECT_EQ(form.controls.Caption, "00:07 Over");
}

struct SignalCase {
    const char* name;
    Button button;
    CheckValue beep1;  // Check2
    CheckValue beep2;  // Check1
    EventLog expected;
};

TEST(CountdownStart, SoundsTheTickedStartSignalsBeepFirst) {
    const SignalCase cases[] = {
        {"minutes, both", Button::StartMinutes, 1, 1, {"beep", "tone 1000 200"}},
        {"minutes, Beep 1 only", Button::StartMinutes, 1, 0, {"beep"}},
        {"minutes, Beep 2 only", Button::StartMinutes, 0, 1, {"tone 1000 200"}},
        {"minutes, neither", Button::StartMinutes, 0, 0, {}},
        {"hours, both", Button::StartHours, 1, 1, {"beep", "tone 200 200"}},
        {"hours, Beep 2 only", Button::StartHours, 0, 1, {"tone 200 200"}},
        {"hours, neither", Button::StartHours, 0, 0, {}},
        {"greyed boxes count as ticked", Button::StartMinutes, 2, 2, {"beep", "tone 1000 200"}},
    };
    for (const SignalCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Check2Value = c.beep1;
        form.controls.Check1Value = c.beep2;
        StartAtNoon(form, c.button, "15");
        EXPECT_EQ(form.events, c.expected);
    }
}

struct RefusedCase {
    const char* name;
    Button button;
    std::string entry;
};

// Such an entry has no end within the dates that can be told: the click does nothing at all.
TEST(CountdownStart, EntryBeyondTheDateRangeIsRefusedAndTheWindowStaysIdle) {
    const RefusedCase cases[] = {
        {"minutes beyond the float range", Button::StartMinutes, "1" + std::string(39, '0')},
        {"minutes beyond the double range", Button::StartMinutes, std::string(400, '9')},
        {"minutes beyond year 9999", Button::StartMinutes, "5000000000"},
        {"minutes before year 100", Button::StartMinutes, "-5000000000"},
        {"hours beyond year 9999", Button::StartHours, "70000000"},
        {"hours before year 100", Button::StartHours, "-50000000"},
        {"hours beyond the double range", Button::StartHours, std::string(400, '9')},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Check1Value = 1;
        form.controls.Check2Value = 1;
        form.controls.Check3Value = 1;
        (c.button == Button::StartMinutes ? form.controls.Combo1 : form.controls.Combo2).Text =
            c.entry;
        const std::string before = Describe(form.controls);

        StartAtNoon(form, c.button, c.entry);
        EXPECT_EQ(Describe(form.controls), before);
        EXPECT_EQ(form.events, EventLog{});
        EXPECT_FALSE(form.controls.Timer1.Enabled);
    }
}

struct AcceptedCase {
    const char* name;
    Button button;
    const char* entry;
    const char* captionAtFirstTick;
};

TEST(CountdownStart, EntryWithinTheDateRangeRunsHoweverLong) {
    const AcceptedCase cases[] = {
        {"four billion minutes", Button::StartMinutes, "4000000000", "66666666:39:59 (0:00:01)"},
        {"sixty million hours", Button::StartHours, "60000000", "59999999:59:59 (0:00:01)"},
    };
    for (const AcceptedCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        StartAtNoon(form, c.button, c.entry);
        EXPECT_TRUE(form.controls.Timer1.Enabled);
        form.TickAt(12, 0, 1);
        EXPECT_EQ(form.controls.Caption, c.captionAtFirstTick);
    }
}

struct CancelCase {
    const char* name;
    Button button;
    TimeOfDay cancelAt;
};

TEST(CountdownStart, CancelBringsEveryControlBackToIdle) {
    const CancelCase cases[] = {
        {"while running by minutes", Button::StartMinutes, {12, 5, 0}},
        {"at time-up by minutes", Button::StartMinutes, {12, 15, 5}},
        {"at time-up by hours", Button::StartHours, {14, 30, 5}},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Check1Value = 1;
        form.controls.Check2Value = 1;
        StartAtNoon(form, c.button, c.button == Button::StartMinutes ? "15" : "2.5");
        form.TickAt(c.cancelAt.hours, c.cancelAt.minutes, c.cancelAt.seconds);
        form.events.clear();

        form.handlers.Command3_Click();
        const Form1Controls& after = form.controls;
        EXPECT_EQ(after.Caption, "Select Interval");
        EXPECT_FALSE(after.Timer1.Enabled);
        EXPECT_EQ(after.Timer1.Interval, 1000);
        EXPECT_TRUE(after.Command1.Enabled);
        EXPECT_TRUE(after.Command2.Enabled);
        EXPECT_TRUE(after.Combo1.Enabled);
        EXPECT_TRUE(after.Combo2.Enabled);
        EXPECT_EQ(after.Combo1.BackColor, kWhite);
        EXPECT_EQ(after.Combo2.BackColor, kWhite);
        EXPECT_EQ(form.events, EventLog{});

        form.TickAt(c.cancelAt.hours, c.cancelAt.minutes + 1, 0);
        EXPECT_EQ(after.Caption, "Select Interval");
        EXPECT_EQ(form.events, EventLog{});
    }
}

TEST(CountdownStart, CancelWhileIdleSetsTheIdleStateAndKeepsTheEntries) {
    Form1Harness form;
    form.controls.Timer1.Interval = 250;
    form.controls.Combo1.Text = "15";
    form.controls.Combo2.Text = "2.5";
    form.handlers.Command3_Click();
    Form1Harness expected;
    expected.controls.Combo1.Text = "15";
    expected.controls.Combo2.Text = "2.5";
    expected.controls.Combo1.BackColor = kWhite;
    expected.controls.Combo2.BackColor = kWhite;
    EXPECT_EQ(Describe(form.controls), Describe(expected.controls));
    EXPECT_EQ(form.events, EventLog{});
}

}  // namespace
}  // namespace hobwatch
