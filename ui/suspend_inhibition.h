#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "ui/bus_calls.h"

namespace hobwatch {

// Asks the desktop not to suspend the computer on idle: through the desktop portal
// (org.freedesktop.portal.Inhibit), or where there is none through the session's screen saver
// (org.freedesktop.ScreenSaver). Nothing here waits for the bus; without a bus or either
// service nothing happens. A suspend the user asks for is not held off.
class SuspendInhibition final : public QObject {
public:
    // `bus` gives the connection to use; it is asked once, at the first Hold.
    explicit SuspendInhibition(std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);
    // Releases what is held.
    ~SuspendInhibition() override;

    // Asks for the inhibition, naming `reason`; asking again while it is held changes nothing.
    void Hold(const QString& reason);
    // Releases it, also when a service answers the Hold only later.
    void Release();

private:
    void AskScreenSaver(const QString& reason, int serial);
    // Whether the answer to Hold call `serial` is still wanted.
    bool Wanted(int serial) const { return held_ && serial == holds_; }
    void ClosePortalRequest(const QString& handle);
    void UninhibitScreenSaver(uint cookie);

    BusOnDemand bus_;
    bool held_ = false;
    int holds_ = 0;                    // Hold calls so far
    QString portalRequest_;            // the portal's handle of the inhibition, when it gave one
    std::optional<uint> screenSaver_;  // the screen saver's cookie, when it gave one
};

}  // namespace hobwatch
