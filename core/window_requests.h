#pragma once

namespace hobwatch {

// What the handlers ask of the window beyond its control states.
class WindowRequests {
public:
    virtual ~WindowRequests() = default;
    // Unloads the window (its unload handling runs) and then ends the program. The caller
    // returns at once and does nothing more.
    virtual void UnloadAndEnd() = 0;
};

}  // namespace hobwatch
