#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: a voice plug-in speaks through a real (private) PulseAudio daemon, Speak returns
# once the speech has been heard, returns promptly while the daemon is gone, and speaks again
# after the daemon has been restarted, all in one process.
# Usage: test_speak_pulse.sh <voice_speak_probe> <plug-in .so>
set -u
probe=${1:?probe} plugin=${2:?plug-in}
work=$(mktemp -d /tmp/ql-voice-e2e.XXXXXX)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work HOME=$work
keeper= recorder= probe_pid=
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/pulse.sh"

cleanup() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null
    stop_pulse
    rm -rf "$work"
}
trap cleanup EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Asks the running probe to speak once; prints how long Speak took in ms.
speak_once() {
    local start
    start=$(now_ms)
    echo speak >&"${PROBE[1]}"
    local answer
    read -r -t 30 answer <&"${PROBE[0]}" || fail "Speak did not return"
    [ "$answer" = done ] || fail "unexpected answer '$answer'"
    echo $(( $(now_ms) - start ))
}

# Speaks while recording; checks that speech was heard and that Speak returned neither before
# it had been played nor long after.
speak_and_record() {
    local wav=$work/$1.wav
    parec -d test_sink.monitor --latency-msec=20 --file-format=wav "$wav" &
    recorder=$!
    sleep 0.3
    local took
    took=$(speak_once) || exit 1
    sleep 0.3
    kill "$recorder"; wait "$recorder" 2>/dev/null; recorder=
    sox "$wav" "$work/trim.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse 2>/dev/null
    local heard
    heard=$(soxi -D "$work/trim.wav" 2>/dev/null | awk '{printf "%d", $1 * 1000}')
    echo "$1: Speak took ${took} ms, ${heard:-0} ms of speech recorded"
    [ "${heard:-0}" -ge 700 ] || fail "$1: no speech recorded"
    [ "$took" -ge "$heard" ] || fail "$1: Speak returned before the speech was heard"
    [ "$took" -le $((heard + 1500)) ] || fail "$1: Speak kept waiting after the speech"
}

start_pulse
coproc PROBE { exec "$probe" "$plugin"; }
probe_pid=$PROBE_PID

speak_and_record first

stop_pulse
took=$(speak_once) || exit 1
echo "sound server gone: Speak took ${took} ms"
[ "$took" -le 5000 ] || fail "Speak hung without a sound server"

start_pulse
speak_and_record after-restart

exec {PROBE[1]}>&-
wait "$probe_pid" || fail "probe exited with $?"
probe_pid=
echo PASS
