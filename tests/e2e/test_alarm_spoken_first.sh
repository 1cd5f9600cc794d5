#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Alarm with the time spoken first: the voice plug-in speaks before the first sound (Lazer), the
# sound then repeats every 3 s, and the desktop's volume is left as it was. A voice that never
# returns delays the sound by 8 s at most, freezes nothing, and a log-off still ends the clock.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/sound_bursts.sh"
source "$QL_E2E_DIR/lib/face.sh"
source "$QL_E2E_DIR/lib/modal.sh"
source "$QL_E2E_DIR/lib/speech_volume.sh"

REPEAT=3
ql_env_start
[[ -n $(ls "$(dirname "$QL_PROGRAM")/voice/"*.so 2>/dev/null) ]] || ql_fail "no voice plug-ins built"
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[[ -n $faketime_lib ]] || ql_fail "libfaketime is not installed"
# Alarm on at 07:30 with the time spoken first, sound 2 (Lazer) every 3 s, speech volume 40.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="001010000100"
"LNumSettings"="01000100010000030255"
"SNumSettings"="60073000024040"
"CurrentVer"="2.6"
STORE
pactl set-sink-volume test_sink 65536

ql_record_start "$QL_TMP/alarm.wav"
recording_began=$(ql_now_us)
# The faketime command would run the program as its child: preload the library instead.
LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-07 07:29:58' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    ql_start_program
ql_wait_program_ready
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "the alert did not appear at 07:30"
ql_sleep 12 # speech, then the sound about three times
confirmed=$(ql_now_us)
ql_window_key "$alert" Return
ql_wait_until 10 ql_not ql_find_window "Alarm!" || ql_fail "Return did not confirm the alert"
ql_record_stop
volume=$(ql_sink_volume)
ql_stop_program
ql_assert_clean_exit

mapfile -t bursts < <(ql_sound_bursts "$QL_TMP/alarm.wav")
ql_log "sounds heard (start end): ${bursts[*]/%/;}"
# The burst finder trims the quiet tail, so a whole Lazer measures about 0.1 s short (Yipe is 0.56 s).
lazer=$(soxi -D "$QL_SOURCE_DIR/assets/sounds/Lazer.wav")
is_lazer() { awk -v s="$1" -v e="$2" -v len="$lazer" 'BEGIN { d = e - s; exit !(d > len - 0.16 && d < len + 0.06) }'; }
speech_end= first= prev= count=0
# A sound still playing when Return confirmed the alert is cut short: only whole ones count.
cut_at=$(awk -v c="$confirmed" -v r="$recording_began" 'BEGIN { printf "%.2f", (c - r) / 1e6 - 0.1 }')
for b in "${bursts[@]}"; do
    read -r start end <<<"$b"
    awk -v e="$end" -v c="$cut_at" 'BEGIN { exit !(e >= c) }' && break
    if [[ -z $first ]] && ! is_lazer "$start" "$end"; then
        speech_end=$end # words of the spoken time
        continue
    fi
    is_lazer "$start" "$end" || ql_fail "a sound of $start..$end s after the speech is not Lazer"
    [[ -z $first ]] && first=$start
    if [[ -n $prev ]]; then
        awk -v a="$prev" -v b="$start" -v r="$REPEAT" 'BEGIN { exit !(b - a > r - 0.3 && b - a < r + 0.3) }' ||
            ql_fail "sounds at $prev and $start s are not $REPEAT s apart"
    fi
    prev=$start count=$((count + 1))
done
[[ -n $speech_end ]] || ql_fail "nothing was spoken before the first sound"
((count >= 2)) || ql_fail "expected the sound at least twice after the speech, heard $count"
awk -v e="$speech_end" -v f="$first" 'BEGIN { exit !(f >= e) }' || ql_fail "the sound began before the speech ended"
ql_assert_eq "65536 65536" "$volume" "the desktop's volume after the alarm"
ql_assert_eq "65536 65536" "$(ql_sink_volume)" "the desktop's volume after the clock ended"

# The voice never returns: the first sound still comes within 9 s of the alert, the face and
# OK go on working, and SIGTERM ends the clock within the 5 s it waits for a voice, saved.
modal_install_voice 600000
modal_store 2.6 001010000100 60073000024040
ql_record_start "$QL_TMP/hang.wav"
recording_began=$(ql_now_us)
ql_start_program -f '@2026-12-07 07:29:58'
ql_wait_program_ready
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "the alert did not appear at 07:30 with a hanging voice"
alert_at=$(ql_now_us)
ql_wait_until 3 modal_calls_reach begin 1 || ql_fail "the time was not spoken before the alarm"
modal_assert_face_ticks "while the voice hangs"
ql_sleep 8
ql_window_key "$alert" Return
ql_wait_until 5 ql_not ql_find_window "Alarm!" || ql_fail "OK did not work while the voice hangs"
ql_record_stop
ql_stop_program 8
ql_assert_clean_exit
modal_assert_saved "after SIGTERM with a hanging voice"
read -r start _ < <(ql_sound_bursts "$QL_TMP/hang.wav")
[[ -n $start ]] || ql_fail "no alarm sound while the voice hangs"
late=$(awk -v s="$start" -v a="$alert_at" -v r="$recording_began" 'BEGIN { printf "%.2f", s - (a - r) / 1e6 }')
ql_log "first sound $late s after the alert appeared"
awk -v l="$late" 'BEGIN { exit !(l <= 9) }' || ql_fail "the first sound came $late s after the alert"
