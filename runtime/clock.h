#pragma once

#include <cstdint>

#include "date_value.h"

namespace hobwatch {

// The present moment. Replaced by a fake in tests.
class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock time, to the millisecond.
    virtual DateValue Now() const = 0;
};

// Local wall-clock time read once at construction, then advanced by a clock that keeps counting
// through suspend and ignores changes to the system time. A countdown is thus neither moved by a
// daylight-saving change nor by the clock being set, and is still right after a suspend.
class SystemClock final : public Clock {
public:
    SystemClock();
    DateValue Now() const override;

private:
    std::int64_t wallAtStartMilliseconds_;
    std::int64_t steadyAtStartMilliseconds_;
};

}  // namespace hobwatch
