# SPDX-License-Identifier: GPL-3.0-or-later
# Reading a process's CPU time, wake-ups and memory from /proc.

# One line per thread of PID: "tid cpu_ns context_switches". /proc/PID/schedstat alone counts
# only the main thread; every context switch, voluntary or not, is a wake-up.
ql_thread_counts() {
    local t
    for t in /proc/"$1"/task/*; do
        { read -r cpu _ <"$t/schedstat" &&
            echo "${t##*/} $cpu $(awk '$1 ~ /^(non)?voluntary_ctxt_switches:$/ { s += $2 }
                END { print s + 0 }' "$t/status")"; } 2>/dev/null
    done
}

# ql_thread_delta BEFORE AFTER -> "cpu_ns switches" spent between the two snapshots by threads
# alive at the end (a thread born meanwhile counts whole); a thread that ended meanwhile takes
# its counts along and is left out rather than making the sum negative.
ql_thread_delta() {
    awk 'NR == FNR { c[$1] = $2; s[$1] = $3; next }
        { dc += $2 - c[$1]; ds += $3 - s[$1] } END { printf "%d %d\n", dc, ds }' \
        <(echo "$1") <(echo "$2")
}

# ql_per_s COUNT WALL_US
ql_per_s() { awk -v c="$1" -v w="$2" 'BEGIN { printf "%.2f", c / (w / 1e6) }'; }

# ql_ms_per_s CPU_NS WALL_US
ql_ms_per_s() { awk -v c="$1" -v w="$2" 'BEGIN { printf "%.3f", (c / 1e6) / (w / 1e6) }'; }

# ql_mem_mb PID FIELD: a field of /proc/PID/status (kB) in MB
ql_mem_mb() { awk -v f="$2:" '$1 == f { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

ql_pss_mb() { awk '$1 == "Pss:" { printf "%.1f", $2 / 1024 }' "/proc/$1/smaps_rollup" 2>/dev/null; }

ql_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "n/a" }'; }

# ql_measure_side_by_side PID_A PID_B SECONDS: CPU of both processes over the same window.
# Sets wall_us, the rates ql_rate (A) and xc_rate (B) in ms of CPU per second and the wake-ups
# per second ql_wakes (A) and xc_wakes (B).
ql_measure_side_by_side() {
    local a0 b0 t0 a1 b1 t1 cpu switches
    a0=$(ql_thread_counts "$1") b0=$(ql_thread_counts "$2") t0=$(ql_now_us)
    ql_sleep "$3"
    a1=$(ql_thread_counts "$1") b1=$(ql_thread_counts "$2") t1=$(ql_now_us)
    ql_pid_alive "$1" || ql_fail "the program ended during the measurement"
    wall_us=$((t1 - t0))
    read -r cpu switches <<<"$(ql_thread_delta "$a0" "$a1")"
    ql_rate=$(ql_ms_per_s "$cpu" "$wall_us") ql_wakes=$(ql_per_s "$switches" "$wall_us")
    read -r cpu switches <<<"$(ql_thread_delta "$b0" "$b1")"
    xc_rate=$(ql_ms_per_s "$cpu" "$wall_us") xc_wakes=$(ql_per_s "$switches" "$wall_us")
}
