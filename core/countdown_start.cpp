#include <optional>

#include "core/form1_handlers.h"
#include "runtime/number_reading.h"

namespace hobwatch {
namespace {

constexpr int kMinutesStartToneHz = 1000;
constexpr int kHoursStartToneHz = 200;
constexpr int kToneDurationMs = 200;

}  // namespace

Form1Handlers::Form1Handlers(Form1Controls& controls, const Clock& clock, Sounds& sounds,
                             WindowRequests& window)
    : controls_(controls), clock_(clock), sounds_(sounds), window_(window) {}

void Form1Handlers::Command1_Click() {
    const DateValue now = clock_.Now();
    const std::optional<float> minutes = ToSingle(ReadNumber(controls_.Combo1.Text));
    if (!minutes) {
        return;
    }
    // From an hour on the countdown runs in whole minutes; below, a fraction counts to the second.
    const bool showHours = *minutes >= 60;
    const std::optional<DateValue> end =
        showHours ? AddMinutes(now, *minutes) : AddSeconds(now, static_cast<double>(*minutes) * 60);
    if (!end) {
        return;
    }
    StartTime = now;
    EndTime = *end;
    ShowHours = showHours;
    EnterRunningState(controls_.Combo1, controls_.Combo2);
    SoundStartSignals(kMinutesStartToneHz);
}

void Form1Handlers::Command2_Click() {
    const DateValue now = clock_.Now();
    const double hours = ReadNumber(controls_.Combo2.Text);
    const std::optional<DateValue> end = AddMinutes(now, hours * 60);
    if (!end) {
        return;
    }
    StartTime = now;
    EndTime = *end;
    ShowHours = true;
    EnterRunningState(controls_.Combo2, controls_.Combo1);
    SoundStartSignals(kHoursStartToneHz);
}

void Form1Handlers::Command3_Click() {
    controls_.Caption = "Select Interval";
    controls_.Timer1.Enabled = false;
    controls_.Timer1.Interval = 1000;
    controls_.Command2.Enabled = true;
    controls_.Command1.Enabled = true;
    controls_.Combo1.Enabled = true;
    controls_.Combo2.Enabled = true;
    controls_.Combo1.BackColor = kWhite;
    controls_.Combo2.BackColor = kWhite;
    Restored = false;
}

void Form1Handlers::EnterRunningState(EntryState& startedBy, EntryState& other) {
    controls_.Timer1.Enabled = true;
    controls_.Command2.Enabled = false;
    controls_.Command1.Enabled = false;
    controls_.Combo1.Enabled = false;
    controls_.Combo2.Enabled = false;
    startedBy.BackColor = kGreen;
    other.BackColor = kWhite;
}

void Form1Handlers::SoundStartSignals(int toneFrequencyHz) {
    if (controls_.Check2Value != 0) {
        sounds_.SystemBeep();
    }
    if (controls_.Check1Value != 0) {
        sounds_.Tone(toneFrequencyHz, kToneDurationMs);
    }
}

}  // namespace hobwatch
