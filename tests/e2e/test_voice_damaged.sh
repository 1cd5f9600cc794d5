#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A voice whose suffix is written in capitals loads and speaks. A voice file cut short (a broken
# download or copy) is reported in an "Error" box and the clock starts anyway, without speech;
# it used to kill the program at every start (SIGBUS).
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_assert_file "$plugins/RecordingVoice.so" "test voice"
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).SO"
voice_dir=$(dirname "$QL_PROGRAM")/voice
export QL_TEST_VOICE_LOG=$QL_TMP/voice.log
: >"$QL_TEST_VOICE_LOG"

# Global shortcut on, announcements off.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"SNumSettings"="15000000004040"
"CurrentVer"="2.6"
STORE

calls() { grep -c "^begin " "$QL_TEST_VOICE_LOG"; }
calls_are() { [[ $(calls) == "$1" ]]; }
error_box_or_exit() { ql_find_window Error || ! ql_pid_alive "$QL_PID"; }

ql_log "voice file with a capital suffix"
ql_start_program
main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window"
ql_sleep 1
ql_find_window Error >/dev/null && ql_fail "the voice \"Test (Recorder).SO\" was reported as broken"
xdotool key ctrl+alt+s
ql_wait_until 5 calls_are 1 || ql_fail "Ctrl+Alt+S did not reach the voice"
ql_stop_program
ql_assert_clean_exit

ql_log "voice file cut inside its code"
rm -f "$voice_dir"/*
head -c 8192 "$plugins/RecordingVoice.so" >"$voice_dir/Test (Recorder).so"
: >"$QL_TEST_VOICE_LOG"
ql_start_program
ql_wait_until 20 error_box_or_exit >/dev/null
if ! ql_pid_alive "$QL_PID"; then
    ql_reap
    ql_fail "the program ended at start with a damaged voice (status $QL_EXIT_STATUS)"
fi
box=$(ql_find_window Error) || ql_fail "no \"Error\" box for the damaged voice"
ql_screenshot "$QL_TMP/damaged-voice.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/damaged-voice.png" "$QL_SHOTS/"
ql_window_key "$box" Return
ql_wait_until 5 ql_not ql_find_window Error || ql_fail "the error box did not close"
main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window after the error box"
ql_sleep 0.5
xdotool key ctrl+alt+s
ql_sleep 1
ql_assert_eq 0 "$(calls)" "voice calls with speech unavailable"
ql_find_window Error >/dev/null && ql_fail "a second error box appeared"
ql_stop_program
ql_assert_clean_exit
