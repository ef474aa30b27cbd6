#include "ui/desktop_sounds.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace hobwatch {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr double kSampleRateHz = 48000.0;
constexpr int kFullScale = 32767;

fs::path TestData(const char* name) { return fs::path(HOBWATCH_SOUND_TEST_DATA) / name; }

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::int16_t> ReadSamples(const fs::path& path) {
    const std::string bytes = ReadFile(path);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto high = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    return samples;
}

int Peak(std::vector<std::int16_t>::const_iterator begin,
         std::vector<std::int16_t>::const_iterator end) {
    int peak = 0;
    for (auto it = begin; it != end; ++it) {
        peak = std::max(peak, std::abs(static_cast<int>(*it)));
    }
    return peak;
}

// Frequency from the first to the last upward zero crossing, each placed between its two samples
// by linear interpolation; 0 without two crossings.
double MeasuredFrequencyHz(const std::vector<std::int16_t>& samples) {
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double before = samples[i - 1];
        const double after = samples[i];
        if (before < 0.0 && after >= 0.0) {
            const double at = static_cast<double>(i - 1) + before / (before - after);
            if (crossings == 0) {
                first = at;
            }
            last = at;
            ++crossings;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * kSampleRateHz / (last - first);
}

// Each test gets a fresh directory for its capture file and points ALSA at one of the standalone
// configurations beside this file, before the first call into ALSA, so that neither a sound card
// nor the user's own ALSA or sound-server setup plays a part.
class SoundDeviceTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "sound_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        ASSERT_EQ(setenv("CAPTURE_FILE", CaptureFile().c_str(), 1), 0);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }

    static void UseAlsaConfiguration(const char* name) {
        ASSERT_EQ(setenv("ALSA_CONFIG_PATH", TestData(name).c_str(), 1), 0);
    }
    fs::path CaptureFile() const { return directory_ / "capture.raw"; }
    const fs::path& Directory() const { return directory_; }

private:
    fs::path directory_;
};

struct ToneCase {
    std::string name;
    int frequencyHz;
};

void PrintTo(const ToneCase& row, std::ostream* out) { *out << row.name; }

class ToneCaptureTest : public SoundDeviceTest, public testing::WithParamInterface<ToneCase> {};

TEST_P(ToneCaptureTest, PlaysASineOfTheFrequencyForTwoHundredMilliseconds) {
    UseAlsaConfiguration("alsa_capture.conf");
    const int frequencyHz = GetParam().frequencyHz;

    {
        DesktopSounds sounds;
        sounds.Tone(frequencyHz, 200);
    }
    const std::vector<std::int16_t> samples = ReadSamples(CaptureFile());

    EXPECT_NEAR(static_cast<double>(samples.size()), 0.200 * kSampleRateHz,
                0.05 * 0.200 * kSampleRateHz);
    EXPECT_NEAR(MeasuredFrequencyHz(samples), frequencyHz, 0.01 * frequencyHz);
    EXPECT_GE(Peak(samples.begin(), samples.end()), kFullScale / 4) << "hardly audible";
}

TEST_P(ToneCaptureTest, StartsAndEndsWithoutAClick) {
    UseAlsaConfiguration("alsa_capture.conf");

    {
        DesktopSounds sounds;
        sounds.Tone(GetParam().frequencyHz, 200);
    }
    const std::vector<std::int16_t> samples = ReadSamples(CaptureFile());

    // A click is a jump at either end; a faded tone is still quiet one millisecond in.
    const auto oneMillisecond = static_cast<std::ptrdiff_t>(kSampleRateHz / 1000);
    ASSERT_GT(std::ssize(samples), 10 * oneMillisecond);
    const int peak = Peak(samples.begin(), samples.end());
    EXPECT_LE(std::abs(samples.front()), kFullScale / 100);
    EXPECT_LE(std::abs(samples.back()), kFullScale / 100);
    EXPECT_LT(Peak(samples.begin(), samples.begin() + oneMillisecond), peak / 4);
    EXPECT_LT(Peak(samples.end() - oneMillisecond, samples.end()), peak / 4);
}

INSTANTIATE_TEST_SUITE_P(StartTones, ToneCaptureTest,
                         testing::Values(ToneCase{"MinutesStart1000Hz", 1000},
                                         ToneCase{"HoursStart200Hz", 200}),
                         [](const testing::TestParamInfo<ToneCase>& info) {
                             return info.param.name;
                         });

TEST_F(SoundDeviceTest, SystemBeepPlaysTheDesktopBell) {
    UseAlsaConfiguration("alsa_capture.conf");
    DesktopSounds sounds;

    sounds.SystemBeep();

    // The bell plays on libcanberra's thread; the bound only keeps a broken setup from hanging.
    const auto giveUp = SteadyClock::now() + std::chrono::seconds(10);
    std::vector<std::int16_t> samples;
    while (samples.empty() && SteadyClock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        samples = ReadSamples(CaptureFile());
    }
    EXPECT_GE(Peak(samples.begin(), samples.end()), kFullScale / 100) << "no bell was heard";
}

// Sends this process's stderr to a file for the life of the object.
class StderrToFile {
public:
    explicit StderrToFile(const fs::path& path) {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        std::FILE* file = std::fopen(path.c_str(), "w");
        if (file != nullptr) {
            dup2(fileno(file), STDERR_FILENO);
            std::fclose(file);
        }
    }
    ~StderrToFile() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    StderrToFile(const StderrToFile&) = delete;
    StderrToFile& operator=(const StderrToFile&) = delete;

private:
    int saved_;
};

struct NoDeviceCase {
    std::string name;
    const char* configuration;
};

void PrintTo(const NoDeviceCase& row, std::ostream* out) { *out << row.name; }

class NoDeviceTest : public SoundDeviceTest, public testing::WithParamInterface<NoDeviceCase> {};

TEST_P(NoDeviceTest, SoundsReturnAtOnceAndPrintNothing) {
    UseAlsaConfiguration(GetParam().configuration);
    const fs::path stderrFile = Directory() / "stderr.txt";

    SteadyClock::duration spent{};
    {
        const StderrToFile redirect(stderrFile);
        const auto start = SteadyClock::now();
        {
            DesktopSounds sounds;
            sounds.SystemBeep();
            sounds.Tone(1000, 200);
            sounds.Tone(200, 200);
        }
        spent = SteadyClock::now() - start;
    }

    EXPECT_EQ(ReadFile(stderrFile), "");
    // Only a guard against a stall, not a measurement.
    EXPECT_LT(spent, std::chrono::seconds(1));
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, NoDeviceTest,
    testing::Values(NoDeviceCase{"NoDefaultDevice", "alsa_no_default.conf"},
                    NoDeviceCase{"DefaultCardMissing", "alsa_missing_card.conf"}),
    [](const testing::TestParamInfo<NoDeviceCase>& info) { return info.param.name; });

}  // namespace
}  // namespace hobwatch
