#!/usr/bin/env bash
# Idle cost of the running clock against xclock on the same X server: CPU time per second of
# wall time over the same window, and resident / proportional memory.
#   bash bench/idle/idle_cpu.sh [path/to/quorlan-lite]    (default build/quorlan-lite)
#   QL_IDLE_SECONDS=60 sets the measured window.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${QL_IDLE_SECONDS:-60}
export QL_E2E_LIMIT=$((seconds + 120)) QL_RESULT_LINE=0
QL_PROGRAM=$(realpath "${1:-$root/build/quorlan-lite}")
source "$root/tests/e2e/env.sh"
source "$root/bench/idle/proc_stats.sh"

ql_env_start
# The current version with a frameless big window: no welcome or upgrade window opens.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000100000"
"LNumSettings"="01000100010000000255"
"SNumSettings"="60000000004040"
"SelLang"="0"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_program_ready
xclock -digital -update 1 -geometry +100+400 >/dev/null 2>&1 &
xclock_pid=$!
ql_track xclock "$xclock_pid"
ql_wait_until 10 xdotool search --pid "$xclock_pid" >/dev/null || ql_fail "xclock did not start"
ql_sleep 3 # both past their start-up work

ql_measure_side_by_side "$QL_PID" "$xclock_pid" "$seconds"
echo "idle CPU over $(awk -v u="$wall_us" 'BEGIN { printf "%.1f", u / 1e6 }') s, ms of CPU per second:"
printf '  %-14s %8s ms/s   RSS %6s MB   PSS %6s MB\n' \
    "$(basename "$QL_PROGRAM")" "$ql_rate" "$(ql_mem_mb "$QL_PID" VmRSS)" "$(ql_pss_mb "$QL_PID")" \
    xclock "$xc_rate" "$(ql_mem_mb "$xclock_pid" VmRSS)" "$(ql_pss_mb "$xclock_pid")"
echo "  ratio program / xclock: CPU $(ql_ratio "$ql_rate" "$xc_rate")x," \
    "RSS $(ql_ratio "$(ql_mem_mb "$QL_PID" VmRSS)" "$(ql_mem_mb "$xclock_pid" VmRSS)")x"
ql_stop_program
