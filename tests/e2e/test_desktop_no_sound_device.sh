#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A machine with no sound device at all (an ALSA configuration of its own that defines no
# output): the clock says once that no sound output could be opened, though both a voice
# (Ctrl+Alt+S, twice) and the clock itself (the alarm) try to play; nothing hangs, the alarm
# still shows, and SIGTERM still ends the clock at once.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

: >"$QL_TMP/alsa.conf" # no "default" PCM, no cards
export ALSA_CONFIG_PATH=$QL_TMP/alsa.conf

ql_install_english_voice
# Alarm on at 07:00 with the first built-in sound, global shortcut on, announcements off.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000010000010"
"SNumSettings"="60070000014040"
"CurrentVer"="2.6"
STORE

reports() { grep -c 'no sound output could be opened' "$QL_PROGRAM_ERR"; }

ql_start_program -f '@2026-12-07 06:59:52'
ql_wait_program_ready
xdotool key ctrl+alt+s
ql_wait_until 5 test "$(reports)" -ge 1 || ql_fail "no report of the missing sound output"
ql_sleep 0.5
xdotool key ctrl+alt+s
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "the alarm did not show at 07:00"
ql_sleep 1 # the alarm's sound has been tried
ql_window_key "$alert" Return
ql_wait_until 5 ql_not ql_find_window "Alarm!" || ql_fail "the alarm did not close on Return"
ql_stop_program 3
ql_assert_clean_exit
ql_assert_eq 1 "$(reports)" "reports of the missing sound output"
