#pragma once

#include "core/control_states.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "runtime/date_value.h"

namespace hobwatch {

// The window's countdown and notes handlers and the fields they share. Each handler acts on the
// control states it was given; the window copies them back to its widgets after every call.
class Form1Handlers {
public:
    Form1Handlers(Form1Controls& controls, const Clock& clock, Sounds& sounds,
                  WindowRequests& window);

    void Command1_Click();  // "Start Minutes"
    void Command2_Click();  // "Start Hours"
    void Command3_Click();  // "Cancel"
    void Timer1_Timer();    // once a second while Timer1 is enabled
    void Text1_Click();     // mouse released in the notes box

    DateValue EndTime = 0;    // when the countdown reaches zero
    DateValue StartTime = 0;  // when the countdown was started
    bool Restored = false;    // a minimised window was brought back since the last cancel
    bool ShowHours = false;   // the running caption shows hours, minutes and seconds

private:
    void EnterRunningState(EntryState& startedBy, EntryState& other);
    void SoundStartSignals(int toneFrequencyHz);
    void TimeUpTick();

    Form1Controls& controls_;
    const Clock& clock_;
    Sounds& sounds_;
    WindowRequests& window_;
};

}  // namespace hobwatch
