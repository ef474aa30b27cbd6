#include "ui/sound/desktop_sounds.h"

#include <memory>
#include <optional>

#include "ui/sound/alsa_playback.h"
#include "ui/sound/desktop_bell.h"
#include "ui/sound/tone_samples.h"

namespace hobwatch {
namespace {

class DesktopSoundOutput final : public SoundOutput {
public:
    void Play(const SoundRequest& request, const std::atomic<bool>& stop) override {
        if (!silenced_) {
            // Before the bell's first use too: libcanberra opens the device through libasound.
            SilenceAlsaErrors();
            silenced_ = true;
        }
        if (request.Bell) {
            if (!bell_) {
                bell_.emplace();
            }
            bell_->Ring();
        }
        if (request.Tone) {
            PlayOnDefaultDevice(ToneSamples(request.Tone->FrequencyHz, request.Tone->DurationMs),
                                kToneSampleRateHz, stop);
        }
    }

private:
    bool silenced_ = false;
    std::optional<DesktopBell> bell_;
};

}  // namespace

DesktopSounds::DesktopSounds() : worker_(std::make_unique<DesktopSoundOutput>()) {}

void DesktopSounds::Bell() { worker_.Request({.Bell = true, .Tone = std::nullopt}); }

// The device is opened afresh for each tone rather than held between tones: a held device would
// keep other programs off a card without mixing for the whole countdown, and would go stale when
// the sound server restarts or the default output changes (a headset plugged in).
void DesktopSounds::Tone(int frequencyHz, int durationMs) {
    worker_.Request({.Tone = ToneRequest{frequencyHz, durationMs}});
}

}  // namespace hobwatch
