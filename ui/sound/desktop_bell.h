#pragma once

#include <canberra.h>

#include "ui/sound/canberra_library.h"

namespace hobwatch {

// The desktop's bell sound ("bell" of the freedesktop sound theme), played through libcanberra,
// which is loaded when the first bell is made.
class DesktopBell final {
public:
    DesktopBell();
    // Waits up to half a second for a bell still playing, which the program's end would cut off.
    ~DesktopBell();
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;

    // Starts the bell and returns at once; it plays on libcanberra's own thread. Silent without
    // libcanberra, a sound device or a sound theme.
    void Ring();

private:
    bool IsRinging() const;

    const CanberraLibrary* canberra_ = nullptr;
    // The run's one context, shared by every bell and never destroyed.
    ca_context* context_ = nullptr;
};

}  // namespace hobwatch
