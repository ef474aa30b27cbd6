#include "ui/desktop_sounds.h"

#include "ui/alsa_playback.h"
#include "ui/tone_samples.h"

namespace hobwatch {

// The bell opens its device only when it first rings, so silencing here comes in time for a
// machine without a sound card to print nothing.
DesktopSounds::DesktopSounds() { SilenceAlsaErrors(); }

void DesktopSounds::Bell() { bell_.Ring(); }

// The device is opened afresh for each tone rather than held between tones: a held device would
// keep other programs off a card without mixing for the whole countdown, and would go stale when
// the sound server restarts or the default output changes (a headset plugged in).
void DesktopSounds::Tone(int frequencyHz, int durationMs) {
    PlayOnDefaultDevice(ToneSamples(frequencyHz, durationMs), kToneSampleRateHz);
}

}  // namespace hobwatch
