# SPDX-License-Identifier: GPL-3.0-or-later
# PipeWire as desktops ship it: the daemon, WirePlumber as its session manager and pipewire-pulse
# for PulseAudio clients (ALSA "default" reaches it through the pulse plugin), with a null sink.
# Sourced by the tests that need it, after env.sh and lib/dbus.sh.

ql_start_pipewire() {
    ql_start_session_bus # WirePlumber keeps its state on the session bus
    pipewire >"$QL_TMP/pipewire.log" 2>&1 &
    ql_track pipewire $!
    ql_wait_until 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || ql_fail "PipeWire did not start within 10 s"
    wireplumber >"$QL_TMP/wireplumber.log" 2>&1 &
    ql_track wireplumber $!
    pipewire-pulse >"$QL_TMP/pipewire-pulse.log" 2>&1 &
    ql_track pipewire-pulse $!
    ql_wait_until 15 ql_pulse_ready || ql_fail "pipewire-pulse did not answer within 15 s"
    pactl info | grep -q 'on PipeWire' || ql_fail "the PulseAudio server is not PipeWire: $(pactl info)"
    pactl load-module module-null-sink sink_name=test_sink rate=44100 >/dev/null ||
        ql_fail "could not load a null sink"
    ql_wait_until 5 ql_has_test_sink || ql_fail "the null sink did not appear"
    pactl set-default-sink test_sink || ql_fail "could not make test_sink the default sink"
    pacat -r --latency-msec=20 -d test_sink.monitor >/dev/null 2>&1 &
    ql_track pulse-keeper $!
    ql_sleep 1
}

ql_has_test_sink() { pactl list short sinks | grep -q $'\ttest_sink\t'; }
