#include "ui/suspend_inhibition.h"

#include <utility>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "ui/bus_calls.h"

namespace hobwatch {
namespace {

using namespace Qt::StringLiterals;

const QString kPortalService = u"org.freedesktop.portal.Desktop"_s;
const QString kPortalPath = u"/org/freedesktop/portal/desktop"_s;
const QString kPortalInterface = u"org.freedesktop.portal.Inhibit"_s;
const QString kPortalRequestInterface = u"org.freedesktop.portal.Request"_s;
constexpr uint kInhibitSuspend = 4;

const QString kScreenSaverService = u"org.freedesktop.ScreenSaver"_s;
const QString kScreenSaverPath = u"/org/freedesktop/ScreenSaver"_s;
const QString kApplicationName = u"Hobwatch"_s;

}  // namespace

SuspendInhibition::SuspendInhibition(std::function<QDBusConnection()> bus) : bus_(std::move(bus)) {}

SuspendInhibition::~SuspendInhibition() { Release(); }

void SuspendInhibition::Hold(const QString& reason) {
    if (held_) {
        return;
    }
    held_ = true;
    const int serial = ++holds_;
    QDBusConnection& bus = bus_.Get();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalInterface, u"Inhibit"_s);
    inhibit << QString() << kInhibitSuspend << QVariantMap{{u"reason"_s, reason}};
    CallAsync<QDBusObjectPath>(bus, inhibit, this,
                               [this, reason, serial](std::optional<QDBusObjectPath> handle) {
                                   if (!handle) {
                                       AskScreenSaver(reason, serial);
                                   } else if (Wanted(serial)) {
                                       portalRequest_ = handle->path();
                                   } else {
                                       ClosePortalRequest(handle->path());
                                   }
                               });
}

void SuspendInhibition::AskScreenSaver(const QString& reason, int serial) {
    if (!Wanted(serial)) {
        return;
    }
    QDBusMessage inhibit = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath,
                                                          kScreenSaverService, u"Inhibit"_s);
    inhibit << kApplicationName << reason;
    CallAsync<uint>(bus_.Get(), inhibit, this, [this, serial](std::optional<uint> cookie) {
        if (!cookie) {
            return;
        }
        if (Wanted(serial)) {
            screenSaver_ = cookie;
        } else {
            UninhibitScreenSaver(*cookie);
        }
    });
}

void SuspendInhibition::Release() {
    held_ = false;
    if (!portalRequest_.isEmpty()) {
        ClosePortalRequest(std::exchange(portalRequest_, QString()));
    }
    if (screenSaver_) {
        UninhibitScreenSaver(*std::exchange(screenSaver_, std::nullopt));
    }
}

void SuspendInhibition::ClosePortalRequest(const QString& handle) {
    QDBusMessage close =
        QDBusMessage::createMethodCall(kPortalService, handle, kPortalRequestInterface, u"Close"_s);
    // A service that has gone away holds nothing any more.
    close.setAutoStartService(false);
    bus_.Send(close);
}

void SuspendInhibition::UninhibitScreenSaver(uint cookie) {
    QDBusMessage uninhibit = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath,
                                                            kScreenSaverService, u"UnInhibit"_s);
    uninhibit << cookie;
    uninhibit.setAutoStartService(false);
    bus_.Send(uninhibit);
}

}  // namespace hobwatch
