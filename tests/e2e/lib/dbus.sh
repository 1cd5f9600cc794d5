# SPDX-License-Identifier: GPL-3.0-or-later
# A private session bus and the D-Bus desktop peers written for the tests: a panel's
# StatusNotifierWatcher and a GlobalShortcuts portal. Sourced by env.sh.

QL_PEERS=$QL_E2E_DIR/peers

# Replaces env.sh's "no bus" address with a real private bus, stopped by its PID. It starts no
# service on demand: a portal or panel installed on this machine must not answer in a test.
ql_start_session_bus() {
    local addr=$QL_TMP/dbus.address conf=$QL_TMP/dbus-session.conf
    cat >"$conf" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    dbus-daemon --config-file="$conf" --nofork --nopidfile --print-address=3 \
        --address="unix:path=$XDG_RUNTIME_DIR/bus" 3>"$addr" >"$QL_TMP/dbus.log" 2>&1 &
    ql_track dbus-daemon $!
    ql_wait_until 10 test -s "$addr" || ql_fail "the session bus did not start within 10 s"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$addr")
    export DBUS_SESSION_BUS_ADDRESS
}

ql_bus_has() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}

# A D-Bus panel's tray; registered items are listed in $QL_TMP/sni-items.
ql_start_sni_watcher() {
    : >"$QL_TMP/sni-items"
    /usr/bin/python3 "$QL_PEERS/sni_watcher.py" "$QL_TMP/sni-items" >"$QL_TMP/sni-watcher.log" 2>&1 &
    ql_track sni-watcher $!
    ql_wait_until 10 ql_bus_has org.kde.StatusNotifierWatcher ||
        ql_fail "the StatusNotifierWatcher did not appear within 10 s"
}

# The service name of the program's tray item once it has registered.
ql_sni_item() { [[ -s $QL_TMP/sni-items ]] && tail -n 1 "$QL_TMP/sni-items"; }

# ql_sni ACTION [ARG]: acts on the program's item as the panel does (see peers/sni_item.py).
ql_sni() { /usr/bin/python3 "$QL_PEERS/sni_item.py" "$(ql_sni_item)" "$@"; }

# ql_start_shortcuts_portal [MODE]: a GlobalShortcuts portal; its calls are logged in
# $QL_TMP/portal-calls. MODE makes it refuse (see peers/shortcuts_portal.py).
ql_start_shortcuts_portal() {
    : >"$QL_TMP/portal-calls"
    /usr/bin/python3 "$QL_PEERS/shortcuts_portal.py" "$QL_TMP/portal-calls" ${1:+"$1"} >"$QL_TMP/portal.log" 2>&1 &
    ql_track portal $!
    ql_wait_until 10 ql_bus_has org.freedesktop.portal.Desktop ||
        ql_fail "the test portal did not appear within 10 s"
}

# ql_portal_press ID: the user presses the shortcut the program bound as ID.
ql_portal_press() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
        org.vessantry.TestPortal.Press "string:$1"
}
