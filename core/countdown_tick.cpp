#include "core/form1_handlers.h"
#include "runtime/duration_format.h"

namespace hobwatch {
namespace {

// Both in days; the overtime must be strictly above a threshold to pass it. The exit threshold
// is a little under ten seconds and the hour threshold a little over one hour.
constexpr double kExitThreshold = 0.0001157;
constexpr double kHourThreshold = 0.041666666667;

constexpr int kAlarmToneHz = 1000;
constexpr int kAlarmToneDurationMs = 200;

void TurnGreenToRed(EntryState& entry) {
    if (entry.BackColor == kGreen) {
        entry.BackColor = kRed;
    }
}

}  // namespace

void Form1Handlers::Timer1_Timer() {
    const DateValue now = clock_.Now();
    if (now >= EndTime) {
        TimeUpTick();
        return;
    }
    const double remaining = DateDifference(EndTime, now);
    const double elapsed = DateDifference(now, StartTime);
    controls_.Caption =
        ShowHours ? FormatDuration(remaining, "h:nn:ss") + FormatDuration(elapsed, " (h:nn:ss)")
                  : FormatDuration(remaining, "nn:ss") + FormatDuration(elapsed, " (nn:ss)");
}

void Form1Handlers::TimeUpTick() {
    if (controls_.Check2Value != 0) {
        sounds_.SystemBeep();
    }
    if (controls_.Check1Value != 0) {
        sounds_.Tone(kAlarmToneHz, kAlarmToneDurationMs);
    }
    // Read again: the tone held the thread for its duration.
    const double overtime = DateDifference(clock_.Now(), EndTime);
    if (overtime > kExitThreshold && controls_.Check3Value != 0) {
        window_.UnloadAndEnd();
        return;
    }
    const char* pattern = overtime > kHourThreshold ? "h:nn:ss" : "nn:ss";
    controls_.Caption = FormatDuration(overtime, pattern) + " Over";
    TurnGreenToRed(controls_.Combo1);
    TurnGreenToRed(controls_.Combo2);
    if (controls_.State == WindowState::Minimised && !Restored) {
        controls_.State = WindowState::Normal;
        Restored = true;
    }
}

}  // namespace hobwatch
