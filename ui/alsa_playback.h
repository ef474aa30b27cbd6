#pragma once

#include <cstdint>
#include <span>

namespace hobwatch {

// Sends libasound's error messages (such as "Unknown PCM default" on a machine without a sound
// card) nowhere. The setting is process-wide, so it also quiets libcanberra's ALSA backend.
void SilenceAlsaErrors();

// Plays signed 16-bit mono samples at `sampleRateHz` (e.g. 48000) through ALSA's "default" device
// and returns when they have been played. Returns at once when the device cannot be opened (none
// there, or held by another program) or set up. A device that stops taking samples is given up
// after the samples' own length plus half a second, so it never holds the caller for long.
void PlayOnDefaultDevice(std::span<const std::int16_t> samples, int sampleRateHz);

}  // namespace hobwatch
