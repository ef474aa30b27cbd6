#pragma once

#include <string>

#include "core/control_states.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "runtime/date_value.h"

namespace hobwatch {

// Starting, cancelling and ticking a countdown. Each operation acts on the control states it was
// given; the window copies them back to its widgets after every call.
class Countdown {
public:
    // All four must outlive the countdown.
    Countdown(ControlStates& controls, const Clock& clock, Sounds& sounds, WindowRequests& window);

    // The "Start Minutes" button: counts down the minutes entry. Below 60 minutes a fraction
    // counts to the second; from 60 on the count is in whole minutes and the caption shows hours.
    // Either start refuses an entry whose end falls outside the dates that can be told: nothing
    // changes then.
    void StartByMinutes();
    // The "Start Hours" button: counts down the hours entry in whole minutes, showing hours.
    void StartByHours();
    // The "Cancel" button: stops the tick, makes every control usable again and withdraws the
    // time-up announcement.
    void Cancel();
    // Once a second while the tick runs: the caption before time-up; the alarms, the overtime,
    // the red entry, one announcement and one restore of a minimised window, and the automatic
    // exit after it.
    void Tick();

    // When the countdown was started; the ticks fall in step with it.
    DateValue StartTime() const { return startTime_; }

private:
    void Start(DateValue start, DateValue end, bool showHours, EntryState& startedBy,
               EntryState& other, int toneFrequencyHz, std::string name);
    void SoundAlarms(int toneFrequencyHz);
    void TimeUpTick();

    ControlStates& controls_;
    const Clock& clock_;
    Sounds& sounds_;
    WindowRequests& window_;
    DateValue startTime_ = 0;
    DateValue endTime_ = 0;   // when the countdown reaches zero
    bool showHours_ = false;  // the running caption shows hours, minutes and seconds
    bool restored_ = false;   // a minimised window was brought back since the last cancel
    std::string name_;        // what the time-up announcement calls the countdown
    bool announced_ = false;  // its time-up was announced and not yet withdrawn
};

}  // namespace hobwatch
