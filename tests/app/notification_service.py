#!/usr/bin/python3
"""A stand-in for the desktop's notification service: appends each Notify call to the file named on the command line
as a JSON line, and prints "ready" once it owns the name on the session bus."""
import json
import sys

import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = "org.freedesktop.Notifications"


class Service(dbus.service.Object):
    @dbus.service.method(INTERFACE, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        with open(sys.argv[1], "a", encoding="utf-8") as f:
            f.write(json.dumps({"app": app, "icon": icon, "summary": summary, "body": body,
                                "hints": {str(k): str(v) for k, v in hints.items()}}) + "\n")
        return 1

    @dbus.service.method(INTERFACE, out_signature="as")
    def GetCapabilities(self):
        return ["body"]


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
name = dbus.service.BusName(INTERFACE, dbus.SessionBus())
service = Service(name, "/org/freedesktop/Notifications")
print("ready", flush=True)
GLib.MainLoop().run()
