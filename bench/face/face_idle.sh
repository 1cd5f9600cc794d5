#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle cost of the clock face in each of its four window states, against
# `xclock -digital -update 1` on the same X server over the same window of time.
#   bash bench/face/face_idle.sh [path/to/quorlan-lite]    (default build/quorlan-lite)
#   QL_IDLE_SECONDS=60 sets the measured window per state (default 30).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${QL_IDLE_SECONDS:-30}
export QL_E2E_LIMIT=$((4 * (seconds + 20) + 60)) QL_RESULT_LINE=0
QL_PROGRAM=$(realpath "${1:-$root/build/quorlan-lite}")
source "$root/tests/e2e/env.sh"
source "$root/tests/e2e/lib/face.sh"
source "$root/bench/idle/proc_stats.sh"
source "$root/bench/idle/idle_setup.sh"

ql_env_start
ql_start_xclock

printf '%-18s %9s %9s %7s %8s %8s\n' state "ms CPU/s" "xclock" ratio "RSS MB" "PSS MB"
# name | BinSettings (frameless at position 7) | SNumSettings (small layout in field 4)
for row in "big frameless|000000100000|60000000004040" "small frameless|000000100000|60000001004040" \
    "big framed|000000000000|60000000004040" "small framed|000000000000|60000001004040"; do
    IFS='|' read -r name bin snum <<<"$row"
    ql_store_layout "$bin" "$snum"
    ql_start_program
    ql_wait_program_ready
    ql_sleep 3 # past the start-up work
    ql_measure_side_by_side "$QL_PID" "$xclock_pid" "$seconds"
    printf '%-18s %9s %9s %7s %8s %8s\n' "$name" "$ql_rate" "$xc_rate" \
        "$(awk -v a="$ql_rate" -v b="$xc_rate" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')" "$(ql_mem_mb "$QL_PID" VmRSS)" "$(ql_pss_mb "$QL_PID")"
    ql_stop_program
done
echo "xclock resident: $(ql_mem_mb "$xclock_pid" VmRSS) MB, PSS $(ql_pss_mb "$xclock_pid") MB"
