#!/usr/bin/python3
"""A stand-in for the desktop's Settings portal: answers org.freedesktop.appearance color-scheme with the number given
on the command line (1 dark, 2 light), prints "ready" once it owns its name, and for each number then read from its
standard input takes it as the new scheme and signals SettingChanged."""
import sys

import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = "org.freedesktop.portal.Settings"


class Portal(dbus.service.Object):
    scheme = int(sys.argv[1])

    @dbus.service.method(INTERFACE, in_signature="ss", out_signature="v")
    def Read(self, group, key):
        if (group, key) != ("org.freedesktop.appearance", "color-scheme"):
            raise dbus.exceptions.DBusException("no such setting", name="org.freedesktop.portal.Error.NotFound")
        return dbus.UInt32(self.scheme, variant_level=1)

    @dbus.service.signal(INTERFACE, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass


def command(source, _condition):
    line = source.readline()
    if not line:
        loop.quit()
        return False
    portal.scheme = int(line)
    portal.SettingChanged("org.freedesktop.appearance", "color-scheme", dbus.UInt32(portal.scheme))
    return True


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
name = dbus.service.BusName("org.freedesktop.portal.Desktop", dbus.SessionBus())
portal = Portal(name, "/org/freedesktop/portal/desktop")
loop = GLib.MainLoop()
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
print("ready", flush=True)
loop.run()
