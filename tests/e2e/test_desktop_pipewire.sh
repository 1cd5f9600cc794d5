#!/usr/bin/env bash
# PipeWire through pipewire-pulse: Ctrl+Alt+S speaks the time with a real voice (recorded on the
# sink's monitor); while it speaks the sink is at the speech volume, afterwards back where it was.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
source "$QL_E2E_DIR/lib/pipewire.sh"
ql_env_start --no-sound
ql_start_pipewire

voice=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/voice/English\ \(Mike\).so
ql_private_install "$voice":"English (Mike).so"
# Global shortcut on, announcements off, speech volume 40 (40000 of 65535 on both channels).
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"SNumSettings"="15000000004040"
"CurrentVer"="2.6"
STORE
pactl set-sink-volume test_sink 19661 || ql_fail "cannot set the sink volume" # 30 %

# "left right" raw volumes of the null sink (65536 = 100 %).
sink_volume() {
    pactl get-sink-volume test_sink | awk '
        { for (i = 1; i < NF; i++) { if ($i == "front-left:") l = $(i + 1); if ($i == "front-right:") r = $(i + 1) } }
        END { print l, r }'
}
# True when both channels are within 2 of the raw value (the mixer rounds between scales).
sink_volume_is() {
    local l r
    read -r l r <<<"$(sink_volume)"
    ((l >= $1 - 2 && l <= $1 + 2 && r >= $1 - 2 && r <= $1 + 2))
}

ql_start_program
ql_wait_program_ready
ql_record_start "$QL_TMP/speech.wav"
ql_sleep 0.5
xdotool key ctrl+alt+s
speech=$((40000 * 65536 / 65535))
ql_wait_until 3 sink_volume_is "$speech" || ql_fail "volume while speaking: $(sink_volume), want $speech"
ql_wait_until 10 sink_volume_is 19661 || ql_fail "volume after speaking: $(sink_volume), want 19661"
ql_record_stop
ql_assert_sound "$QL_TMP/speech.wav" "speech on PipeWire"
ql_stop_program
ql_assert_clean_exit
grep -q 'no sound output' "$QL_PROGRAM_ERR" && ql_fail "PipeWire was not reached: $(cat "$QL_PROGRAM_ERR")"
exit 0
