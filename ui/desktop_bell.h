#pragma once

struct ca_context;

namespace hobwatch {

// The desktop's bell sound ("bell" of the freedesktop sound theme), played through libcanberra.
class DesktopBell final {
public:
    DesktopBell();
    ~DesktopBell();
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;

    // Starts the bell and returns at once; it plays on libcanberra's own thread. Silent without
    // a sound device or sound theme.
    void Ring();

private:
    // Lives as long as the bell: destroying it while a sound plays cuts the sound off.
    ca_context* context_ = nullptr;
};

}  // namespace hobwatch
