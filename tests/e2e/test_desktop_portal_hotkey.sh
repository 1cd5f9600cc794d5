#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland session (WAYLAND_DISPLAY set, XWayland's DISPLAY beside it): Ctrl+Alt+S is bound
# through the desktop portal's GlobalShortcuts, the compositor's press speaks the time (recorded
# on the sink), and a clock with the hot key off binds nothing; the session closes with the clock.
# A portal that refuses, or none, hands the key to the X11 grab with one line naming --speak.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
ql_env_start
ql_start_session_bus
ql_start_shortcuts_portal
export WAYLAND_DISPLAY=wayland-ql-test # no compositor: the clock still runs on XWayland (Xvfb)

ql_install_english_voice
calls() { cat "$QL_TMP/portal-calls"; }

# store_hotkey 0|1: the global shortcut off or on, speech loud enough to record.
store_hotkey() {
    ql_prepare_store - <<STORE
[Software\\Vessantry\\Quorlan Lite]
"BinSettings"="0000000000${1}0"
"SNumSettings"="60000000006540"
"CurrentVer"="2.6"
STORE
}

store_hotkey 0
ql_run_program_once
ql_assert_eq "" "$(calls)" "portal calls of a clock with the hot key off"

store_hotkey 1
ql_start_program
ql_wait_program_ready
ql_wait_until 5 grep -qx 'BindShortcuts speak CTRL+ALT+s' "$QL_TMP/portal-calls" ||
    ql_fail "the clock did not bind Ctrl+Alt+S through the portal: $(calls)"
grep -q "portal" "$QL_PROGRAM_ERR" && ql_fail "a portal complaint with a portal present: $(cat "$QL_PROGRAM_ERR")"

ql_record_start "$QL_TMP/speech.wav"
ql_sleep 0.5
ql_portal_press speak || ql_fail "the portal could not press the shortcut"
ql_sleep 3
ql_record_stop
ql_assert_sound "$QL_TMP/speech.wav" "speech after the portal's Activated"

ql_stop_program
ql_assert_clean_exit
ql_wait_until 2 grep -q '^Close ' "$QL_TMP/portal-calls" || ql_fail "the shortcut session was not closed: $(calls)"

# No portal, a portal whose dialog the user cancelled (Response 1), one whose call fails: the
# clock says once where the hot key falls short and how to bind --speak, and Ctrl+Alt+S works
# through the X11 grab while an X11 window has the focus.
portal_pid() { for e in "${QL_PIDS[@]}"; do [[ ${e%% *} == portal ]] && pid=${e#* }; done; echo "$pid"; }
ql_stop_pid "$(portal_pid)" 3
for refusal in none bind-response=1 session-error; do
    [[ $refusal == none ]] || ql_start_shortcuts_portal "$refusal"
    ql_start_program
    ql_wait_program_ready
    ql_wait_until 5 grep -q 'quorlan-lite --speak' "$QL_PROGRAM_ERR"
    ql_assert_eq 1 "$(grep -c 'quorlan-lite --speak' "$QL_PROGRAM_ERR")" "lines naming --speak, $refusal"
    ql_record_start "$QL_TMP/speech-$refusal.wav"
    ql_sleep 0.5
    xdotool key ctrl+alt+s
    ql_sleep 3
    ql_record_stop
    ql_assert_sound "$QL_TMP/speech-$refusal.wav" "speech on Ctrl+Alt+S through the X11 grab, $refusal"
    ql_stop_program
    [[ $refusal == none ]] || ql_stop_pid "$(portal_pid)" 3
done
