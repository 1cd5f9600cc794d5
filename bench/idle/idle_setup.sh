# SPDX-License-Identifier: GPL-3.0-or-later
# What the idle benchmarks set up alike; sourced after tests/e2e/env.sh.

# The current version with a frameless big face, seconds shown and no announcements: nothing
# but the tick runs.
ql_idle_store() {
    ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000100000"
"LNumSettings"="01000100010000000255"
"SNumSettings"="60000000004040"
"SelLang"="0"
"CurrentVer"="2.6"
STORE
}

# The clock to beat, `xclock -digital -update 1`, on the current DISPLAY; xclock_pid is its PID.
ql_start_xclock() {
    xclock -digital -update 1 -geometry +100+600 >/dev/null 2>&1 &
    xclock_pid=$!
    ql_track xclock "$xclock_pid"
    ql_wait_until 10 xdotool search --pid "$xclock_pid" >/dev/null || ql_fail "xclock did not start"
}
