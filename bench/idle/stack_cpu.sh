#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole idle stack beside xclock: the clock (all threads) with an X server of its own and a
# D-Bus panel on the session bus, against `xclock -digital -update 1` with an X server of its own,
# over the same window; and the signals the clock sends the panel in a minute.
#   bash bench/idle/stack_cpu.sh [PROGRAM [PROGRAM2]]   (default build/quorlan-lite)
#   QL_IDLE_SECONDS=60   the window per program
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${QL_IDLE_SECONDS:-60}
(($# <= 2)) || { echo "usage: $0 [PROGRAM [PROGRAM2]]" >&2; exit 2; }
programs=()
for p in "${@:-$root/build/quorlan-lite}"; do programs+=("$(realpath "$p")"); done
export QL_E2E_LIMIT=$((${#programs[@]} * (seconds + 40) + 120))
export QL_RESULT_LINE=0
QL_PROGRAM=${programs[0]}
source "$root/tests/e2e/env.sh"
source "$root/tests/e2e/lib/dbus.sh"
source "$root/bench/idle/proc_stats.sh"
source "$root/bench/idle/idle_setup.sh"

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
ql_start_pulse
ql_start_session_bus
ql_start_sni_watcher # the panel: the clock's icon goes to it over D-Bus

# own_x_server: a fresh Xvfb, its DISPLAY exported; x_pid is its PID.
own_x_server() {
    ql_start_xvfb
    x_pid=${QL_PIDS[-1]#* }
}
own_x_server
xclock_x=$x_pid
ql_start_xclock

# counts PID...: the threads of all the processes, as ql_thread_counts gives them.
counts() { local p; for p in "$@"; do ql_thread_counts "$p"; done; }
# rate BEFORE AFTER -> "cpu_ms_per_s wakeups_per_s" over wall_us
rate() {
    local cpu switches
    read -r cpu switches <<<"$(ql_thread_delta "$1" "$2")"
    echo "$(ql_ms_per_s "$cpu" "$wall_us") $(ql_per_s "$switches" "$wall_us")"
}
# The signals the clock's connection sends, by member, from a dbus-monitor log.
signals() {
    awk -v s="$1" '$1 == "signal" && index($0, "sender=" s " ") {
            for (i = 1; i <= NF; i++) if ($i ~ /^member=/) n[substr($i, 8)]++ }
        END { for (m in n) { t += n[m]; l = l sprintf("%s %s %d", l ? "," : "", m, n[m]) }
            printf "%d%s\n", t, l }' "$2"
}

declare -A r # r[measure,column]
cd "$QL_TMP" || exit 1
for i in "${!programs[@]}"; do
    QL_PROGRAM=${programs[i]}
    own_x_server
    clock_x=$x_pid
    ql_idle_store
    ql_start_program
    ql_wait_program_ready
    ql_wait_until 10 ql_sni_item >/dev/null || ql_fail "the clock's icon did not reach the panel"
    sender=$(tail -n 1 "$QL_TMP/sni-items")
    sender=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetNameOwner "string:${sender%%/*}" | awk -F'"' '/string/ { print $2 }')
    ql_sleep 3 # past the start-up work
    dbus-monitor --session "type='signal',sender='$sender'" >"$QL_TMP/signals-$i.log" 2>&1 &
    monitor=$!
    a0=$(counts "$QL_PID") ax0=$(counts "$clock_x")
    b0=$(counts "$xclock_pid") bx0=$(counts "$xclock_x") t0=$(ql_now_us)
    ql_sleep "$seconds"
    a1=$(counts "$QL_PID") ax1=$(counts "$clock_x")
    b1=$(counts "$xclock_pid") bx1=$(counts "$xclock_x") t1=$(ql_now_us)
    ql_stop_pid "$monitor" 2
    ql_pid_alive "$QL_PID" || ql_fail "the program ended during the measurement"
    wall_us=$((t1 - t0))
    r[prog,$i]=$(rate "$a0" "$a1") r[progx,$i]=$(rate "$ax0" "$ax1")
    r[stack,$i]=$(rate "$a0"$'\n'"$ax0" "$a1"$'\n'"$ax1")
    r[xclock,$i]=$(rate "$b0" "$b1") r[xclockx,$i]=$(rate "$bx0" "$bx1")
    r[xstack,$i]=$(rate "$b0"$'\n'"$bx0" "$b1"$'\n'"$bx1")
    read -r n detail <<<"$(signals "$sender" "$QL_TMP/signals-$i.log")"
    r[signals,$i]="$(awk -v n="$n" -v w="$wall_us" 'BEGIN { printf "%.1f", n * 60e6 / w }')/min ($n in ${seconds} s:${detail:- none})"
    ql_stop_program
    ql_stop_pid "$clock_x" 3
done

cpu() { echo "${1%% *}"; }
wakes() { echo "${1#* }"; }
echo
echo "Whole idle stack beside xclock -digital -update 1, each on an Xvfb of its own, ${seconds} s window"
echo "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
for i in "${!programs[@]}"; do
    echo "[$((i + 1))] ${programs[i]}"
    printf '  %-30s %-22s %s\n' "" "xclock + X server" "clock + X server"
    printf '  %-30s %-22s %s (%sx)\n' "stack CPU, ms/s" "$(cpu "${r[xstack,$i]}")" \
        "$(cpu "${r[stack,$i]}")" "$(ql_ratio "$(cpu "${r[stack,$i]}")" "$(cpu "${r[xstack,$i]}")")"
    printf '  %-30s %-22s %s\n' "  program / X server, ms/s" \
        "$(cpu "${r[xclock,$i]}") / $(cpu "${r[xclockx,$i]}")" "$(cpu "${r[prog,$i]}") / $(cpu "${r[progx,$i]}")"
    printf '  %-30s %-22s %s\n' "stack wake-ups/s" "$(wakes "${r[xstack,$i]}")" "$(wakes "${r[stack,$i]}")"
    printf '  %-30s %-22s %s\n' "panel signals" "-" "${r[signals,$i]}"
done
