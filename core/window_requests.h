#pragma once

#include <string>

namespace hobwatch {

// What the handlers ask of the window beyond its control states.
class WindowRequests {
public:
    virtual ~WindowRequests() = default;
    // Closes the window (which saves the settings) and then ends the program; true when it does,
    // and the caller then returns at once and does nothing more. False while the user decides
    // about changes that could not be saved: the window stays open and the countdown goes on.
    virtual bool CloseAndExit() = 0;
    // The time of a countdown is up: asks for the user's attention also when the window is not
    // looked at, naming the countdown as the start read it ("15 minutes", "2.5 hours",
    // "1 hour"). Once per countdown; the caller does not wait for it.
    virtual void AnnounceTimeUp(const std::string& countdown) = 0;
    // Takes back the last announcement: the user has cancelled the countdown it named.
    virtual void WithdrawTimeUp() = 0;
    // A countdown has started. It runs, its overtime included, until CountdownEnded or the
    // program's end; meanwhile the computer is to stay awake.
    virtual void CountdownStarted() = 0;
    // How much of the running countdown has passed, from 0 to 1; at each tick before time-up.
    virtual void ShowProgress(double passed) = 0;
    // The running countdown was cancelled.
    virtual void CountdownEnded() = 0;
};

}  // namespace hobwatch
