#pragma once

#include <canberra.h>

#include "ui/sound/canberra_library.h"

namespace hobwatch {

// The desktop's bell sound ("bell" of the freedesktop sound theme), played through libcanberra,
// which is loaded when the first bell is made.
class DesktopBell final {
public:
    DesktopBell();
    // Waits up to half a second for a bell still playing, which destroying the context would
    // cut off.
    ~DesktopBell();
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;

    // Starts the bell and returns at once; it plays on libcanberra's own thread. Silent without
    // libcanberra, a sound device or a sound theme.
    void Ring();

private:
    bool IsRinging() const;

    const CanberraLibrary* canberra_ = nullptr;
    // Lives as long as the bell: destroying it while a sound plays cuts the sound off.
    ca_context* context_ = nullptr;
};

}  // namespace hobwatch
