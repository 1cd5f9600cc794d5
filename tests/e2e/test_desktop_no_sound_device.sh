#!/usr/bin/env bash
# A machine with no sound device at all (an ALSA configuration of its own that defines no
# output): the clock says once that no sound output could be opened, speaking with a real voice
# neither hangs nor repeats the message, and SIGTERM still ends the clock at once.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

: >"$QL_TMP/alsa.conf" # no "default" PCM, no cards
export ALSA_CONFIG_PATH=$QL_TMP/alsa.conf

voice=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/voice/English\ \(Mike\).so
ql_private_install "$voice":"English (Mike).so"
# Global shortcut on, announcements off.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"CurrentVer"="2.6"
STORE

reports() { grep -c 'no sound output could be opened' "$QL_PROGRAM_ERR"; }

ql_start_program
ql_wait_program_ready
xdotool key ctrl+alt+s
ql_wait_until 10 test "$(reports)" -ge 1 || ql_fail "no report of the missing sound output"
ql_sleep 1
xdotool key ctrl+alt+s
ql_sleep 2
ql_pid_alive "$QL_PID" || ql_fail "the clock ended without a sound device"
ql_stop_program 3
ql_assert_clean_exit
ql_assert_eq 1 "$(reports)" "reports of the missing sound output"
