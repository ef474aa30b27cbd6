#pragma once

#include <atomic>
#include <cstdint>
#include <span>

namespace hobwatch {

// Sends libasound's error messages (such as "Unknown PCM default" on a machine without a sound
// card) nowhere. The setting is process-wide, so it also quiets libcanberra's ALSA backend; it
// loads libasound, so call it before the first sound.
void SilenceAlsaErrors();

// Plays signed 16-bit mono samples at `sampleRateHz` (e.g. 48000) through ALSA's "default" device
// with about 30 ms of buffer, so the sound is heard almost as soon as it is written, and returns
// when they have been played. Returns at once when libasound is missing or the device cannot be
// opened (none there, or held by another program) or set up. A device that stops taking samples
// is given up after the samples' own length plus half a second, and `stop` turning true cuts the
// sound off within about 20 ms; so it never holds the caller for long. Blocks: call it from a
// thread that may wait.
void PlayOnDefaultDevice(std::span<const std::int16_t> samples, int sampleRateHz,
                         const std::atomic<bool>& stop);

}  // namespace hobwatch
