#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with no display at all, the program and scripts/run say so in one line and fail.
source "$(dirname "$0")/env.sh"

# env.sh leaves DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset.
ql_start_program
ql_wait_pid_exit "$QL_PID" 15 || ql_fail "the program still runs 15 s after starting without a display"
ql_reap
((QL_EXIT_STATUS != 0)) || ql_fail "the program exited with status 0 without a display"
((QL_EXIT_STATUS < 128)) || ql_fail "the program crashed or aborted (status $QL_EXIT_STATUS)"
ql_assert_eq 1 "$(wc -l <"$QL_PROGRAM_ERR")" "lines on stderr"
ql_assert_match '[Dd][Ii][Ss][Pp][Ll][Aa][Yy]' "$(cat "$QL_PROGRAM_ERR")" "message"

# scripts/run refuses before installing or building anything.
if [[ -n ${QL_SOURCE_DIR:-} ]]; then
    rc=0
    timeout 30 bash "$QL_SOURCE_DIR/scripts/run" >"$QL_TMP/run.out" 2>"$QL_TMP/run.err" || rc=$?
    ((rc != 0 && rc != 124)) || ql_fail "scripts/run without a display: status $rc"
    ql_assert_eq 1 "$(wc -l <"$QL_TMP/run.err")" "scripts/run: lines on stderr"
    [[ -s $QL_TMP/run.out ]] && ql_fail "scripts/run printed to stdout: $(cat "$QL_TMP/run.out")"
fi
exit 0
