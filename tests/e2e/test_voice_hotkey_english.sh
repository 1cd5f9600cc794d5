#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real English voice speaks on Ctrl+Alt+S: the sink's monitor hears speech that starts
# within half a second of the key.
source "$(dirname "$0")/env.sh"
ql_env_start

ql_install_english_voice

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000010"
"SNumSettings"="60000000006540"
"CurrentVer"="2.6"
STORE

ql_start_program
ql_wait_program_ready
grep -q "hot key" "$QL_PROGRAM_ERR" && ql_fail "the hot key was not grabbed: $(cat "$QL_PROGRAM_ERR")"

ql_record_start "$QL_TMP/speech.wav"
started=$(ql_now_us)
ql_sleep 1.5 # the recording runs before the key, so its start is not lost
pressed=$(ql_now_us)
xdotool key ctrl+alt+s
ql_sleep 4
ql_record_stop

ql_assert_sound "$QL_TMP/speech.wav" "speech on Ctrl+Alt+S"
# First 10 ms window above -40 dBFS, in microseconds from the start of the recording.
onset=$(sox "$QL_TMP/speech.wav" -t dat -c 1 - 2>/dev/null | awk '
    /^;/ { next }
    { if ($2 > 0.01 || $2 < -0.01) { printf "%d\n", $1 * 1000000; exit } }')
[[ -n $onset ]] || ql_fail "no speech found in the recording"
latency=$((onset - (pressed - started)))
ql_log "speech began $((latency / 1000)) ms after the key"
((latency < 500000)) || ql_fail "speech began $((latency / 1000)) ms after the key (limit 500 ms)"
seconds=$(ql_sound_seconds "$QL_TMP/speech.wav")
ql_stop_program
ql_assert_clean_exit
ql_log "recorded $seconds s"
