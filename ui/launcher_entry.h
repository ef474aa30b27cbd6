#pragma once

#include <functional>

#include <QDBusConnection>
#include <QVariantMap>

#include "ui/bus_calls.h"

namespace hobwatch {

// The program's icon in docks and task managers that follow the launcher-entry signals
// (com.canonical.Unity.LauncherEntry on the session bus): a progress bar and an urgent mark.
// Signals only: without a bus or a dock nothing happens.
class LauncherEntry {
public:
    // `bus` gives the connection to signal on; it is asked once, at the first change.
    explicit LauncherEntry(std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);

    // A bar filled to `passed`, from 0 to 1; no urgent mark.
    void ShowProgress(double passed);
    // The urgent mark, without a bar.
    void MarkUrgent();
    // Neither bar nor mark.
    void Clear();

private:
    void Update(const QVariantMap& properties);

    BusOnDemand bus_;
};

}  // namespace hobwatch
