#!/usr/bin/python3
"""A stand-in for the desktop's notification service on a private session bus: each Notify call is appended to the
file named on the command line as a JSON line (app, icon, summary, body, hints). Prints "ready" once it owns the
name."""
import json
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = "org.freedesktop.Notifications"


class Service(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log, self.last = log, 0

    @dbus.service.method(INTERFACE, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.last += 1
        with open(self.log, "a", encoding="utf-8") as f:
            f.write(json.dumps({"app": app, "icon": icon, "summary": summary, "body": body,
                                "hints": {str(k): str(v) for k, v in hints.items()}}) + "\n")
        return self.last

    @dbus.service.method(INTERFACE, out_signature="as")
    def GetCapabilities(self):
        return ["body"]


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName(INTERFACE, bus)
service = Service(bus, sys.argv[1])
print("ready", flush=True)
GLib.MainLoop().run()
