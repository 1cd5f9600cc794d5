#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Snooze and the missed alarm on a clock the test moves, with the clock in the tray. Alt+S
# closes the alert and it comes back 9 minutes later by the clock (not a second sooner); Return
# then ends it for good. A jump of the clock over the next day's alarm minute rings nothing and
# leaves "Alarm at 07:30 was missed" with a real notification server (notification-daemon), which
# answers and shows it. With no server the same jump opens no window, costs at most one line on
# stderr, and the clock rings the day after.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"

server=/usr/lib/notification-daemon/notification-daemon
[[ -x $server ]] || ql_fail "notification-daemon is not installed"
ql_env_start
ql_start_session_bus
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" \
    "type='method_return'" >"$QL_TMP/notify.log" 2>&1 &
ql_track dbus-monitor $!
"$server" >"$QL_TMP/notification-daemon.log" 2>&1 &
server_pid=$!
ql_track notification-daemon "$server_pid"
ql_wait_until 10 ql_bus_has org.freedesktop.Notifications || ql_fail "no notification server"

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
popup() { xdotool search --onlyvisible --pid "$server_pid" >/dev/null 2>&1; }
ql_wait_until 10 popup || ql_fail "the notification server showed nothing"
ql_screenshot "$QL_TMP/missed.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/missed.png" "$QL_SHOTS/"
# The call as the server got it, and its answer (the notification's id) to the clock.
call=$(grep -A8 'member=Notify' "$QL_TMP/notify.log" | grep -o 'string "[^"]*"' | head -n 4)
ql_assert_eq 'string "Quorlan Lite"
string "org.vessantry.QuorlanLite"
string "Alarm at 07:30 was missed"
string "The computer was asleep or its clock was changed."' "$call" "the Notify call"
sender=$(grep -m1 'member=Notify' "$QL_TMP/notify.log" | grep -o 'sender=[^ ]*' | cut -d= -f2)
grep -A1 "method return .*destination=$sender serial" "$QL_TMP/notify.log" | grep -q 'uint32 [1-9]' ||
    ql_fail "the server did not answer the clock: $(cat "$QL_TMP/notify.log")"
no_alert || ql_fail "a missed alarm must not ring"

# Wednesday, no notification server: the same jump.
ql_stop_pid "$server_pid" 5
ql_wait_until 5 ql_not ql_bus_has org.freedesktop.Notifications || ql_fail "the server did not stop"
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
