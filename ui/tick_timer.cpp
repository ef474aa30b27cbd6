#include "ui/tick_timer.h"

#include <algorithm>

namespace hobwatch {
namespace {

constexpr std::int64_t kTickIntervalMs = 1000;
// How long after each whole second counted from the anchor a tick falls: late enough that the
// clock has passed the whole second, early enough to look instantaneous.
constexpr std::int64_t kTickOffsetMs = 5;

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

std::int64_t NextTickMilliseconds(std::int64_t nowMs, std::int64_t anchorMs) {
    const std::int64_t served =
        FloorDivide(nowMs - anchorMs + kTickIntervalMs / 2, kTickIntervalMs);
    return anchorMs + (served + 1) * kTickIntervalMs + kTickOffsetMs;
}

TickTimer::TickTimer(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickTimer::Fire);
}

void TickTimer::Start(DateValue anchor) {
    anchorMs_ = MillisecondsFromDateValue(anchor);
    active_ = true;
    ScheduleNext();
}

void TickTimer::Stop() {
    active_ = false;
    timer_.stop();
}

DateValue TickTimer::NextTickAt() const { return DateValueFromMilliseconds(nextTickMs_); }

void TickTimer::Fire() {
    if (!active_) {
        return;
    }
    emit Ticked();
    if (active_) {
        ScheduleNext();
    }
}

void TickTimer::ScheduleNext() {
    const std::int64_t nowMs = MillisecondsFromDateValue(clock_.Now());
    nextTickMs_ = NextTickMilliseconds(nowMs, anchorMs_);
    const std::int64_t delayMs =
        std::clamp<std::int64_t>(nextTickMs_ - nowMs, 0, 2 * kTickIntervalMs);
    timer_.start(static_cast<int>(delayMs));
}

}  // namespace hobwatch
