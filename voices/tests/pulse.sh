# SPDX-License-Identifier: GPL-3.0-or-later
# A private PulseAudio daemon with a null sink "test_sink" for the voice end-to-end tests.
# Sourced; the sourcing script sets $work (its private XDG_RUNTIME_DIR), $keeper and fail().

start_pulse() {
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=test_sink rate=44100" 2>/dev/null || fail "no pulseaudio"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink test_sink >/dev/null || fail "pulseaudio did not answer"
    # Without a low-latency client the null sink runs at 2 s latency.
    pacat -r --latency-msec=20 -d test_sink.monitor >/dev/null &
    keeper=$!
    sleep 2.5
}

stop_pulse() {
    [ -n "$keeper" ] && kill "$keeper" 2>/dev/null && wait "$keeper" 2>/dev/null
    keeper=
    if [ -f "$work/pulse/pid" ]; then
        local pid
        pid=$(cat "$work/pulse/pid")
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
}
