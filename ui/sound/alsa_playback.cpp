#include "ui/sound/alsa_playback.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <memory>
#include <thread>

#include "ui/sound/alsa_library.h"

namespace hobwatch {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Small, so that the tone starts with the tick; the sound worker is a thread of its own that
// does nothing else, so it keeps so short a buffer filled.
constexpr unsigned kLatencyMicroseconds = 30'000;
constexpr auto kGrace = std::chrono::milliseconds(500);
constexpr auto kPollStep = std::chrono::milliseconds(5);
// How long a wait for room runs before the stop request is looked at again.
constexpr int kStopCheckMs = 20;

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

struct PcmCloser {
    // Closing also drops whatever a stalled device has not played.
    void operator()(snd_pcm_t* pcm) const { LoadAlsaLibrary()->PcmClose(pcm); }
};
using Pcm = std::unique_ptr<snd_pcm_t, PcmCloser>;

int MillisecondsLeft(SteadyClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// The device is non-blocking, so each wait for room is bounded by the deadline.
bool WriteAll(const AlsaLibrary& alsa, snd_pcm_t* pcm, std::span<const std::int16_t> samples,
              SteadyClock::time_point deadline, const std::atomic<bool>& stop) {
    while (!samples.empty()) {
        if (stop) {
            return false;
        }
        const snd_pcm_sframes_t written = alsa.PcmWritei(pcm, samples.data(), samples.size());
        if (written >= 0) {
            samples = samples.subspan(static_cast<std::size_t>(written));
        } else if (written == -EAGAIN) {
            const int left = MillisecondsLeft(deadline);
            if (left == 0) {
                return false;
            }
            if (alsa.PcmWait(pcm, std::min(left, kStopCheckMs)) < 0) {
                std::this_thread::sleep_for(kPollStep);
            }
        } else if (written != -EPIPE || alsa.PcmPrepare(pcm) < 0) {
            // An underrun (-EPIPE) is recovered from; a suspended or unplugged device is not
            // waited for.
            return false;
        }
    }
    return true;
}

// A non-blocking drain returns -EAGAIN while the rest plays on; polling the state then bounds the
// wait. Plugins that drain on their own (PipeWire's) return only when they are done.
void WaitUntilPlayed(const AlsaLibrary& alsa, snd_pcm_t* pcm, SteadyClock::time_point deadline,
                     const std::atomic<bool>& stop) {
    if (alsa.PcmDrain(pcm) != -EAGAIN) {
        return;
    }
    while (SteadyClock::now() < deadline && !stop) {
        // Updates the position of devices emulated in software, which end their drain only then.
        alsa.PcmAvail(pcm);
        if (alsa.PcmState(pcm) != SND_PCM_STATE_DRAINING) {
            return;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

}  // namespace

void SilenceAlsaErrors() {
    if (const AlsaLibrary* alsa = LoadAlsaLibrary()) {
        alsa->ErrorSetHandler(IgnoreAlsaError);
    }
}

void PlayOnDefaultDevice(std::span<const std::int16_t> samples, int sampleRateHz,
                         const std::atomic<bool>& stop) {
    const AlsaLibrary* alsa = LoadAlsaLibrary();
    if (alsa == nullptr || samples.empty() || sampleRateHz <= 0) {
        return;
    }
    const auto length =
        std::chrono::milliseconds(static_cast<std::int64_t>(samples.size()) * 1000 / sampleRateHz);
    const auto deadline = SteadyClock::now() + length + kGrace;

    // Non-blocking, because a blocking open waits for as long as another program holds the device.
    snd_pcm_t* raw = nullptr;
    if (alsa->PcmOpen(&raw, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return;
    }
    const Pcm pcm(raw);
    if (alsa->PcmSetParams(pcm.get(), SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                           static_cast<unsigned>(sampleRateHz), 1, kLatencyMicroseconds) < 0) {
        return;
    }
    if (WriteAll(*alsa, pcm.get(), samples, deadline, stop)) {
        WaitUntilPlayed(*alsa, pcm.get(), deadline, stop);
    }
}

}  // namespace hobwatch
