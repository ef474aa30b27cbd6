#pragma once

#include <functional>
#include <vector>

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "ui/bus_calls.h"

class QDBusMessage;

namespace hobwatch {

// Notifications through the desktop's notification service (org.freedesktop.Notifications on
// the session bus), under the program's name and icon. Nothing here waits for the bus: calls go
// out asynchronously, and without a bus or a service nothing happens at all.
class DesktopNotification final : public QObject {
    Q_OBJECT

public:
    // `bus` gives the connection to post on; it is asked once, at the first Show.
    explicit DesktopNotification(
        std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);
    // Withdraws what is shown.
    ~DesktopNotification() override;

    // Shows `summary` and `body` as an urgent notification that stays until withdrawn. Where the
    // service shows buttons, it has a "Cancel" button, and a click on it counts too.
    void Show(const QString& summary, const QString& body);
    // Withdraws every notification shown so far, also one the service has not yet answered.
    void Withdraw();

signals:
    // The user pressed "Cancel" on a notification that is shown.
    void CancelChosen();
    // The user clicked a notification that is shown.
    void Clicked();

private slots:
    void OnActionInvoked(uint id, const QString& action, const QDBusMessage& signal);

private:
    void Notify(const QString& summary, const QString& body, bool withButtons, int serial);
    void ListenToButtons();
    void Close(uint id);

    BusOnDemand bus_;
    QString service_;          // the unique bus name of the service that showed them
    std::vector<uint> shown_;  // the service's ids of what is shown
    int posted_ = 0;           // Show calls so far
    int withdrawnUpTo_ = 0;    // the Show calls up to this one are withdrawn
    bool listening_ = false;   // to the service's answers to buttons
};

}  // namespace hobwatch
