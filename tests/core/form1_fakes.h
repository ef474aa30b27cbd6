#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/control_states.h"
#include "core/form1_handlers.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "runtime/date_value.h"

namespace hobwatch::fakes {

// What the handlers asked for, in order: "beep", "tone 1000 200", "unload".
using EventLog = std::vector<std::string>;

// A clock on 1 January 2024 that moves only when told to, by seconds or by milliseconds.
class FakeClock final : public Clock {
public:
    // `hours` may pass 23 to reach the next days.
    void Set(int hours, int minutes, int seconds, int milliseconds = 0) {
        milliseconds_ = kDay * kMillisecondsPerDay +
                        ((hours * 60 + minutes) * 60 + seconds) * std::int64_t{1000} + milliseconds;
    }
    void AdvanceSeconds(std::int64_t seconds) { milliseconds_ += seconds * 1000; }
    void AdvanceMilliseconds(std::int64_t milliseconds) { milliseconds_ += milliseconds; }

    DateValue Now() const override { return DateValueFromMilliseconds(milliseconds_); }

private:
    static constexpr std::int64_t kDay = 45292;
    std::int64_t milliseconds_ = kDay * kMillisecondsPerDay;
};

// A tone holds the thread for its duration, so the clock moves on while it plays.
class RecordingSounds final : public Sounds {
public:
    RecordingSounds(EventLog& log, FakeClock& clock) : log_(log), clock_(clock) {}
    void SystemBeep() override { log_.push_back("beep"); }
    void Tone(int frequencyHz, int durationMs) override {
        log_.push_back("tone " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
        clock_.AdvanceMilliseconds(durationMs);
    }

private:
    EventLog& log_;
    FakeClock& clock_;
};

class RecordingWindow final : public WindowRequests {
public:
    explicit RecordingWindow(EventLog& log) : log_(log) {}
    void UnloadAndEnd() override {
        log_.push_back("unload");
        ended = true;
    }
    bool ended = false;

private:
    EventLog& log_;
};

// The window's controls and handlers wired to the fakes. Checks start unticked.
struct Form1Harness {
    Form1Harness() {
        controls.Check1Value = 0;
        controls.Check2Value = 0;
        controls.Check3Value = 0;
    }

    // The window's timer: fires only while enabled and until the program has ended.
    void Tick() {
        if (controls.Timer1.Enabled && !window.ended) {
            handlers.Timer1_Timer();
        }
    }
    void TickAt(int hours, int minutes, int seconds, int milliseconds = 0) {
        clock.Set(hours, minutes, seconds, milliseconds);
        Tick();
    }

    void StartMinutesAtNoon(const std::string& text) {
        clock.Set(12, 0, 0);
        controls.Combo1.Text = text;
        handlers.Command1_Click();
    }
    void StartHoursAtNoon(const std::string& text) {
        clock.Set(12, 0, 0);
        controls.Combo2.Text = text;
        handlers.Command2_Click();
    }

    EventLog events;
    Form1Controls controls;
    FakeClock clock;
    RecordingSounds sounds{events, clock};
    RecordingWindow window{events};
    Form1Handlers handlers{controls, clock, sounds, window};
};

// Every control state in one line, so that a comparison shows what changed.
inline std::string Describe(const Form1Controls& c) {
    const auto entry = [](const EntryState& e) {
        std::ostringstream out;
        out << "{'" << e.Text << "' " << (e.Enabled ? "enabled" : "disabled") << " " << e.BackColor
            << "}";
        return out.str();
    };
    std::ostringstream out;
    out << "caption '" << c.Caption << "' state " << static_cast<int>(c.State) << " Combo1 "
        << entry(c.Combo1) << " Combo2 " << entry(c.Combo2) << " Command1 " << c.Command1.Enabled
        << " Command2 " << c.Command2.Enabled << " checks " << c.Check1Value << c.Check2Value
        << c.Check3Value << " timer " << c.Timer1.Enabled << "/" << c.Timer1.Interval
        << " selection '" << c.Text1SelectedText << "'";
    return out.str();
}

}  // namespace hobwatch::fakes
