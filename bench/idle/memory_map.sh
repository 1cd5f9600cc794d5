#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the idle clock's resident memory goes: its smaps summed per mapped file (shared libraries,
# fonts, caches) and per anonymous kind (heap, thread stacks, other anonymous memory).
#   bash bench/idle/memory_map.sh [path/to/quorlan-lite]    (default build/quorlan-lite)
#   QL_MAP_ROWS=40 rows printed (default 30)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export QL_E2E_LIMIT=120 QL_RESULT_LINE=0
QL_PROGRAM=$(realpath "${1:-$root/build/quorlan-lite}")
source "$root/tests/e2e/env.sh"
source "$root/bench/idle/proc_stats.sh"
source "$root/bench/idle/idle_setup.sh"

ql_env_start
ql_idle_store
ql_start_program
ql_wait_program_ready
ql_sleep 3
echo "$(basename "$QL_PROGRAM"): VmRSS $(ql_mem_mb "$QL_PID" VmRSS) MB," \
    "RssAnon $(ql_mem_mb "$QL_PID" RssAnon) MB, RssFile $(ql_mem_mb "$QL_PID" RssFile) MB," \
    "PSS $(ql_pss_mb "$QL_PID") MB"
printf '%8s %8s %8s  %s\n' "Rss kB" "Pss kB" "Anon kB" mapping
awk '
    /^[0-9a-f]+-[0-9a-f]+ / {
        name = (NF >= 6) ? $6 : "[anonymous]"
        if (name ~ /^\//) { n = split(name, p, "/"); name = p[n] }
        next
    }
    $1 == "Rss:" { rss[name] += $2 }
    $1 == "Pss:" { pss[name] += $2 }
    $1 == "Anonymous:" { anon[name] += $2 }
    END { for (n in rss) if (rss[n] > 0) printf "%8d %8d %8d  %s\n", rss[n], pss[n], anon[n], n }
' "/proc/$QL_PID/smaps" | sort -rn | head -n "${QL_MAP_ROWS:-30}"
ql_stop_program
