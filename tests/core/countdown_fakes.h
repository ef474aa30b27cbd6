#pragma once

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/countdown.h"

namespace hobwatch::fakes {

using EventLog = std::vector<std::string>;

// Seconds after 12:00:00.
constexpr std::int64_t At(int hours, int minutes, int seconds) {
    return (hours - 12) * 3600 + minutes * 60 + seconds;
}

// The clock (1 January 2024 from noon on), the sounds and the window requests in one. It logs
// what the handlers asked for, in order, the time-up announcements and the reports of the
// countdown apart; a tone moves the clock on, as it holds the thread.
class FakeWindow final : public Clock, public Sounds, public WindowRequests {
public:
    DateValue Now() const override {
        return DateValueFromMilliseconds(45292 * kMillisecondsPerDay + kMillisecondsPerDay / 2 +
                                         millisecondsAfterNoon);
    }
    void Bell() override { events.push_back("bell"); }
    void Tone(int frequencyHz, int durationMs) override {
        events.push_back("tone " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
        millisecondsAfterNoon += durationMs;
    }
    bool CloseAndExit() override {
        events.push_back("exit");
        ended = true;
        return true;
    }
    void AnnounceTimeUp(const std::string& countdown) override {
        announcements.push_back("announce " + countdown);
    }
    void WithdrawTimeUp() override { announcements.push_back("withdraw"); }
    void CountdownStarted() override { desktop.push_back("started"); }
    void ShowProgress(double passed) override {
        desktop.push_back("progress " + std::to_string(passed));
    }
    void CountdownEnded() override { desktop.push_back("ended"); }

    std::int64_t millisecondsAfterNoon = 0;
    EventLog events;
    EventLog announcements;
    EventLog desktop;  // what the desktop beyond the window is told of the countdown
    bool ended = false;
};

enum class Button { StartMinutes, StartHours };
inline constexpr Button kMinutes = Button::StartMinutes;
inline constexpr Button kHours = Button::StartHours;

// A countdown on the initial window, with every box unticked.
struct CountdownHarness {
    CountdownHarness() { controls.BellAlarm = 0; }

    void StartAtNoon(Button button, const std::string& entry) {
        fake.millisecondsAfterNoon = 0;
        const bool byMinutes = button == Button::StartMinutes;
        (byMinutes ? controls.MinutesEntry : controls.HoursEntry).Text = entry;
        byMinutes ? countdown.StartByMinutes() : countdown.StartByHours();
    }
    // The window's ticker: fires only while ticking and until the program has ended.
    void TickAt(std::int64_t secondsAfterNoon, int millisecondsLate = 0) {
        fake.millisecondsAfterNoon = secondsAfterNoon * 1000 + millisecondsLate;
        if (controls.Ticking && !fake.ended) {
            countdown.Tick();
        }
    }

    ControlStates controls;
    FakeWindow fake;
    Countdown countdown{controls, fake, fake, fake};
};

// Every control state in one line, so that a comparison shows what changed. Long texts show as
// their length and hash, so that a failure does not print tens of thousands of characters.
inline std::string Describe(const ControlStates& c) {
    const auto text = [](const std::string& t) {
        return t.size() <= 80 ? "'" + t + "'"
                              : std::to_string(t.size()) + " bytes hashed " +
                                    std::to_string(std::hash<std::string>{}(t));
    };
    const auto entry = [&](const EntryState& e) {
        return text(e.Text) + (e.Enabled ? " enabled " : " disabled ") +
               std::to_string(e.BackColour);
    };
    std::ostringstream out;
    out << "caption " << text(c.Caption) << ", state " << static_cast<int>(c.State) << ", minutes "
        << entry(c.MinutesEntry) << ", hours " << entry(c.HoursEntry) << ", start buttons "
        << c.StartMinutesEnabled << c.StartHoursEnabled << ", bell " << c.BellAlarm << ", tone "
        << c.ToneAlarm << ", exit " << c.AutomaticExit << ", ticking " << c.Ticking
        << ", selection " << text(c.NotesSelection);
    return out.str();
}

}  // namespace hobwatch::fakes
