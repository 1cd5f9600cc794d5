#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Snooze and the missed alarm on a clock the test moves, with the clock in the tray. Alt+S
# closes the alert and it comes back 9 minutes later by the clock (not a second sooner); Return
# then ends it for good. A jump of the clock over the next day's alarm minute rings nothing and
# leaves "Alarm at 07:30 was missed" with a real notification server (dunst). With no server the
# same jump opens no window, costs at most one line on stderr, and the clock rings the day after.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"

command -v dunst >/dev/null && command -v dunstctl >/dev/null || ql_fail "dunst is not installed"
ql_env_start
ql_start_session_bus
dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" \
    >"$QL_TMP/notify.log" 2>&1 &
ql_track dbus-monitor $!
dunst >"$QL_TMP/dunst.log" 2>&1 &
dunst_pid=$!
ql_track dunst "$dunst_pid"
ql_wait_until 10 ql_bus_has org.freedesktop.Notifications || ql_fail "dunst did not start"

# Start in the tray, 24-hour clock, alarm on at 07:30, sound 3, repeated every 4 s; no snooze
# length stored, so the default applies.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="101010000000"
"LNumSettings"="01000100010000040255"
"SNumSettings"="60073000034040"
"CurrentVer"="2.6"
STORE
clock=$QL_TMP/clock
at() { echo "$1" >"$clock"; }
# Time for a tick or two to read the clock.
at_and_tick() {
    at "$1"
    ql_sleep 1.5
}
no_alert() { ! ql_find_window "Alarm!" >/dev/null; }
at "2026-12-07 07:29:58"
ql_start_program --clock-file "$clock"
ql_wait_program_ready
# Without voice plug-ins the start-up reports it in a message box; the clock starts after it.
if error=$(ql_wait_window "Error" 2); then
    ql_log "dismissing a start-up message box"
    ql_window_key "$error" Return
fi

at "2026-12-07 07:30:00"
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "no alert at 07:30"
ql_sleep 1
ql_screenshot "$QL_TMP/alert.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/alert.png" "$QL_SHOTS/alert-snooze.png"
ql_window_key "$alert" alt+s
ql_wait_until 5 no_alert || ql_fail "Alt+S did not close the alert"
ql_find_window "Multilingual Quorlan" >/dev/null && ql_fail "the main window should stay in the tray"

at_and_tick "2026-12-07 07:30:05" # the snooze counts from here
at_and_tick "2026-12-07 07:39:04"
no_alert || ql_fail "the snoozed alarm rang before its 9 minutes"
at "2026-12-07 07:39:05"
alert=$(ql_wait_window "Alarm!" 10) || ql_fail "the snoozed alarm did not ring after 9 minutes"
ql_window_key "$alert" Return
ql_wait_until 5 no_alert || ql_fail "Return did not confirm the alert"
at_and_tick "2026-12-07 07:50:00"
no_alert || ql_fail "the alarm came back after OK"

# Tuesday: asleep over the alarm minute.
at_and_tick "2026-12-08 07:29:58"
at "2026-12-08 07:35:00"
missed() { dunstctl history | grep -q '"Alarm at 07:30 was missed"'; }
seen() { dunstctl close-all && missed; }
ql_wait_until 10 seen || ql_fail "dunst never got 'Alarm at 07:30 was missed'"
dunstctl history | grep -A2 '"appname"' | grep -q '"Quorlan Lite"' || ql_fail "not from Quorlan Lite"
grep -q 'string "org.vessantry.QuorlanLite"' "$QL_TMP/notify.log" ||
    ql_fail "the notification names no icon: $(cat "$QL_TMP/notify.log")"
no_alert || ql_fail "a missed alarm must not ring"
ql_log "dunst history: $(dunstctl history | tr -d ' \n' | head -c 400)"

# Wednesday, no notification server: the same jump.
ql_stop_pid "$dunst_pid" 5
ql_wait_until 5 ql_not ql_bus_has org.freedesktop.Notifications || ql_fail "dunst did not stop"
windows() { xdotool search --onlyvisible --pid "$QL_PID" 2>/dev/null | sort; }
before=$(windows)
at_and_tick "2026-12-09 07:29:58"
at_and_tick "2026-12-09 07:40:00"
ql_sleep 1.5
ql_assert_eq "$before" "$(windows)" "windows after a missed alarm with no server"
lines=$(grep -c "notification" "$QL_PROGRAM_ERR")
((lines <= 1)) || ql_fail "$lines lines on stderr: $(cat "$QL_PROGRAM_ERR")"
at "2026-12-10 07:30:00"
alert=$(ql_wait_window "Alarm!" 10) || ql_fail "the clock stopped after the missed alarm"
ql_window_key "$alert" Return
ql_wait_until 5 no_alert || ql_fail "Return did not confirm Thursday's alert"
ql_stop_program
ql_assert_clean_exit
