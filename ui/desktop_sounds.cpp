#include "ui/desktop_sounds.h"

#include "ui/alsa_playback.h"
#include "ui/desktop_bell.h"
#include "ui/tone_samples.h"

namespace hobwatch {

struct DesktopSounds::Devices {
    DesktopBell bell;
};

// ALSA's messages are silenced before the bell can open a device, so that a machine without a
// sound card prints nothing.
DesktopSounds::DesktopSounds() {
    SilenceAlsaErrors();
    devices_ = std::make_unique<Devices>();
}

DesktopSounds::~DesktopSounds() = default;

void DesktopSounds::SystemBeep() { devices_->bell.Ring(); }

// The device is opened afresh for each tone rather than held between tones: a held device would
// keep other programs off a card without mixing for the whole countdown, and would go stale when
// the sound server restarts or the default output changes (a headset plugged in).
void DesktopSounds::Tone(int frequencyHz, int durationMs) {
    PlayOnDefaultDevice(ToneSamples(frequencyHz, durationMs), kToneSampleRateHz);
}

}  // namespace hobwatch
