#include "ui/desktop_notification.h"

#include <utility>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace hobwatch {
namespace {

using namespace Qt::StringLiterals;

const QString kService = u"org.freedesktop.Notifications"_s;
const QString kPath = u"/org/freedesktop/Notifications"_s;
const QString kInterface = u"org.freedesktop.Notifications"_s;
const QString kApplicationName = u"Hobwatch"_s;
// The icon's name and the desktop entry's name without ".desktop".
const QString kApplicationId = u"org.hobwatch.Hobwatch"_s;

constexpr uchar kCriticalUrgency = 2;
constexpr int kNeverExpires = 0;

}  // namespace

DesktopNotification::DesktopNotification(std::function<QDBusConnection()> bus)
    : connectBus_(std::move(bus)) {}

DesktopNotification::~DesktopNotification() { Withdraw(); }

void DesktopNotification::Show(const QString& summary, const QString& body) {
    QDBusConnection& bus = Bus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kInterface, u"Notify"_s);
    // Critical and never expiring: servers keep it in view until it is withdrawn.
    const QVariantMap hints{{u"desktop-entry"_s, kApplicationId},
                            {u"urgency"_s, QVariant::fromValue(kCriticalUrgency)}};
    notify << kApplicationName << uint{0} << kApplicationId << summary << body << QStringList()
           << hints << kNeverExpires;
    const int serial = ++posted_;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, serial](QDBusPendingCallWatcher* answered) {
                answered->deleteLater();
                const QDBusPendingReply<uint> reply = *answered;
                if (reply.isError()) {
                    return;
                }
                if (serial <= withdrawnUpTo_) {
                    Close(reply.value());
                } else {
                    shown_.push_back(reply.value());
                }
            });
}

void DesktopNotification::Withdraw() {
    withdrawnUpTo_ = posted_;
    for (const uint id : shown_) {
        Close(id);
    }
    shown_.clear();
}

QDBusConnection& DesktopNotification::Bus() {
    if (!bus_) {
        bus_ = connectBus_();
    }
    return *bus_;
}

void DesktopNotification::Close(uint id) {
    QDBusMessage close =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, u"CloseNotification"_s);
    close << id;
    // A service that has gone away has nothing left to close.
    close.setAutoStartService(false);
    Bus().send(close);
}

}  // namespace hobwatch
