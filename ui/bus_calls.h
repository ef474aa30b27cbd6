#pragma once

#include <functional>
#include <optional>
#include <utility>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>

namespace hobwatch {

// A bus connection made when it is first used: a program that never needs the bus never
// reaches for it. What was sent on it has left when it goes, as the program ends: messages still
// queued then would be lost, such as the release of what a countdown held.
class BusOnDemand {
public:
    explicit BusOnDemand(std::function<QDBusConnection()> connect) : connect_(std::move(connect)) {}
    ~BusOnDemand() {
        if (sent_ && bus_->isConnected()) {
            // The bus answers in order: once it has answered, all sent before is on its way.
            const QDBusMessage ping = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
            bus_->call(ping, QDBus::Block, kFlushTimeoutMs);
        }
    }
    BusOnDemand(const BusOnDemand&) = delete;
    BusOnDemand& operator=(const BusOnDemand&) = delete;

    QDBusConnection& Get() {
        if (!bus_) {
            bus_ = connect_();
        }
        return *bus_;
    }

    // Sends `message` without waiting for an answer.
    void Send(const QDBusMessage& message) { sent_ = Get().send(message) || sent_; }

private:
    static constexpr int kFlushTimeoutMs = 500;

    std::function<QDBusConnection()> connect_;
    std::optional<QDBusConnection> bus_;
    bool sent_ = false;  // something was sent
};

// Sends the method call `message` on `bus` without waiting, and hands its answer to `answered`
// in `context`'s thread: the reply's value, or nothing when the call failed (no service, an
// error, no answer in time). Nothing comes once `context` is gone.
template <typename Reply, typename Answered>
void CallAsync(QDBusConnection& bus, const QDBusMessage& message, QObject* context,
               Answered answered) {
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(message), context);
    QObject::connect(
        call, &QDBusPendingCallWatcher::finished, context,
        [answered = std::move(answered)](QDBusPendingCallWatcher* watcher) {
            watcher->deleteLater();
            const QDBusPendingReply<Reply> reply = *watcher;
            answered(reply.isError() ? std::nullopt : std::optional<Reply>(reply.value()));
        });
}

}  // namespace hobwatch
