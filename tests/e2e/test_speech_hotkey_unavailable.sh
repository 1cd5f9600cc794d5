#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# When Ctrl+Alt+S cannot be had, the program says so once on stderr and runs on: a second copy
# finds the key held by the first (which keeps speaking on it), and a copy without X11 has none.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_assert_file "$plugins/RecordingVoice.so" "test voice"
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"
export QL_TEST_VOICE_LOG=$QL_TMP/voice.log
: >"$QL_TEST_VOICE_LOG"
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"CurrentVer"="2.6"
STORE

held='Ctrl+Alt+S is not available: another program holds it'
no_x11='Ctrl+Alt+S is not available: there is no X11 display'
count() { grep -c -F "$1" "$2"; }
spoken() { [[ $(grep -c '^end ' "$QL_TEST_VOICE_LOG") == "$1" ]]; }

ql_start_program
ql_wait_program_ready
first=$QL_PID first_err=$QL_PROGRAM_ERR
ql_track first-copy "$first"
QL_PID=
ql_start_program
ql_wait_program_ready
ql_sleep 1
ql_assert_eq 1 "$(count "$held" "$QL_PROGRAM_ERR")" "second copy: reports about the held key"
ql_assert_eq 0 "$(count "$held" "$first_err")" "first copy: reports about the held key"
xdotool key ctrl+alt+s
ql_wait_until 5 spoken 1 || ql_fail "the first copy did not speak on Ctrl+Alt+S"
ql_pid_alive "$QL_PID" || ql_fail "the second copy ended"
ql_stop_program
ql_assert_clean_exit
QL_PID=$first
ql_stop_program
ql_assert_clean_exit

# Without X11 (Qt's offscreen platform) the key stays inactive.
QT_QPA_PLATFORM=offscreen ql_start_program
ql_sleep 3
ql_pid_alive "$QL_PID" || ql_fail "the program ended on the offscreen platform"
ql_assert_eq 1 "$(count "$no_x11" "$QL_PROGRAM_ERR")" "offscreen: reports about the missing X11"
ql_stop_program
ql_assert_clean_exit
