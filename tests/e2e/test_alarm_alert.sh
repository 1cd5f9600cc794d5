#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The alarm at its minute: the "Alarm!" window appears, the chosen built-in sound (Whistle) is
# heard at once and again every 4 s, Return confirms it, and it does not come back in that minute.
# The clock starts in the notification area: the alert must show without its main window.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/sound_bursts.sh"

REPEAT=4
ql_env_start
# Start in the tray, 24-hour clock, alarm on at 07:30, sound 3 (Whistle), repeated every 4 s.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="101010000000"
"LNumSettings"="01000100010000040255"
"SNumSettings"="60073000034040"
"CurrentVer"="2.6"
STORE

ql_record_start "$QL_TMP/alarm.wav"
# The faketime command runs the program as its child, so the PID would not be the program's:
# preload the library directly. The clock starts at 07:29:56; timers run at real speed.
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[[ -n $faketime_lib ]] || ql_fail "libfaketime is not installed"
LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-07 07:29:56' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    ql_start_program
ql_wait_program_ready
# Without voice plug-ins the start-up reports it in a message box; the clock starts after it.
if error=$(ql_wait_window "Error" 2); then
    ql_log "dismissing a start-up message box"
    ql_window_key "$error" Return
fi
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "the alert did not appear at 07:30"
ql_log "alert window $alert at $(ql_window_info "$alert")"
ql_find_window "Multilingual Quorlan" >/dev/null && ql_fail "the main window should stay in the tray"
ql_sleep 9.5 # sounds at 0, 4 and 8 s
ql_screenshot "$QL_TMP/alert.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/alert.png" "$QL_SHOTS/"

# Centred on the 1280 x 1024 screen (the window manager's frame aside), at its size.
read -r x y w h m <<<"$(ql_window_info "$alert")"
ql_assert_eq "219 130" "$w $h" "alert client size"
((x + w / 2 >= 600 && x + w / 2 <= 680)) || ql_fail "alert not centred across: x=$x"

ql_window_key "$alert" Return
ql_wait_until 5 ql_not ql_find_window "Alarm!" || ql_fail "Return did not confirm the alert"
confirmed_at=$(ql_now_us)
ql_sleep 8 # still within 07:30: it must stay away, and so must the sound
ql_find_window "Alarm!" >/dev/null && ql_fail "the alert came back within its minute"
ql_record_stop

mapfile -t bursts < <(ql_sound_bursts "$QL_TMP/alarm.wav")
ql_log "sounds heard (start end): ${bursts[*]/%/;}"
((${#bursts[@]} >= 3)) || ql_fail "expected the sound at least 3 times, heard ${#bursts[@]}"
whistle=$(soxi -D "$QL_SOURCE_DIR/assets/sounds/Whistle.wav")
prev=
for b in "${bursts[@]}"; do
    read -r start end <<<"$b"
    # Each sound is the whole Whistle, not another built-in one (0.46 to 2.6 s long).
    awk -v s="$start" -v e="$end" -v len="$whistle" 'BEGIN { d = e - s; exit !(d > len - 0.3 && d < len + 0.2) }' ||
        ql_fail "a sound of $start..$end s is not the Whistle ($whistle s)"
    if [[ -n $prev ]]; then
        awk -v a="$prev" -v b="$start" -v r="$REPEAT" 'BEGIN { exit !(b - a > r - 0.3 && b - a < r + 0.3) }' ||
            ql_fail "sounds at $prev and $start s are not $REPEAT s apart"
    fi
    prev=$start
done
# Nothing after the confirmation but the end of the sound already playing.
last_end=${bursts[-1]#* }
rec_len=$(ql_sound_seconds "$QL_TMP/alarm.wav")
awk -v e="$last_end" -v l="$rec_len" 'BEGIN { exit !(l - e > 5) }' ||
    ql_fail "sound went on after Return (last sound ends at $last_end s of $rec_len s)"
ql_pid_alive "$QL_PID" || ql_fail "the program ended"
ql_stop_program
ql_assert_clean_exit
