#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

namespace hobwatch {

struct ToneRequest {
    int FrequencyHz = 0;
    int DurationMs = 0;
};

// What is to be sounded next: the bell, then the tone, either of them or both.
struct SoundRequest {
    bool Bell = false;
    std::optional<ToneRequest> Tone;
};

// Makes the sounds, on the sound worker's thread.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Sounds the bell (if asked), then the tone (if asked), and returns when they are done, or
    // soon after `stop` turns true.
    virtual void Play(const SoundRequest& request, const std::atomic<bool>& stop) = 0;
};

// Plays sounds on a thread of its own, started by the first request, so that whoever asks for a
// sound never waits for the sound device. One request plays at a time; the requests made
// meanwhile wait as one: a bell and a tone at most, a newer tone replacing an older one, since
// a tone a second late means less than the one of the current second. So a device that falls
// behind holds up nothing and lets nothing pile up.
class SoundWorker final {
public:
    // Closing waits this long for the sounds asked for to be played, then cuts them off and
    // waits kCutWait more; a thread still held by the device is then left to end by itself.
    static constexpr auto kFinishWait = std::chrono::milliseconds(1000);
    static constexpr auto kCutWait = std::chrono::milliseconds(200);

    // The output is used and destroyed on the worker's thread.
    explicit SoundWorker(std::unique_ptr<SoundOutput> output);
    ~SoundWorker();
    SoundWorker(const SoundWorker&) = delete;
    SoundWorker& operator=(const SoundWorker&) = delete;

    // Returns at once.
    void Request(const SoundRequest& request);

private:
    struct Shared;
    static void Run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    bool started_ = false;
};

}  // namespace hobwatch
