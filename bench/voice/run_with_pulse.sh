#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command (default: the voice benchmark) against a private PulseAudio daemon with a null
# sink, so the figures include a real sound server without touching the user's.
# Usage: run_with_pulse.sh <build dir> [command...]
set -u
build=${1:?build directory}
shift
[ $# -gt 0 ] || set -- "$build/bench/voice/voice_bench"

export XDG_RUNTIME_DIR=$(mktemp -d /tmp/ql-pulse.XXXXXX)
chmod 700 "$XDG_RUNTIME_DIR"
export HOME=$XDG_RUNTIME_DIR
keeper=
cleanup() {
    [ -n "$keeper" ] && kill "$keeper" 2>/dev/null
    if [ -f "$XDG_RUNTIME_DIR/pulse/pid" ]; then
        kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null
    fi
    sleep 0.5
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=test_sink rate=44100" 2>/dev/null || exit 1
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink test_sink
# Without a low-latency client the null sink runs at 2 s latency.
pacat -r --latency-msec=20 -d test_sink.monitor >/dev/null &
keeper=$!
sleep 2.5
"$@"
