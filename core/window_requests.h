#pragma once

namespace hobwatch {

// What the handlers ask of the window beyond its control states.
class WindowRequests {
public:
    virtual ~WindowRequests() = default;
    // Closes the window (which saves the settings) and then ends the program. The caller
    // returns at once and does nothing more.
    virtual void CloseAndExit() = 0;
};

}  // namespace hobwatch
