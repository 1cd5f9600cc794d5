#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Acts on a registered StatusNotifierItem as a D-Bus panel does.

  sni_item.py SERVICE activate         the panel's primary action (a left click)
  sni_item.py SERVICE click "LABEL"    clicks the menu item with that label (dbusmenu)
  sni_item.py SERVICE labels           prints the menu's labels, one a line
  sni_item.py SERVICE sizes            prints the icon's picture sizes (WxH), one a line
"""
import sys

import dbus

ITEM_PATH = "/StatusNotifierItem"


def menu(bus, service):
    item = bus.get_object(service, ITEM_PATH)
    path = item.Get("org.kde.StatusNotifierItem", "Menu",
                    dbus_interface="org.freedesktop.DBus.Properties")
    return dbus.Interface(bus.get_object(service, path), "com.canonical.dbusmenu")


def entries(layout):
    ident, props, children = layout
    # dbusmenu marks the mnemonic with "_" and writes a real underscore as "__".
    label = str(props.get("label", "")).replace("__", "\0").replace("_", "").replace("\0", "_")
    yield int(ident), label
    for child in children:
        yield from entries(child)


def main():
    service, action = sys.argv[1], sys.argv[2]
    bus = dbus.SessionBus()
    if action == "activate":
        item = bus.get_object(service, ITEM_PATH)
        item.Activate(0, 0, dbus_interface="org.kde.StatusNotifierItem")
        return 0
    if action == "sizes":
        item = bus.get_object(service, ITEM_PATH)
        pixmaps = item.Get("org.kde.StatusNotifierItem", "IconPixmap",
                           dbus_interface="org.freedesktop.DBus.Properties")
        print("\n".join("%dx%d" % (w, h) for w, h, _ in pixmaps))
        return 0
    m = menu(bus, service)
    _, layout = m.GetLayout(0, -1, dbus.Array([], signature="s"))
    found = list(entries(layout))
    if action == "labels":
        print("\n".join(label for _, label in found if label))
        return 0
    for ident, label in found:
        if label == sys.argv[3]:
            m.AboutToShow(0)
            m.Event(ident, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))
            return 0
    print("no menu item labelled %r" % sys.argv[3], file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
