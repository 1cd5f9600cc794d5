#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland session without XWayland: the clock runs as a native Wayland client. What the
# compositor keeps to itself (position, stay-on-top, opacity, the taskbar button) is said once
# each on stderr, and the stored position and choices come back unchanged after SIGTERM. The icon
# goes to the panel's D-Bus tray (as on sway with waybar). With no portal for the hot key, one line
# names the way left: binding "quorlan-lite --speak".
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
source "$QL_E2E_DIR/lib/wayland.sh"
ql_start_weston
ql_start_session_bus
ql_start_sni_watcher

# On top, taskbar button hidden, global shortcut on, blended at 128, at left 3000 (beyond this
# 1280-pixel output: a monitor of another session), top 200.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="010000000011"
"LNumSettings"="02003000010000000128"
"CurrentVer"="2.6"
STORE

WAYLAND_DEBUG=client ql_start_program
ql_wait_until 20 ql_wayland_window_shown "Multilingual Quorlan" ||
    ql_fail "no native Wayland window within 20 s: $(grep -v '^\[' "$QL_PROGRAM_ERR")"
ql_sleep 1
ql_pid_alive "$QL_PID" || ql_fail "the clock ended on Wayland: $(grep -v '^\[' "$QL_PROGRAM_ERR")"
grep -q 'libQt6WaylandClient' "/proc/$QL_PID/maps" || ql_fail "Qt's Wayland plugin is not in use"
ql_wait_until 10 ql_sni_item >/dev/null || ql_fail "the icon did not register with the panel's watcher"
ql_stop_program
ql_assert_clean_exit

ql_assert_store_value "$Q_LITE" LNumSettings 02003000010000000128
ql_assert_store_value "$Q_LITE" BinSettings 010000000011
for refusal in "place its window" "keep its window on top" "translucent" "hide its taskbar button"; do
    ql_assert_eq 1 "$(grep -c "^quorlan-lite: .*$refusal" "$QL_PROGRAM_ERR")" "lines about \"$refusal\""
done
ql_assert_eq 1 "$(grep -c 'Ctrl+Alt+S' "$QL_PROGRAM_ERR")" "lines about the hot key"
grep -q 'Ctrl+Alt+S cannot reach the clock; bind a key to "quorlan-lite --speak"' "$QL_PROGRAM_ERR" ||
    ql_fail "no line naming the --speak fallback: $(grep -v '^\[' "$QL_PROGRAM_ERR")"
grep -q 'notification area' "$QL_PROGRAM_ERR" && ql_fail "the panel's tray was not found: $(cat "$QL_PROGRAM_ERR")"
exit 0
