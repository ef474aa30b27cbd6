#include "ui/sound/desktop_sounds.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace hobwatch {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;
using Samples = std::vector<std::int16_t>;

constexpr double kSampleRateHz = 48000.0;
constexpr int kFullScale = 32767;

Samples ReadSamples(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Samples samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                               static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
    }
    return samples;
}

int Peak(std::span<const std::int16_t> samples) {
    int peak = 0;
    for (const std::int16_t sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

// Frequency from the first to the last upward zero crossing, each placed between its two samples
// by linear interpolation; 0 without two crossings.
double MeasuredFrequencyHz(const Samples& samples) {
    double first = 0.0, last = 0.0;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double before = samples[i - 1], after = samples[i];
        if (before < 0.0 && after >= 0.0) {
            last = static_cast<double>(i - 1) + before / (before - after);
            first = crossings++ == 0 ? last : first;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * kSampleRateHz / (last - first);
}

// Each test gets a fresh directory for its capture file and points ALSA at one of the standalone
// configurations beside this file before the first call into ALSA, so that neither a sound card
// nor the user's own ALSA or sound-server setup plays a part.
class SoundDeviceTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "sound_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        capture_ = fs::path(pattern) / "capture.raw";
        ASSERT_EQ(setenv("CAPTURE_FILE", capture_.c_str(), 1), 0);
    }
    void TearDown() override { fs::remove_all(capture_.parent_path()); }

    static void UseAlsaConfiguration(const char* name) {
        const fs::path path = fs::path(HOBWATCH_SOUND_TEST_DATA) / name;
        ASSERT_EQ(setenv("ALSA_CONFIG_PATH", path.c_str(), 1), 0);
    }

    fs::path capture_;
};

TEST_F(SoundDeviceTest, TonesAreSinesOfTheirFrequencyForTwoHundredMillisecondsWithoutAClick) {
    UseAlsaConfiguration("alsa_capture.conf");
    for (const int frequencyHz : {1000, 200}) {
        SCOPED_TRACE(std::to_string(frequencyHz) + " Hz");
        fs::remove(capture_);
        DesktopSounds().Tone(frequencyHz, 200);
        const Samples samples = ReadSamples(capture_);

        EXPECT_NEAR(static_cast<double>(samples.size()), 0.200 * kSampleRateHz,
                    0.05 * 0.200 * kSampleRateHz);
        EXPECT_NEAR(MeasuredFrequencyHz(samples), frequencyHz, 0.01 * frequencyHz);
        const int peak = Peak(samples);
        EXPECT_GE(peak, kFullScale / 4) << "hardly audible";
        // A click is a jump at either end; a faded tone is still quiet one millisecond in.
        const auto oneMillisecond = static_cast<std::size_t>(kSampleRateHz / 1000);
        ASSERT_GT(samples.size(), 10 * oneMillisecond);
        EXPECT_LE(std::abs(samples.front()), kFullScale / 100);
        EXPECT_LE(std::abs(samples.back()), kFullScale / 100);
        EXPECT_LT(Peak(std::span(samples).first(oneMillisecond)), peak / 4);
        EXPECT_LT(Peak(std::span(samples).last(oneMillisecond)), peak / 4);
    }
}

TEST_F(SoundDeviceTest, BellPlaysTheDesktopBell) {
    UseAlsaConfiguration("alsa_capture.conf");
    DesktopSounds sounds;
    sounds.Bell();

    // The bell plays on libcanberra's thread; the bound only keeps a broken setup from hanging.
    const auto giveUp = SteadyClock::now() + std::chrono::seconds(10);
    Samples samples;
    while (samples.empty() && SteadyClock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        samples = ReadSamples(capture_);
    }
    EXPECT_GE(Peak(samples), kFullScale / 100) << "no bell was heard";
}

TEST_F(SoundDeviceTest, SoundsReturnAtOnceWhileTheDeviceIsStuck) {
    // A device that writes to a pipe blocks until someone reads it: here, from two seconds on.
    UseAlsaConfiguration("alsa_capture.conf");
    fs::remove(capture_);
    ASSERT_EQ(mkfifo(capture_.c_str(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread reader([this, &done] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const int pipe = open(capture_.c_str(), O_RDONLY | O_NONBLOCK);
        char buffer[4096];
        while (!done) {
            if (read(pipe, buffer, sizeof buffer) <= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
        close(pipe);
    });
    auto sounds = std::make_unique<DesktopSounds>();

    const auto start = SteadyClock::now();
    for (int tick = 0; tick < 3; ++tick) {
        sounds->Bell();
        sounds->Tone(1000, 200);
    }
    // Guards against a stall, not measurements.
    EXPECT_LT(SteadyClock::now() - start, std::chrono::milliseconds(100));
    sounds.reset();
    EXPECT_LT(SteadyClock::now() - start, std::chrono::milliseconds(1900)) << "closing hung";
    // The worker's thread, cut off, ends once the device lets it go.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    done = true;
    reader.join();
}

TEST_F(SoundDeviceTest, WithoutADeviceSoundsReturnAtOnceAndPrintNothing) {
    for (const char* configuration : {"alsa_no_default.conf", "alsa_missing_card.conf"}) {
        SCOPED_TRACE(configuration);
        UseAlsaConfiguration(configuration);
        testing::internal::CaptureStderr();
        const auto start = SteadyClock::now();
        {
            DesktopSounds sounds;
            sounds.Bell();
            sounds.Tone(1000, 200);
            sounds.Tone(200, 200);
        }
        const auto spent = SteadyClock::now() - start;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        // Only a guard against a stall, not a measurement.
        EXPECT_LT(spent, std::chrono::seconds(1));
    }
}

}  // namespace
}  // namespace hobwatch
