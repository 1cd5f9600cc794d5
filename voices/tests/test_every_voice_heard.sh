#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: every plug-in in the voice folder, whatever its engine, loads, speaks 23:59 (the
# longest sentences) through a real (private) PulseAudio daemon and is heard on the sink, all of
# them within 2 LU of each other in integrated loudness (ITU-R BS.1770, ffmpeg's ebur128) and
# none of them clipped.
# Usage: test_every_voice_heard.sh <voice_speak_probe> <voice folder>
set -u
probe=${1:?probe} voices=${2:?voice folder}
work=$(mktemp -d /tmp/ql-voice-all.XXXXXX)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work HOME=$work
keeper= recorder=
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/pulse.sh"

cleanup() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
    stop_pulse
    rm -rf "$work"
}
trap cleanup EXIT

# Prints how many ms of sound above -40 dBFS the recording holds, leading and trailing silence cut.
heard_ms() {
    sox "$1" "$work/trim.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse 2>/dev/null
    soxi -D "$work/trim.wav" 2>/dev/null | awk '{ printf "%d", $1 * 1000 }'
}

# Prints "<integrated loudness in LUFS> <sample peak in dBFS>" of the recording.
loudness() {
    ffmpeg -hide_banner -nostats -i "$1" -af ebur128=peak=sample -f null - 2>&1 |
        awk '/Integrated loudness:/ { s = 1 } s && $1 == "I:" { i = $2 } s && $1 == "Peak:" { p = $2 }
            END { print i, p }'
}

shopt -s nullglob
plugins=("$voices"/*.so)
((${#plugins[@]} > 0)) || fail "no voice in $voices"
start_pulse

failed=() levels=()
for plugin in "${plugins[@]}"; do
    name=$(basename "$plugin" .so)
    parec -d test_sink.monitor --latency-msec=20 --file-format=wav "$work/voice.wav" &
    recorder=$!
    sleep 0.3
    # A fixed time, so that every voice says its longest sentence; the monotonic clock stays real
    # for the sound server's timing.
    answer=$(echo speak | FAKETIME_DONT_FAKE_MONOTONIC=1 timeout 30 \
        faketime -f "@2026-01-01 23:59:05" "$probe" "$plugin" 2>"$work/err")
    status=$?
    sleep 0.3
    kill "$recorder"
    wait "$recorder" 2>/dev/null
    recorder=
    heard=$(heard_ms "$work/voice.wav")
    read -r lufs peak <<<"$(loudness "$work/voice.wav")"
    echo "$name: ${heard:-0} ms heard, $lufs LUFS, peak $peak dBFS"
    levels+=("$lufs $name")
    awk -v p="${peak:-0}" 'BEGIN { exit !(p < -0.1) }' || failed+=("$name (clipped: peak $peak dBFS)")
    if ((status != 0)) || [ "$answer" != done ]; then
        failed+=("$name (probe exit $status: $(head -c 200 "$work/err"))")
    elif ((${heard:-0} < 800)); then
        failed+=("$name (${heard:-0} ms of speech)")
    fi
done

spread=$(printf '%s\n' "${levels[@]}" | sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.1f", hi - lo }')
echo "loudness from $(printf '%s\n' "${levels[@]}" | sort -n | head -n 1) to $(printf '%s\n' "${levels[@]}" | sort -n | tail -n 1): $spread LU"
awk -v s="$spread" 'BEGIN { exit !(s <= 2.0) }' || failed+=("loudness spread $spread LU, more than 2")
((${#failed[@]} == 0)) || fail "not heard: ${failed[*]}"
echo "PASS: ${#plugins[@]} voices heard"
