#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A DISPLAY that names no X server (a stale variable in a remote shell, a display that is gone):
# the program says so in one line and fails, it does not abort.
source "$(dirname "$0")/env.sh"

for n in $(seq 170 299); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
done
export DISPLAY=:$n
ql_start_program
ql_wait_pid_exit "$QL_PID" 15 || ql_fail "the program still runs 15 s after starting on a dead display"
ql_reap
((QL_EXIT_STATUS != 0)) || ql_fail "the program exited with status 0 on a dead display"
((QL_EXIT_STATUS < 128)) || ql_fail "the program crashed or aborted on a dead display (status $QL_EXIT_STATUS)"
ql_assert_eq 1 "$(wc -l <"$QL_PROGRAM_ERR")" "lines on stderr"
ql_assert_match "$DISPLAY|[Dd]isplay" "$(cat "$QL_PROGRAM_ERR")" "message"
