#pragma once

#include <cstdint>

#include <QObject>
#include <QTimer>

#include "runtime/clock.h"
#include "runtime/date_value.h"

namespace hobwatch {

// The moment of the next tick, in milliseconds on the same scale as `nowMs` and `anchorMs`.
// The tick being served is taken to be the whole second nearest to `nowMs` (so a tick that came
// a little early or late counts for its own second), and the next one falls 5 ms after the
// following whole second.
std::int64_t NextTickMilliseconds(std::int64_t nowMs, std::int64_t anchorMs);

// A once-a-second timer kept in step with an anchor moment read from `clock`: it re-aligns after
// every tick, so no second is skipped or served twice, whatever a tick's handler costs.
class TickTimer final : public QObject {
    Q_OBJECT

public:
    explicit TickTimer(const Clock& clock, QObject* parent = nullptr);

    // The first tick comes one second (plus 5 ms) after `anchor`.
    void Start(DateValue anchor);
    void Stop();
    bool IsActive() const { return active_; }

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
    std::int64_t anchorMs_ = 0;
    std::int64_t nextTickMs_ = 0;
    bool active_ = false;
};

}  // namespace hobwatch
