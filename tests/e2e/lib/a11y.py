#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds of a running program over AT-SPI.

a11y.py PID tree TITLE         the window's objects that are showing, one a line, indented by depth:
                               role 'name' [description] = value (focusable, focused, checked)
a11y.py PID keys KEY...        presses each key (xdotool) and prints where the focus went, as a
                               screen reader hears of it: role 'name', or "-" when it stayed
a11y.py PID names-changed TITLE ROLE SECONDS
                               how often the name of the window's ROLE object changed meanwhile
a11y.py PID windows            the program's windows: role 'name'
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def app_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit(f"a11y: no accessible application with pid {pid}")


def line(obj):
    text = f"{obj.getRoleName()} '{obj.name}'"
    if obj.description:
        text += f" [{obj.description}]"
    try:
        text += f" = {obj.queryValue().currentValue:g}"
    except NotImplementedError:
        pass
    states = obj.getState()
    marks = [n for n, s in (("focusable", pyatspi.STATE_FOCUSABLE),
                            ("focused", pyatspi.STATE_FOCUSED),
                            ("checked", pyatspi.STATE_CHECKED)) if states.contains(s)]
    return text + (f" ({', '.join(marks)})" if marks else "")


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def window(app, title):
    for w in app:
        if w is not None and w.name == title and showing(w):
            return w
    sys.exit(f"a11y: no showing window '{title}'; there are: {[w.name for w in app if w]}")


def walk(obj, depth, out):
    out.append("  " * depth + line(obj))
    for child in obj:
        if child is not None and showing(child):
            walk(child, depth + 1, out)


def find_role(obj, role):
    if obj.getRoleName() == role:
        return obj
    for child in obj:
        found = find_role(child, role) if child is not None else None
        if found:
            return found
    return None


def keys(keys):
    """Focus events, not focused states: they are what a screen reader follows. After a key, the
    focus has settled when no event came for a while; a key that moves no focus ends in time."""
    seen = []
    results = []
    state = {"key": -1, "pressed": 0.0, "last": 0.0}

    def on_focus(event):
        if event.detail1:
            seen.append(f"{event.source.getRoleName()} '{event.source.name}'")
            state["last"] = time.monotonic()

    def press():
        i = state["key"] + 1
        state["key"] = i
        if i == len(keys):
            pyatspi.Registry.stop()
            return
        seen.clear()
        state["pressed"] = time.monotonic()
        subprocess.run(["xdotool", "key", "--clearmodifiers", keys[i]], check=True)

    def poll():
        now = time.monotonic()
        settled = seen and now - state["last"] > 0.4
        if state["key"] >= 0 and not settled and now - state["pressed"] < 3:
            return True
        if state["key"] >= 0:
            results.append(seen[-1] if seen else "-")
        press()
        return state["key"] < len(keys)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(100, poll)
    pyatspi.Registry.start()
    print("\n".join(results))


def names_changed(app, title, role, seconds):
    target = find_role(window(app, title), role)
    if target is None:
        sys.exit(f"a11y: no {role} in '{title}'")
    changes = []

    def on_change(event):
        if event.source == target:
            changes.append(target.name)

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-name")
    GLib.timeout_add(int(float(seconds) * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    print(len(changes))
    for name in changes:
        print(name)


def main():
    pid, command, args = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    app = app_of(pid)
    if command == "tree":
        out = []
        walk(window(app, args[0]), 0, out)
        print("\n".join(out))
    elif command == "keys":
        keys(args)
    elif command == "names-changed":
        names_changed(app, *args)
    elif command == "windows":
        print("\n".join(f"{w.getRoleName()} '{w.name}'" for w in app if w is not None))
    else:
        sys.exit(f"a11y: unknown command {command}")


if __name__ == "__main__":
    main()
