#pragma once

#include <cstdint>
#include <vector>

namespace hobwatch {

inline constexpr int kToneSampleRateHz = 48000;
// Each end of a tone fades in or out over this time, so that it neither starts nor stops with a
// click.
inline constexpr int kToneFadeMs = 5;

// A sine tone as signed 16-bit mono samples at kToneSampleRateHz: durationMs x 48 samples,
// starting at phase zero, peak at half of full scale, with a raised-cosine fade of kToneFadeMs at
// each end (a tone shorter than two fades fades over half its length each way), so the first and
// the last sample are zero. `frequencyHz` 1 to 23999 (below half the sample rate) and
// `durationMs` 0 to 60000; outside these ranges the result is empty, i.e. silence.
std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs);

}  // namespace hobwatch
