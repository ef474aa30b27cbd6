#pragma once

#include <memory>

#include "core/sounds.h"

namespace hobwatch {

// The real sounds: the desktop's bell for the system beep and a tone through ALSA's "default"
// device. Without a sound device both stay silent and return at once.
class DesktopSounds final : public Sounds {
public:
    DesktopSounds();
    ~DesktopSounds() override;
    DesktopSounds(const DesktopSounds&) = delete;
    DesktopSounds& operator=(const DesktopSounds&) = delete;

    void SystemBeep() override;
    void Tone(int frequencyHz, int durationMs) override;

private:
    struct Devices;
    std::unique_ptr<Devices> devices_;
};

}  // namespace hobwatch
