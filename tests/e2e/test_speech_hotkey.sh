#!/usr/bin/env bash
# Ctrl+Alt+S pressed twice in quick succession speaks the time once. While the voice speaks the
# default sink is at the speech volume; afterwards it is back at the volume found at start-up.
source "$(dirname "$0")/env.sh"
ql_env_start

plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_assert_file "$plugins/RecordingVoice.so" "test voice"
# The voice folder sits beside the program file: a private copy with only the test voice.
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"
export QL_TEST_VOICE_LOG=$QL_TMP/voice.log QL_TEST_VOICE_SLEEP_MS=3000
: >"$QL_TEST_VOICE_LOG"

# Global shortcut on, announcements off, speech volume 40 (40000 of 65535 on both channels).
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"SNumSettings"="15000000004040"
"CurrentVer"="2.6"
STORE
pactl set-sink-volume test_sink 19661 || ql_fail "cannot set the sink volume" # 30 %

# "left right" raw volumes of the null sink (PulseAudio's scale: 65536 = 100 %).
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
calls() { grep -c "^$1 " "$QL_TEST_VOICE_LOG"; }
calls_are() { [[ $(calls "$1") == "$2" ]]; }

ql_start_program
ql_wait_program_ready
grep -q "hot key" "$QL_PROGRAM_ERR" && ql_fail "the hot key was not grabbed: $(cat "$QL_PROGRAM_ERR")"

xdotool key ctrl+alt+s
xdotool key ctrl+alt+s
ql_wait_until 5 calls_are begin 1 || ql_fail "Ctrl+Alt+S did not reach the voice"
speech=$((40000 * 65536 / 65535))
ql_wait_until 1 sink_volume_is "$speech" || ql_fail "volume while speaking: $(sink_volume), want $speech"
calls_are end 0 || ql_fail "the voice had already finished while the volume was checked"

ql_wait_until 6 calls_are end 1 || ql_fail "the announcement did not end"
ql_wait_until 2 sink_volume_is 19661 || ql_fail "volume after speaking: $(sink_volume), want 19661"
ql_sleep 1 # a queued second request would start now
ql_assert_eq 1 "$(calls begin)" "announcements for two presses during one"

# Once idle, the key speaks again.
xdotool key ctrl+alt+s
ql_wait_until 5 calls_are begin 2 || ql_fail "a press after the announcement did not speak"
ql_wait_until 6 calls_are end 2 || ql_fail "the second announcement did not end"
ql_stop_program
ql_assert_clean_exit
