#include "ui/tone_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace hobwatch {
namespace {

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

struct SamplesCase {
    std::string name;
    int frequencyHz;
    int durationMs;
    std::size_t expectedCount;
};

void PrintTo(const SamplesCase& row, std::ostream* out) { *out << row.name; }

class ToneSamplesTest : public testing::TestWithParam<SamplesCase> {};

TEST_P(ToneSamplesTest, HasTheLengthAskedAndStartsAndEndsSilent) {
    const SamplesCase& row = GetParam();
    const std::vector<std::int16_t> samples = ToneSamples(row.frequencyHz, row.durationMs);

    ASSERT_EQ(samples.size(), row.expectedCount);
    if (samples.empty()) {
        return;
    }
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0);
    EXPECT_LE(Peak(samples), 16384) << "louder than half of full scale";
}

INSTANTIATE_TEST_SUITE_P(Lengths, ToneSamplesTest,
                         testing::Values(SamplesCase{"StartTone", 1000, 200, 9600},
                                         SamplesCase{"HoursStartTone", 200, 200, 9600},
                                         SamplesCase{"ShorterThanBothFades", 1000, 4, 192},
                                         SamplesCase{"LongestAllowed", 440, 60000, 2'880'000},
                                         SamplesCase{"ZeroDuration", 1000, 0, 0},
                                         SamplesCase{"NegativeDuration", 1000, -200, 0},
                                         SamplesCase{"LongerThanAMinute", 1000, 60001, 0},
                                         SamplesCase{"ZeroFrequency", 0, 200, 0},
                                         SamplesCase{"HighestBelowHalfTheRate", 23999, 200, 9600},
                                         SamplesCase{"HalfTheSampleRate", 24000, 200, 0}),
                         [](const testing::TestParamInfo<SamplesCase>& info) {
                             return info.param.name;
                         });

TEST(ToneSamples, ReachesFullLoudnessBetweenTheFades) {
    const std::vector<std::int16_t> samples = ToneSamples(1000, 200);

    const std::vector<std::int16_t> middle(samples.begin() + kToneFadeMs * 48,
                                           samples.end() - kToneFadeMs * 48);
    EXPECT_GE(Peak(middle), 16300);
}

}  // namespace
}  // namespace hobwatch
