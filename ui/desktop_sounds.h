#pragma once

#include "core/sounds.h"
#include "ui/desktop_bell.h"

namespace hobwatch {

// The real sounds: the desktop's bell and a tone through ALSA's "default" device. Without a
// sound device both stay silent and return at once.
class DesktopSounds final : public Sounds {
public:
    DesktopSounds();

    void Bell() override;
    // Returns when the tone has been played.
    void Tone(int frequencyHz, int durationMs) override;

private:
    DesktopBell bell_;
};

}  // namespace hobwatch
