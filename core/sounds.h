#pragma once

namespace hobwatch {

class Sounds {
public:
    virtual ~Sounds() = default;
    // The desktop's default alert sound.
    virtual void Bell() = 0;
    // A tone of `frequencyHz` for `durationMs` milliseconds.
    virtual void Tone(int frequencyHz, int durationMs) = 0;
};

}  // namespace hobwatch
