#pragma once

namespace hobwatch {

class Sounds {
public:
    virtual ~Sounds() = default;
    // The desktop's default alert sound.
    virtual void SystemBeep() = 0;
    // A tone; returns when it has been played (or at once when there is no sound device).
    virtual void Tone(int frequencyHz, int durationMs) = 0;
};

}  // namespace hobwatch
