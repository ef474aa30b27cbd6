#pragma once

#include "core/sounds.h"
#include "ui/sound/sound_worker.h"

namespace hobwatch {

// The real sounds: the desktop's bell and a tone through ALSA's "default" device, made by a
// sound worker so that both calls return at once. Without a sound device both stay silent.
// Nothing is loaded or started before the first sound.
class DesktopSounds final : public Sounds {
public:
    DesktopSounds();

    void Bell() override;
    void Tone(int frequencyHz, int durationMs) override;

private:
    SoundWorker worker_;
};

}  // namespace hobwatch
