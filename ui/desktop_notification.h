#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace hobwatch {

// Notifications through the desktop's notification service (org.freedesktop.Notifications on
// the session bus), under the program's name and icon. Nothing here waits for the bus: calls go
// out asynchronously, and without a bus or a service nothing happens at all.
class DesktopNotification final : public QObject {
public:
    // `bus` gives the connection to post on; it is asked once, at the first Show.
    explicit DesktopNotification(
        std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);
    // Withdraws what is shown.
    ~DesktopNotification() override;

    // Shows `summary` and `body` as an urgent notification that stays until withdrawn.
    void Show(const QString& summary, const QString& body);
    // Withdraws every notification shown so far, also one the service has not yet answered.
    void Withdraw();

private:
    QDBusConnection& Bus();
    void Close(uint id);

    std::function<QDBusConnection()> connectBus_;
    std::optional<QDBusConnection> bus_;
    std::vector<uint> shown_;  // the service's ids of what is shown
    int posted_ = 0;           // Show calls so far
    int withdrawnUpTo_ = 0;    // the Show calls up to this one are withdrawn
};

}  // namespace hobwatch
