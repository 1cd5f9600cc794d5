#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ctrl+Alt+S pressed twice in quick succession speaks the time once, the voice given the speech
# volume as its gain (40 -> 40000 of 65535). The desktop's volume is never touched: not while
# speaking, not when the user changes it meanwhile, not after the clock has gone.
source "$(dirname "$0")/env.sh"
ql_env_start

plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_assert_file "$plugins/RecordingVoice.so" "test voice"
# The voice folder sits beside the program file: a private copy with only the test voice.
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"
export QL_TEST_VOICE_LOG=$QL_TMP/voice.log QL_TEST_VOICE_SLEEP_MS=3000
: >"$QL_TEST_VOICE_LOG"

# Global shortcut on, announcements off, speech volume 40.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"SNumSettings"="15000000004040"
"CurrentVer"="2.6"
STORE
pactl set-sink-volume test_sink 19661 || ql_fail "cannot set the sink volume" # 30 %

source "$QL_E2E_DIR/lib/speech_volume.sh"
calls() { grep -c "^$1 " "$QL_TEST_VOICE_LOG"; }
calls_are() { [[ $(calls "$1") == "$2" ]]; }

ql_start_program
ql_wait_program_ready
grep -q "hot key" "$QL_PROGRAM_ERR" && ql_fail "the hot key was not grabbed: $(cat "$QL_PROGRAM_ERR")"

xdotool key ctrl+alt+s
xdotool key ctrl+alt+s
ql_wait_until 5 calls_are begin 1 || ql_fail "Ctrl+Alt+S did not reach the voice"
[[ $(ql_sink_volume) == "19661 19661" ]] || ql_fail "volume while speaking: $(ql_sink_volume)"
grep -q '^begin [0-9]* 0.6104$' "$QL_TEST_VOICE_LOG" ||
    ql_fail "the voice was not given the gain 0.6104: $(cat "$QL_TEST_VOICE_LOG")"
calls_are end 0 || ql_fail "the voice had already finished while the volume was checked"
pactl set-sink-volume test_sink 52429 # the user turns the desktop up to 80 % meanwhile

ql_wait_until 6 calls_are end 1 || ql_fail "the announcement did not end"
ql_sleep 0.5
[[ $(ql_sink_volume) == "52429 52429" ]] || ql_fail "volume after speaking: $(ql_sink_volume), want the user's 52429"
ql_sleep 1 # a queued second request would start now
ql_assert_eq 1 "$(calls begin)" "announcements for two presses during one"

# Once idle, the key speaks again.
xdotool key ctrl+alt+s
ql_wait_until 5 calls_are begin 2 || ql_fail "a press after the announcement did not speak"
ql_wait_until 6 calls_are end 2 || ql_fail "the second announcement did not end"
ql_stop_program
ql_assert_clean_exit
[[ $(ql_sink_volume) == "52429 52429" ]] || ql_fail "volume after the clock ended: $(ql_sink_volume)"
