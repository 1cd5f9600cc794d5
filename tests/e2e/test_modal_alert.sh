#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock goes on under the alarm alert: the seconds run, the next minute's announcement
# reaches the voice, and a log-off (SIGTERM) while it speaks ends the program once the speech
# is over, with the settings saved.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
source "$QL_E2E_DIR/lib/modal.sh"
ql_env_start --no-sound
modal_install_voice 3000
# 24-hour clock, announcements every minute, alarm at 06:30 without a sound.
modal_store 2.6 001110000000 01063000064040

ql_start_program -f '@2026-12-07 06:30:44' # the next minute well after start-up
alert=$(ql_wait_window 'Alarm!' 20) || ql_fail "no alert at 06:30"
ql_sleep 1
modal_assert_face_ticks "under the alert"
# One announcement at the first tick, the next at 06:31:00.
ql_wait_until 25 modal_calls_reach begin 2 || ql_fail "no announcement at 06:31 under the alert"
ql_find_window 'Alarm!' >/dev/null || ql_fail "the alert closed by itself"

kill -TERM "$QL_PID"
ql_wait_pid_exit "$QL_PID" 8 || ql_fail "the program did not end after the speech"
ql_reap
ql_assert_eq 0 "$QL_EXIT_STATUS" "exit status"
ql_assert_eq 2 "$(modal_calls end)" "announcements finished before the end"
modal_assert_saved "when the speech ended"
