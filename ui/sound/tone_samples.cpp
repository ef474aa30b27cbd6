#include "ui/sound/tone_samples.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace hobwatch {

namespace {

constexpr int kMaxDurationMs = 60'000;
constexpr double kPeak = 0.5 * 32767.0;

// Raised-cosine gain from 0 at `position` 0 up to 1 at `length`.
double FadeGain(std::size_t position, std::size_t length) {
    if (position >= length) {
        return 1.0;
    }
    return 0.5 * (1.0 - std::cos(std::numbers::pi * static_cast<double>(position) /
                                 static_cast<double>(length)));
}

}  // namespace

std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs) {
    if (frequencyHz < 1 || frequencyHz >= kToneSampleRateHz / 2 || durationMs < 0 ||
        durationMs > kMaxDurationMs) {
        return {};
    }
    const auto count = static_cast<std::size_t>(durationMs) * (kToneSampleRateHz / 1000);
    const std::size_t fade =
        std::min(static_cast<std::size_t>(kToneFadeMs) * (kToneSampleRateHz / 1000), count / 2);
    const double radiansPerSample =
        2.0 * std::numbers::pi * frequencyHz / static_cast<double>(kToneSampleRateHz);

    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double gain = std::min(FadeGain(i, fade), FadeGain(count - 1 - i, fade));
        samples[i] = static_cast<std::int16_t>(
            std::lround(kPeak * gain * std::sin(radiansPerSample * static_cast<double>(i))));
    }
    return samples;
}

}  // namespace hobwatch
