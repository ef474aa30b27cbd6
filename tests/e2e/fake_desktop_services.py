"""Stand-ins for the desktop's services on a private session bus, each taken only when asked for.

--notifications  a notification server with buttons (the "actions" capability)
--portal         the desktop portal's Inhibit, handing out requests that can be closed
--screensaver    the session's screen saver with its Inhibit and UnInhibit

Each call is printed on standard output as one line. A test presses a button on the last
notification with the method org.hobwatch.FakeDesktop.Invoke(key) on the notifications object.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NOTIFICATIONS = "org.freedesktop.Notifications"
PORTAL = "org.freedesktop.portal.Desktop"
SCREENSAVER = "org.freedesktop.ScreenSaver"


def log(*words):
    print(*words, flush=True)


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.last_id = 0

    @dbus.service.method(NOTIFICATIONS, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, application, replaces, icon, summary, body, actions, hints, timeout):
        self.last_id += 1
        log("Notify", self.last_id, repr(str(summary)), repr(str(body)), "actions",
            ",".join(str(action) for action in actions))
        return self.last_id

    @dbus.service.method(NOTIFICATIONS, in_signature="u")
    def CloseNotification(self, notification):
        log("CloseNotification", int(notification))

    @dbus.service.signal(NOTIFICATIONS, signature="us")
    def ActionInvoked(self, notification, key):
        pass

    @dbus.service.method("org.hobwatch.FakeDesktop", in_signature="s")
    def Invoke(self, key):
        self.ActionInvoked(self.last_id, key)


class PortalRequest(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.path = path

    @dbus.service.method("org.freedesktop.portal.Request")
    def Close(self):
        log("Close", self.path)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.bus = bus
        self.requests = 0

    @dbus.service.method("org.freedesktop.portal.Inhibit", in_signature="sua{sv}",
                         out_signature="o", sender_keyword="sender")
    def Inhibit(self, window, flags, options, sender):
        self.requests += 1
        path = (f"/org/freedesktop/portal/desktop/request/"
                f"{sender[1:].replace('.', '_')}/t{self.requests}")
        PortalRequest(self.bus, path)
        log("Inhibit", repr(str(window)), int(flags), repr(str(options.get("reason", ""))), path)
        return path


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/ScreenSaver")
        self.cookies = 0

    @dbus.service.method(SCREENSAVER, in_signature="ss", out_signature="u")
    def Inhibit(self, application, reason):
        self.cookies += 1
        log("ScreenSaver.Inhibit", repr(str(application)), repr(str(reason)), self.cookies)
        return self.cookies

    @dbus.service.method(SCREENSAVER, in_signature="u")
    def UnInhibit(self, cookie):
        log("ScreenSaver.UnInhibit", int(cookie))


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    services = []
    if "--notifications" in sys.argv:
        services.append(Notifications(bus))
        services.append(dbus.service.BusName(NOTIFICATIONS, bus))
    if "--portal" in sys.argv:
        services.append(Portal(bus))
        services.append(dbus.service.BusName(PORTAL, bus))
    if "--screensaver" in sys.argv:
        services.append(ScreenSaver(bus))
        services.append(dbus.service.BusName(SCREENSAVER, bus))
    log("ready")
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
