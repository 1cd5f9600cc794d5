#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Speech figures on a real desktop (Xvfb + icewm + PulseAudio of tests/e2e/env.sh):
#  1. bench_speech in process;
#  2. Ctrl+Alt+S -> Speak through X: the key is injected by one long-running xdotool (commands on
#     its stdin) and the test voice stamps the wall clock when Speak starts. Reference: a round
#     trip through the same xdotool and X server (getmouselocation).
# Usage: bash bench/speech/speech_latency.sh [build dir]     QL_PRESSES=N (default 40)
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
QL_RESULT_LINE=0
source "$root/tests/e2e/env.sh" "$build/quorlan-lite"
ql_env_start
presses=${QL_PRESSES:-40}

echo "== in process (bench_speech)"
"$build/bench/speech/bench_speech" 200 2>/dev/null

ql_private_install "$build/tests/plugins/RecordingVoice.so":"Test (Recorder).so"
export QL_TEST_VOICE_LOG=$QL_TMP/voice.log QL_TEST_VOICE_SLEEP_MS=0
: >"$QL_TEST_VOICE_LOG"
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_program_ready

coproc XDO { exec xdotool - 2>/dev/null; }
ql_track xdotool "$XDO_PID"
ends() { grep -c '^end ' "$QL_TEST_VOICE_LOG"; }
ends_are() { [[ $(ends) == "$1" ]]; }

key=() trip=()
for ((i = 1; i <= presses; i++)); do
    t0=$(ql_now_us)
    echo "getmouselocation" >&"${XDO[1]}"
    read -r _ <&"${XDO[0]}"
    trip+=($(($(ql_now_us) - t0)))
    t0=$(ql_now_us)
    echo "key --delay 0 ctrl+alt+s" >&"${XDO[1]}"
    ql_wait_until 5 ends_are "$i" || ql_fail "press $i did not reach the voice"
    stamp=$(grep '^begin ' "$QL_TEST_VOICE_LOG" | sed -n "${i}p" | cut -d' ' -f2)
    key+=($((stamp - t0)))
    ql_sleep 0.1
done

# "median p90 max" in milliseconds of a list of microseconds
summary() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
        printf "median %7.2f ms  p90 %7.2f ms  max %7.2f ms", v[int((NR + 1) / 2)] / 1000,
            v[int(NR * 0.9)] / 1000, v[NR] / 1000 }'
}
med() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "== through X ($presses presses)"
echo "Ctrl+Alt+S -> Speak      $(summary "${key[@]}")"
echo "xdotool round trip (ref) $(summary "${trip[@]}")"
awk -v k="$(med "${key[@]}")" -v t="$(med "${trip[@]}")" \
    'BEGIN { printf "ratio key / reference    %.2f   (target: key median <= 5 ms)\n", k / t }'
ql_stop_program
