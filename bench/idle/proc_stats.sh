# Reading a process's CPU time and memory from /proc.

# CPU time in ns of every thread of PID: /proc/PID/schedstat alone counts only the main thread.
ql_cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'
}

# ql_ms_per_s CPU_NS WALL_US
ql_ms_per_s() { awk -v c="$1" -v w="$2" 'BEGIN { printf "%.3f", (c / 1e6) / (w / 1e6) }'; }

# ql_mem_mb PID FIELD: a field of /proc/PID/status (kB) in MB
ql_mem_mb() { awk -v f="$2:" '$1 == f { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

ql_pss_mb() { awk '$1 == "Pss:" { printf "%.1f", $2 / 1024 }' "/proc/$1/smaps_rollup" 2>/dev/null; }

ql_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "n/a" }'; }
