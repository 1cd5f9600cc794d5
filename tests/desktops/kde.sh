# SPDX-License-Identifier: GPL-3.0-or-later
# KDE Plasma helpers on top of the recipes' kde-start.sh and kde-env.sh: the session started
# with its screen locker off (a locked screen takes every key the test presses), the clock's item
# as Plasma's watcher lists it, and real input through KWin's fake-input protocol.

# kde_start: KWin, kded5 and plasmashell up, the panel's tray host registered.
kde_start() {
    mkdir -p "$DESK/bin" "$DESK/xdg"
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix # XWayland's socket goes there
    cp /usr/bin/kwin_wayland "$DESK/bin/" # without the file capability that setpriv cannot exec
    printf '[Daemon]\nAutolock=false\nLockOnResume=false\n' >"$DESK/xdg/kscreenlockerrc"
    gcc -O1 -o "$DESK/kfake/kfake" "$DESK/kfake/kfake.c" "$DESK/kfake/fake-input-protocol.c" \
        -lwayland-client || return 1
    chmod -R a+rX "$DESK"
    XDG_CONFIG_DIRS=$DESK/xdg:/etc/xdg bash "$DESK/kde-start.sh" >"$DESK/start.log" 2>&1 || return 1
    source "$DESK/kde-env.sh"
    # plasmashell takes its time on a loaded machine: its tray is what the clock must find.
    wait_for 120 kde_host_registered
}

kde_watcher() {
    as_user gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"
}
kde_host_registered() { kde_watcher IsStatusNotifierHostRegistered | grep -q true; }

# kde_item: the bus name of the clock's item among those the watcher lists.
kde_item() {
    local name pid
    for name in $(kde_watcher RegisteredStatusNotifierItems | grep -o ':[0-9.]*'); do
        pid=$(as_user gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
            -m org.freedesktop.DBus.GetConnectionUnixProcessID "$name" | grep -o '[0-9]*,' | tr -d ,)
        [[ $pid == "$(desk_clock_pid)" ]] && echo "$name" && return 0
    done
    return 1
}

# kde_menu [LABEL]: the labels of the item's menu, or a click on LABEL, as the panel does it.
kde_menu() { as_user /usr/bin/python3 "$DESK/dbusmenu.py" "$(kde_item)" "$@"; }

# kde_icon_at: "X Y", the middle of the clock's icon in the panel: the only saturated blue (its
# dial's marks) in the panel's strip at the bottom of the screen.
kde_icon_at() {
    as_user /usr/bin/python3 "$DESK/kshot.py" "$S/out/panel.ppm" >/dev/null || return 1
    /usr/bin/python3 - "$S/out/panel.ppm" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
header, pixels = data.split(b'\n', 1)  # "P6 W H 255" on one line, as kshot.py writes it
w, h = (int(v) for v in header.split()[1:3])
xs, ys = [], []
for y in range(h - 48, h):
    row = pixels[y * w * 3:(y + 1) * w * 3]
    for x in range(w):
        r, g, b = row[3 * x:3 * x + 3]
        if b > 180 and r < 100 and g < 100:
            xs.append(x)
            ys.append(y)
if not xs:
    sys.exit(1)
print((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)
PY
}

# kfake STEPS...: real pointer and key events through KWin (see recipes/kfake/kfake.c).
kfake() { as_user "$DESK/kfake/kfake" "$@"; }

# kde_shortcut_active: KDE's key service holds the clock's Ctrl+Alt+S as live.
kde_shortcut_active() {
    as_user gdbus call --session -d org.kde.kglobalaccel -o /component/quorlanlite \
        -m org.kde.kglobalaccel.Component.isActive 2>/dev/null | grep -q true
}
