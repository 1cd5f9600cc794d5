#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A small xdg-desktop-portal that offers only GlobalShortcuts, for the tests.

It logs every call to the file named by the first argument ("CreateSession", "BindShortcuts ID
TRIGGER", "Close SESSION") and presses a bound shortcut when a test calls
org.vessantry.TestPortal.Press(ID) on /org/freedesktop/portal/desktop. A second argument makes it
refuse as real portals can: "bind-response=N" answers BindShortcuts with Response N (1: the user
cancelled the dialog, 2: other), "session-error" fails the CreateSession call itself.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

BUS_NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
IFACE = "org.freedesktop.portal.GlobalShortcuts"

INTROSPECTION = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get">
      <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/>
    </method>
    <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.portal.GlobalShortcuts">
    <method name="CreateSession">
      <arg name="options" type="a{sv}" direction="in"/><arg name="handle" type="o" direction="out"/>
    </method>
    <method name="BindShortcuts">
      <arg name="session_handle" type="o" direction="in"/>
      <arg name="shortcuts" type="a(sa{sv})" direction="in"/>
      <arg name="parent_window" type="s" direction="in"/>
      <arg name="options" type="a{sv}" direction="in"/>
      <arg name="request_handle" type="o" direction="out"/>
    </method>
    <method name="ListShortcuts">
      <arg name="session_handle" type="o" direction="in"/>
      <arg name="options" type="a{sv}" direction="in"/>
      <arg name="request_handle" type="o" direction="out"/>
    </method>
    <signal name="Activated">
      <arg name="session_handle" type="o"/><arg name="shortcut_id" type="s"/>
      <arg name="timestamp" type="t"/><arg name="options" type="a{sv}"/>
    </signal>
    <signal name="Deactivated">
      <arg name="session_handle" type="o"/><arg name="shortcut_id" type="s"/>
      <arg name="timestamp" type="t"/><arg name="options" type="a{sv}"/>
    </signal>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="org.vessantry.TestPortal">
    <method name="Press"><arg name="shortcut_id" type="s" direction="in"/></method>
  </interface>
</node>
"""


def sender_part(sender):
    return sender[1:].replace(".", "_")


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, bus, path, portal):
        super().__init__(bus, path)
        self.path = path
        self.portal = portal

    @dbus.service.method("org.freedesktop.portal.Session")
    def Close(self):
        self.portal.log("Close " + self.path)
        self.portal.sessions.pop(self.path, None)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus, log_path, mode):
        super().__init__(bus, PATH)
        self.mode = mode
        self.bus = bus
        self.log_path = log_path
        self.sessions = {}  # session path -> bound shortcut ids
        self.counter = 0

    def log(self, line):
        with open(self.log_path, "a") as f:
            f.write(line + "\n")

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(1)

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"version": dbus.UInt32(1)}

    def _token(self, options, key):
        self.counter += 1
        return str(options.get(key, "t%d" % self.counter))

    def _respond(self, sender, options, results, response=0):
        path = "%s/request/%s/%s" % (PATH, sender_part(sender), self._token(options, "handle_token"))
        request = Request(self.bus, path)
        # The caller subscribes to Response once it has the handle: answer after this call returns.
        GLib.timeout_add(50, lambda: (request.Response(dbus.UInt32(response), results), False)[1])
        return dbus.ObjectPath(path)

    @dbus.service.method(IFACE, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        if self.mode == "session-error":
            self.log("CreateSession refused")
            raise dbus.exceptions.DBusException("no sessions here",
                                                name="org.freedesktop.portal.Error.Failed")
        session = "%s/session/%s/%s" % (PATH, sender_part(sender),
                                        self._token(options, "session_handle_token"))
        Session(self.bus, session, self)
        self.sessions[session] = []
        self.log("CreateSession")
        return self._respond(sender, options, {"session_handle": dbus.String(session)})

    @dbus.service.method(IFACE, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
        bound = []
        for ident, props in shortcuts:
            trigger = str(props.get("preferred_trigger", ""))
            self.log("BindShortcuts %s %s" % (ident, trigger))
            self.sessions.setdefault(str(session), []).append(str(ident))
            bound.append(dbus.Struct((ident, {
                "description": props.get("description", ""),
                "trigger_description": dbus.String(trigger)}), signature="sa{sv}"))
        if self.mode.startswith("bind-response="):
            return self._respond(sender, options, {}, int(self.mode.split("=")[1]))
        return self._respond(sender, options,
                             {"shortcuts": dbus.Array(bound, signature="(sa{sv})")})

    @dbus.service.method(IFACE, in_signature="oa{sv}", out_signature="o", sender_keyword="sender")
    def ListShortcuts(self, session, options, sender=None):
        return self._respond(sender, options, {"shortcuts": dbus.Array([], signature="(sa{sv})")})

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Activated(self, session, ident, timestamp, options):
        pass

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Deactivated(self, session, ident, timestamp, options):
        pass

    @dbus.service.method("org.vessantry.TestPortal", in_signature="s")
    def Press(self, ident):
        for session, ids in list(self.sessions.items()):
            if ident in ids:
                self.log("Press " + ident)
                self.Activated(dbus.ObjectPath(session), ident, dbus.UInt64(0), {})
                self.Deactivated(dbus.ObjectPath(session), ident, dbus.UInt64(0), {})


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(BUS_NAME, bus, do_not_queue=True)
    portal = Portal(bus, sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "")
    GLib.MainLoop().run()
    del name, portal


if __name__ == "__main__":
    main()
