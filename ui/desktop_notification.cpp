#include "ui/desktop_notification.h"

#include <algorithm>
#include <optional>
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

// Button keys; "default" is a click on the notification itself.
const QString kClickKey = u"default"_s;
const QString kCancelKey = u"cancel"_s;

constexpr uchar kCriticalUrgency = 2;
constexpr int kNeverExpires = 0;

}  // namespace

DesktopNotification::DesktopNotification(std::function<QDBusConnection()> bus)
    : bus_(std::move(bus)) {}

DesktopNotification::~DesktopNotification() { Withdraw(); }

void DesktopNotification::Show(const QString& summary, const QString& body) {
    QDBusConnection& bus = bus_.Get();
    if (!bus.isConnected()) {
        return;
    }
    const int serial = ++posted_;
    // Buttons only for a service that shows them: others would show their keys as text.
    const QDBusMessage capabilities =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, u"GetCapabilities"_s);
    CallAsync<QStringList>(bus, capabilities, this,
                           [this, summary, body, serial](std::optional<QStringList> listed) {
                               const bool withButtons = listed && listed->contains(u"actions"_s);
                               Notify(summary, body, withButtons, serial);
                           });
}

void DesktopNotification::Notify(const QString& summary, const QString& body, bool withButtons,
                                 int serial) {
    if (serial <= withdrawnUpTo_) {
        return;
    }
    if (withButtons) {
        ListenToButtons();
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kInterface, u"Notify"_s);
    const QStringList buttons =
        withButtons ? QStringList{kClickKey, u"Show Hobwatch"_s, kCancelKey, u"Cancel"_s}
                    : QStringList();
    // Critical and never expiring: servers keep it in view until it is withdrawn.
    const QVariantMap hints{{u"desktop-entry"_s, kApplicationId},
                            {u"urgency"_s, QVariant::fromValue(kCriticalUrgency)}};
    notify << kApplicationName << uint{0} << kApplicationId << summary << body << buttons << hints
           << kNeverExpires;
    auto* call = new QDBusPendingCallWatcher(bus_.Get().asyncCall(notify), this);
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
                    service_ = reply.reply().service();
                    shown_.push_back(reply.value());
                }
            });
}

void DesktopNotification::ListenToButtons() {
    if (listening_) {
        return;
    }
    listening_ = true;
    // QtDBus delivers bus signals to slots named by their signature only. Any sender: the
    // answers are matched to the service that showed the notification by its unique name.
    bus_.Get().connect(QString(), kPath, kInterface, u"ActionInvoked"_s, this,
                       SLOT(OnActionInvoked(uint, QString, QDBusMessage)));
}

void DesktopNotification::OnActionInvoked(uint id, const QString& action,
                                          const QDBusMessage& signal) {
    if (signal.service() != service_ ||
        std::find(shown_.begin(), shown_.end(), id) == shown_.end()) {
        return;
    }
    if (action == kCancelKey) {
        emit CancelChosen();
    } else if (action == kClickKey) {
        emit Clicked();
    }
}

void DesktopNotification::Withdraw() {
    withdrawnUpTo_ = posted_;
    for (const uint id : shown_) {
        Close(id);
    }
    shown_.clear();
}

void DesktopNotification::Close(uint id) {
    QDBusMessage close =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, u"CloseNotification"_s);
    close << id;
    // A service that has gone away has nothing left to close.
    close.setAutoStartService(false);
    bus_.Send(close);
}

}  // namespace hobwatch
