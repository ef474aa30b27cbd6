#include "ui/sound/sound_worker.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace hobwatch {

// Owned by the worker's thread as well as by the worker, so that a thread left to end by itself
// still finds it.
struct SoundWorker::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::unique_ptr<SoundOutput> output;
    SoundRequest waiting;
    bool closing = false;  // play what is asked, then end
    bool ended = false;
    std::atomic<bool> stop = false;
};

SoundWorker::SoundWorker(std::unique_ptr<SoundOutput> output)
    : shared_(std::make_shared<Shared>()) {
    shared_->output = std::move(output);
}

SoundWorker::~SoundWorker() {
    if (!started_) {
        return;
    }
    std::unique_lock lock(shared_->mutex);
    shared_->closing = true;
    shared_->changed.notify_all();
    const auto ended = [this] { return shared_->ended; };
    if (!shared_->changed.wait_for(lock, kFinishWait, ended)) {
        shared_->stop = true;
        shared_->changed.wait_for(lock, kCutWait, ended);
    }
}

void SoundWorker::Request(const SoundRequest& request) {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->waiting.Bell = shared_->waiting.Bell || request.Bell;
        if (request.Tone) {
            shared_->waiting.Tone = request.Tone;
        }
    }
    shared_->changed.notify_all();
    if (!started_) {
        started_ = true;
        // Detached: closing waits for its end only as long as a sound may take.
        std::thread(Run, shared_).detach();
    }
}

void SoundWorker::Run(const std::shared_ptr<Shared>& shared) {
    std::unique_lock lock(shared->mutex);
    while (true) {
        shared->changed.wait(
            lock, [&] { return shared->waiting.Bell || shared->waiting.Tone || shared->closing; });
        if (!shared->waiting.Bell && !shared->waiting.Tone) {
            break;
        }
        const SoundRequest next = std::exchange(shared->waiting, {});
        lock.unlock();
        shared->output->Play(next, shared->stop);
        lock.lock();
    }
    // The output may wait for the end of its own sounds as it goes.
    lock.unlock();
    shared->output.reset();
    lock.lock();
    shared->ended = true;
    shared->changed.notify_all();
}

}  // namespace hobwatch
