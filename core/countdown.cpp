#include "core/countdown.h"

#include <optional>
#include <utility>

#include "runtime/duration_format.h"
#include "runtime/number_format.h"
#include "runtime/number_reading.h"

namespace hobwatch {
namespace {

constexpr int kMinutesStartToneHz = 1000;
constexpr int kHoursStartToneHz = 200;
// Every time-up tick sounds the high tone, whichever button started the countdown.
constexpr int kAlarmToneHz = 1000;
constexpr int kToneDurationMs = 200;

// Both in days; the overtime must be strictly above a threshold to pass it. The exit threshold
// is a little under ten seconds and the hour threshold a little over one hour.
constexpr double kExitThreshold = 0.0001157;
constexpr double kHourThreshold = 0.041666666667;

// "15 minutes", "2.5 hours", "1 hour": the number as the program shows numbers elsewhere.
std::string Quantity(float value, const char* unit) {
    const std::string number = FormatNumber(value, "#0.##");
    return number + " " + unit + (number == "1" ? "" : "s");
}

void TurnGreenToRed(EntryState& entry) {
    if (entry.BackColour == kGreen) {
        entry.BackColour = kRed;
    }
}

}  // namespace

Countdown::Countdown(ControlStates& controls, const Clock& clock, Sounds& sounds,
                     WindowRequests& window)
    : controls_(controls), clock_(clock), sounds_(sounds), window_(window) {}

void Countdown::StartByMinutes() {
    const DateValue now = clock_.Now();
    const std::optional<float> minutes = ToSingle(ReadEntryNumber(controls_.MinutesEntry.Text));
    if (!minutes) {
        return;
    }
    const bool showHours = *minutes >= 60;
    const std::optional<DateValue> end =
        showHours ? AddMinutes(now, *minutes) : AddSeconds(now, static_cast<double>(*minutes) * 60);
    if (end) {
        Start(now, *end, showHours, controls_.MinutesEntry, controls_.HoursEntry,
              kMinutesStartToneHz, Quantity(*minutes, "minute"));
    }
}

void Countdown::StartByHours() {
    const DateValue now = clock_.Now();
    const double hours = ReadEntryNumber(controls_.HoursEntry.Text);
    // An end that can be told lies within a few thousand years, so the hours fit a float.
    if (const std::optional<DateValue> end = AddMinutes(now, hours * 60)) {
        Start(now, *end, true, controls_.HoursEntry, controls_.MinutesEntry, kHoursStartToneHz,
              Quantity(static_cast<float>(hours), "hour"));
    }
}

void Countdown::Start(DateValue start, DateValue end, bool showHours, EntryState& startedBy,
                      EntryState& other, int toneFrequencyHz, std::string name) {
    startTime_ = start;
    endTime_ = end;
    showHours_ = showHours;
    controls_.Ticking = true;
    controls_.StartHoursEnabled = false;
    controls_.StartMinutesEnabled = false;
    controls_.MinutesEntry.Enabled = false;
    controls_.HoursEntry.Enabled = false;
    startedBy.BackColour = kGreen;
    other.BackColour = kWhite;
    name_ = std::move(name);
    window_.CountdownStarted();
    SoundAlarms(toneFrequencyHz);
}

void Countdown::Cancel() {
    if (controls_.Ticking) {
        window_.CountdownEnded();
    }
    controls_.Caption = kIdleCaption;
    controls_.Ticking = false;
    controls_.StartHoursEnabled = true;
    controls_.StartMinutesEnabled = true;
    controls_.MinutesEntry.Enabled = true;
    controls_.HoursEntry.Enabled = true;
    controls_.MinutesEntry.BackColour = kWhite;
    controls_.HoursEntry.BackColour = kWhite;
    restored_ = false;
    if (announced_) {
        announced_ = false;
        window_.WithdrawTimeUp();
    }
}

void Countdown::Tick() {
    const DateValue now = clock_.Now();
    if (now >= endTime_) {
        TimeUpTick();
        return;
    }
    const double remaining = DateDifference(endTime_, now);
    const double elapsed = DateDifference(now, startTime_);
    window_.ShowProgress(elapsed / (elapsed + remaining));
    controls_.Caption =
        showHours_ ? FormatDuration(remaining, "h:nn:ss") + FormatDuration(elapsed, " (h:nn:ss)")
                   : FormatDuration(remaining, "nn:ss") + FormatDuration(elapsed, " (nn:ss)");
}

void Countdown::TimeUpTick() {
    SoundAlarms(kAlarmToneHz);
    // Read again: the sounds may have taken a moment.
    const double overtime = DateDifference(clock_.Now(), endTime_);
    if (overtime > kExitThreshold && controls_.AutomaticExit != 0 && window_.CloseAndExit()) {
        return;
    }
    if (!announced_) {
        announced_ = true;
        window_.AnnounceTimeUp(name_);
    }
    const char* pattern = overtime > kHourThreshold ? "h:nn:ss" : "nn:ss";
    controls_.Caption = FormatDuration(overtime, pattern) + " Over";
    TurnGreenToRed(controls_.MinutesEntry);
    TurnGreenToRed(controls_.HoursEntry);
    if (controls_.State == WindowState::Minimised && !restored_) {
        controls_.State = WindowState::Normal;
        restored_ = true;
    }
}

// The bell first, then the tone, each only when its box is ticked.
void Countdown::SoundAlarms(int toneFrequencyHz) {
    if (controls_.BellAlarm != 0) {
        sounds_.Bell();
    }
    if (controls_.ToneAlarm != 0) {
        sounds_.Tone(toneFrequencyHz, kToneDurationMs);
    }
}

}  // namespace hobwatch
