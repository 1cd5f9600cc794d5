#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ending the program: a voice that never returns holds a log-off (SIGTERM) up for no more than
# 5 s, and the settings are saved; SIGTERM while the upgrade window is open never crashes.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/modal.sh"
ql_env_start --no-sound

# Announcements every minute: the first tick (06:30) speaks, and the voice never returns.
modal_install_voice 600000
modal_store 2.6 000100000000 01000000064040
ql_start_program -f '@2026-12-07 06:30:10'
ql_wait_until 20 modal_calls_reach begin 1 || ql_fail "the first tick did not speak"
ql_stop_program 6
ql_assert_clean_exit
modal_assert_saved "after a voice that never returned"

# The same with the upgrade window open, many times over; a short speech at the first tick.
export QL_TEST_VOICE_SLEEP_MS=300
for run in $(seq 1 20); do
    modal_store 2.5 000100000000 01000000064040
    ql_start_program -f '@2026-12-07 06:30:10'
    ql_wait_window 'Thank you for upgrading' 20 >/dev/null || ql_fail "run $run: no upgrade window"
    ql_stop_program 8
    ql_assert_eq 0 "$QL_EXIT_STATUS" "run $run: exit status after SIGTERM under the upgrade window"
    modal_assert_saved "in run $run"
done
