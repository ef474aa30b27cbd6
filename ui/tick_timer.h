#pragma once

#include <cstdint>

#include <QObject>
#include <QTimer>

#include "runtime/clock.h"
#include "runtime/date_value.h"

namespace hobwatch {

// How long after each whole interval counted from the anchor a tick falls, in milliseconds:
// late enough that the clock has passed the whole second, early enough to look instantaneous.
inline constexpr std::int32_t kTickOffsetMs = 5;

// The moment of the next tick, in milliseconds on the same scale as `nowMs` and `anchorMs`.
// The tick being served is taken to be the whole interval nearest to `nowMs` (so a tick that
// came a little early or late counts for its own second), and the next one falls kTickOffsetMs
// after the following whole interval. `intervalMs` must be positive.
std::int64_t NextTickMilliseconds(std::int64_t nowMs, std::int64_t anchorMs,
                                  std::int32_t intervalMs);

// A repeating timer kept in step with an anchor moment read from `clock`: it re-aligns after
// every tick, so no whole interval is skipped or served twice, whatever a tick's handler costs.
class TickTimer final : public QObject {
    Q_OBJECT

public:
    TickTimer(const Clock& clock, std::int32_t intervalMs, QObject* parent = nullptr);

    // The first tick comes one interval (plus kTickOffsetMs) after `anchor`.
    void Start(DateValue anchor);
    void Stop();
    bool IsActive() const { return active_; }

    std::int32_t Interval() const { return intervalMs_; }
    void SetInterval(std::int32_t intervalMs);  // milliseconds, positive

    // When the next tick is due; meaningful only while active.
    DateValue NextTickAt() const;

    // One tick now, then the next one is scheduled from the clock. Does nothing while stopped.
    void Fire();

signals:
    void Ticked();

private:
    void ScheduleNext();

    const Clock& clock_;
    QTimer timer_;
    std::int32_t intervalMs_;
    std::int64_t anchorMs_ = 0;
    std::int64_t nextTickMs_ = 0;
    bool active_ = false;
};

}  // namespace hobwatch
