# Reading a process's CPU time and memory from /proc.

# CPU time in ns of every thread of PID: /proc/PID/schedstat alone counts only the main thread.
ql_cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'
}

# Context switches, voluntary and not, of every thread of PID: each one is a wake-up.
ql_ctx_switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '$1 ~ /^(non)?voluntary_ctxt_switches:$/ { s += $2 } END { printf "%d\n", s }'
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
    local a0 b0 t0 a1 b1 t1 w0 x0 w1 x1
    w0=$(ql_ctx_switches "$1") x0=$(ql_ctx_switches "$2")
    a0=$(ql_cpu_ns "$1") b0=$(ql_cpu_ns "$2") t0=$(ql_now_us)
    ql_sleep "$3"
    a1=$(ql_cpu_ns "$1") b1=$(ql_cpu_ns "$2") t1=$(ql_now_us)
    w1=$(ql_ctx_switches "$1") x1=$(ql_ctx_switches "$2")
    ql_pid_alive "$1" || ql_fail "the program ended during the measurement"
    wall_us=$((t1 - t0))
    ql_rate=$(ql_ms_per_s $((a1 - a0)) "$wall_us")
    xc_rate=$(ql_ms_per_s $((b1 - b0)) "$wall_us")
    ql_wakes=$(ql_per_s $((w1 - w0)) "$wall_us")
    xc_wakes=$(ql_per_s $((x1 - x0)) "$wall_us")
}
