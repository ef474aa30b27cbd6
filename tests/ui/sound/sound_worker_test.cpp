#include "ui/sound/sound_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace hobwatch {
namespace {

using SteadyClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr auto kHeldAtMost = std::chrono::seconds(3);

// What a fake output heard, and a gate that holds its first sound until the test opens it.
struct Record {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> heard;
    bool holding = false;  // the first sound is being held at the gate
    bool gateOpen = true;
    bool ignoresStop = false;
    bool cut = false;

    std::vector<std::string> Heard() {
        const std::lock_guard lock(mutex);
        return heard;
    }
    void OpenGate() {
        const std::lock_guard lock(mutex);
        gateOpen = true;
        changed.notify_all();
    }
    // Waits (at most ten seconds, against a broken worker) until the first sound is at the gate.
    bool WaitUntilHolding() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [this] { return holding; });
    }
};

class FakeOutput final : public SoundOutput {
public:
    explicit FakeOutput(std::shared_ptr<Record> record) : record_(std::move(record)) {}

    void Play(const SoundRequest& request, const std::atomic<bool>& stop) override {
        std::unique_lock lock(record_->mutex);
        if (request.Bell) {
            record_->heard.push_back("bell");
        }
        if (request.Tone) {
            record_->heard.push_back("tone " + std::to_string(request.Tone->FrequencyHz));
        }
        record_->holding = true;
        record_->changed.notify_all();
        // A playing sound: until the gate opens, or until cut off, unless the device ignores
        // that (a call that does not return); at most kHeldAtMost, so that a worker that makes
        // its caller wait for the sound fails the test rather than hanging it.
        const auto giveUp = SteadyClock::now() + kHeldAtMost;
        while (!record_->gateOpen && !(stop && !record_->ignoresStop) &&
               SteadyClock::now() < giveUp) {
            record_->changed.wait_for(lock, milliseconds(5));
        }
        record_->cut = record_->cut || !record_->gateOpen;
    }

private:
    std::shared_ptr<Record> record_;
};

SoundRequest Bell() { return {.Bell = true, .Tone = std::nullopt}; }
SoundRequest Tone(int frequencyHz) {
    return {.Bell = false, .Tone = ToneRequest{frequencyHz, 200}};
}

TEST(SoundWorkerTest, RequestsReturnAtOnceWhileASoundPlaysAndOnlyTheNewestToneWaits) {
    const auto record = std::make_shared<Record>();
    record->gateOpen = false;
    SoundWorker worker(std::make_unique<FakeOutput>(record));
    worker.Request(Tone(1000));
    ASSERT_TRUE(record->WaitUntilHolding());

    const auto start = SteadyClock::now();
    for (const int frequencyHz : {200, 300, 400}) {
        worker.Request(Bell());
        worker.Request(Tone(frequencyHz));
    }
    // A guard against a stall, not a measurement: a request that waited for the held sound
    // would wait kHeldAtMost, as the gate opens only after this.
    EXPECT_LT(SteadyClock::now() - start, milliseconds(500));

    record->OpenGate();
    std::vector<std::string> heard;
    const auto giveUp = SteadyClock::now() + std::chrono::seconds(10);
    while ((heard = record->Heard()).size() < 3 && SteadyClock::now() < giveUp) {
        std::this_thread::sleep_for(milliseconds(5));
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"tone 1000", "bell", "tone 400"}));
}

TEST(SoundWorkerTest, ClosingPlaysWhatWasAskedForBeforeItEnds) {
    const auto record = std::make_shared<Record>();
    record->gateOpen = false;
    auto worker = std::make_unique<SoundWorker>(std::make_unique<FakeOutput>(record));
    worker->Request(Tone(1000));
    ASSERT_TRUE(record->WaitUntilHolding());
    worker->Request(Bell());
    worker->Request(Tone(1000));

    // The last alarm before an automatic exit: the sound in flight ends well within the wait.
    std::thread opener([&] {
        std::this_thread::sleep_for(milliseconds(100));
        record->OpenGate();
    });
    worker.reset();
    opener.join();
    EXPECT_EQ(record->Heard(), (std::vector<std::string>{"tone 1000", "bell", "tone 1000"}));
    EXPECT_FALSE(record->cut);
}

TEST(SoundWorkerTest, ClosingCutsOffASoundThatDoesNotEndAndReturnsWithinItsBound) {
    struct Row {
        const char* name;
        bool deviceIgnoresStop;
    };
    for (const Row& row :
         {Row{"the sound stops when asked", false}, Row{"the device call never returns", true}}) {
        SCOPED_TRACE(row.name);
        const auto record = std::make_shared<Record>();
        record->gateOpen = false;
        record->ignoresStop = row.deviceIgnoresStop;
        auto worker = std::make_unique<SoundWorker>(std::make_unique<FakeOutput>(record));
        worker->Request(Tone(1000));
        ASSERT_TRUE(record->WaitUntilHolding());

        const auto start = SteadyClock::now();
        worker.reset();
        const auto spent = SteadyClock::now() - start;
        EXPECT_GE(spent, SoundWorker::kFinishWait);
        EXPECT_LT(spent, SoundWorker::kFinishWait + SoundWorker::kCutWait + milliseconds(500));
        if (!row.deviceIgnoresStop) {
            EXPECT_TRUE(record->cut);
        }
        // Lets a thread left behind end; it owns what it still uses.
        record->OpenGate();
    }
}

}  // namespace
}  // namespace hobwatch
