#pragma once

namespace hobwatch {

class Sounds {
public:
    virtual ~Sounds() = default;
    // Each call starts its sound and returns at once; a bell asked for before a tone is heard
    // before it.

    // The desktop's default alert sound.
    virtual void Bell() = 0;
    // A tone of `frequencyHz` for `durationMs` milliseconds.
    virtual void Tone(int frequencyHz, int durationMs) = 0;
};

}  // namespace hobwatch
