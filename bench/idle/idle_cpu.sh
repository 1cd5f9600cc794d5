#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The idle clock against `xclock -digital -update 1` on the same X server, in one run: CPU time
# per second, wake-ups per second, how late the face changes after the true second, resident
# memory and the time from exec to a visible window. One or two builds side by side:
#   bash bench/idle/idle_cpu.sh [PROGRAM [PROGRAM2]]     (default build/quorlan-lite)
#   QL_IDLE_SECONDS=60   the CPU window per program
#   QL_FACE_SECONDS=20   how long the face is sampled per program
#   QL_STARTS=7          starts per program for the start-up median
# Each PROGRAM runs from its own folder, so give a copy its voice/ folder beside it.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${QL_IDLE_SECONDS:-60}
face_seconds=${QL_FACE_SECONDS:-20}
starts=${QL_STARTS:-7}
probe=${QL_XPROBE:-$root/build/bench/idle/bench_xprobe}
(($# <= 2)) || { echo "usage: $0 [PROGRAM [PROGRAM2]]" >&2; exit 2; }
programs=()
for p in "${@:-$root/build/quorlan-lite}"; do programs+=("$(realpath "$p")"); done
export QL_E2E_LIMIT=$((${#programs[@]} * (seconds + face_seconds + 30 + starts * 8) + 200))
export QL_RESULT_LINE=0
QL_PROGRAM=${programs[0]}
source "$root/tests/e2e/env.sh"
source "$root/bench/idle/proc_stats.sh"
source "$root/bench/idle/idle_setup.sh"
[[ -x $probe ]] || ql_fail "$probe is missing: build the bench_xprobe target"

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
ql_env_start
ql_idle_store
ql_start_xclock
xclock_win=$(ql_pick_window $(xdotool search --pid "$xclock_pid"))

declare -A r # r[measure,column]
cd "$QL_TMP" || exit 1
for i in "${!programs[@]}"; do
    QL_PROGRAM=${programs[i]}
    ql_idle_store
    ql_start_program
    ql_wait_program_ready
    ql_sleep 3 # past the start-up work
    ql_measure_side_by_side "$QL_PID" "$xclock_pid" "$seconds"
    r[cpu,$i]=$ql_rate r[xcpu,$i]=$xc_rate
    r[wake,$i]=$ql_wakes r[xwake,$i]=$xc_wakes
    r[rss,$i]=$(ql_mem_mb "$QL_PID" VmRSS) r[pss,$i]=$(ql_pss_mb "$QL_PID")
    r[face,$i]=$("$probe" face "$(ql_program_window)" "$face_seconds") || ql_fail "face sampling failed"
    ql_stop_program
done
r[face,x]=$("$probe" face "$xclock_win" "$face_seconds") || ql_fail "face sampling of xclock failed"
r[rss,x]=$(ql_mem_mb "$xclock_pid" VmRSS) r[pss,x]=$(ql_pss_mb "$xclock_pid")

# Start-up: the programs and xclock take turns, so they share whatever else the machine does.
declare -A times
for ((n = 0; n <= starts; n++)); do
    for i in "${!programs[@]}"; do
        ql_idle_store
        t=$("$probe" start "${programs[i]}") || ql_fail "start of ${programs[i]} failed"
        ((n > 0)) && times[$i]+="$t " # the first round only warms the caches
    done
    t=$("$probe" start xclock -digital -update 1 -geometry +600+600) || ql_fail "start of xclock failed"
    ((n > 0)) && times[x]+="$t "
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for c in x "${!programs[@]}"; do r[start,$c]=$(echo "${times[$c]}" | median); done

# Per program the xclock figures of its own window; the xclock column shows the first.
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" <<<"$2"; }
cell() { # cell VALUE REFERENCE -> "value (ratio x)"
    printf '%s (%sx)' "$1" "$(ql_ratio "$1" "$2")"
}
face_cell() { echo "$(field median "$1") [$(field p10 "$1")..$(field p90 "$1")]"; }
echo
echo "Idle clock beside xclock -digital -update 1, same Xvfb, ${seconds} s CPU window per program"
echo "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
for i in "${!programs[@]}"; do echo "  [$((i + 1))] ${programs[i]}"; done
fmt='%-34s %-16s'
for i in "${!programs[@]}"; do fmt+=' %-22s'; done
fmt+='\n'
header=("measure" "xclock")
for i in "${!programs[@]}"; do header+=("[$((i + 1))]"); done
printf "$fmt" "${header[@]}"
row() { printf "$fmt" "$@"; }
args=("idle CPU, ms/s (x xclock)" "${r[xcpu,0]}")
for i in "${!programs[@]}"; do args+=("$(cell "${r[cpu,$i]}" "${r[xcpu,$i]}")"); done
row "${args[@]}"
args=("wake-ups/s, all threads" "${r[xwake,0]}")
for i in "${!programs[@]}"; do args+=("${r[wake,$i]}"); done
row "${args[@]}"
args=("face change after second, ms" "$(face_cell "${r[face,x]}")")
for i in "${!programs[@]}"; do args+=("$(face_cell "${r[face,$i]}")"); done
row "${args[@]}"
args=("  (median [p10..p90], max)" "max $(field max "${r[face,x]}")")
for i in "${!programs[@]}"; do args+=("max $(field max "${r[face,$i]}")"); done
row "${args[@]}"
args=("resident memory, MB (x xclock)" "${r[rss,x]}")
for i in "${!programs[@]}"; do args+=("$(cell "${r[rss,$i]}" "${r[rss,x]}")"); done
row "${args[@]}"
args=("proportional memory (PSS), MB" "${r[pss,x]}")
for i in "${!programs[@]}"; do args+=("${r[pss,$i]}"); done
row "${args[@]}"
args=("start to visible window, ms" "${r[start,x]}")
for i in "${!programs[@]}"; do args+=("$(cell "${r[start,$i]}" "${r[start,x]}")"); done
row "${args[@]}"
echo "xclock CPU in each program's window: $(for i in "${!programs[@]}"; do printf '%s ' "${r[xcpu,$i]}"; done)ms/s"
echo "start-up runs, ms: xclock ${times[x]}"
for i in "${!programs[@]}"; do echo "  [$((i + 1))] ${times[$i]}"; done
echo "targets: CPU <= 1.0x, wake-ups <= 2.5/s, face median <= 5 ms, RSS <= 24 MB, start <= 1.5x"
