#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The alarm dialog as a user meets it: one wrong character in the minute field gives exactly one
# "Error" box. An alarm stored without a sound keeps no sound through OK, saving and a restart:
# at its minute the "Alarm!" window shows and nothing is heard (it used to beep).
source "$(dirname "$0")/env.sh"
ql_env_start
# A voice that says nothing, so no start-up box stands in the way.
plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_assert_file "$plugins/RecordingVoice.so" "test voice"
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"
# 24-hour clock, alarm on at 07:30, sound 6 (none), repeated every second.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="001010000000"
"LNumSettings"="01000100010000010255"
"SNumSettings"="60073000064040"
"CurrentVer"="2.6"
STORE

# Viewable "Error" windows now.
error_boxes() {
    local id n=0 info
    for id in $(xdotool search --name '^Error$' 2>/dev/null); do
        info=$(ql_window_info "$id") || continue
        [[ $info == *IsViewable ]] && [[ $(ql_window_name "$id") == Error ]] && n=$((n + 1))
    done
    echo "$n"
}

ql_start_program
ql_wait_program_ready
main=$(ql_wait_window 'Multilingual Quorlan' 10) || ql_fail "no main window"
ql_window_key "$main" ctrl+a
dialog=$(ql_wait_window "Alarm and announce settings" 10) || ql_fail "Ctrl+A opened no dialog"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
# Focus starts on AlarmCheck; HourEdit, HourUpDown, then MinEdit.
xdotool key --clearmodifiers Tab Tab Tab ctrl+a a
ql_wait_until 5 ql_find_window Error >/dev/null || ql_fail "no box for a letter in the minute field"
ql_sleep 1
ql_assert_eq 1 "$(error_boxes)" "boxes open for one wrong character"
confirmed=0
while ((confirmed < 5)) && box=$(ql_find_window Error); do
    ql_window_key "$box" Return
    confirmed=$((confirmed + 1))
    ql_wait_until 3 ql_not ql_find_window Error
    ql_sleep 0.5 # a second box would open now
done
ql_assert_eq 1 "$confirmed" "boxes confirmed for one wrong character"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key --clearmodifiers 3 0 Return
ql_wait_until 5 ql_not ql_find_window "Alarm and announce settings" || ql_fail "Return did not confirm"
ql_stop_program
ql_assert_clean_exit
short=$(ql_store_value "$Q_LITE" SNumSettings) || ql_fail "no SNumSettings saved"
ql_assert_eq "0730" "${short:2:4}" "alarm time saved"
ql_assert_eq "06" "${short:8:2}" "alarm sound saved as no sound"

# Restarted a few seconds before the alarm minute; timers at real speed.
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[[ -n $faketime_lib ]] || ql_fail "libfaketime is not installed"
ql_record_start "$QL_TMP/alarm.wav"
LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-07 07:29:57' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    ql_start_program
ql_wait_program_ready
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "the alert did not appear at 07:30"
ql_sleep 3.5 # three repetitions would have sounded by now
ql_record_stop
ql_assert_silence "$QL_TMP/alarm.wav" "alarm without a sound"
ql_window_key "$alert" Return
ql_wait_until 5 ql_not ql_find_window "Alarm!" || ql_fail "Return did not confirm the alert"
ql_stop_program
ql_assert_clean_exit
