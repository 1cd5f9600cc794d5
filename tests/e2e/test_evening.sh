#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One Monday evening, heard, with the clock in the tray: announcements every minute with the
# chime, quiet 20:02-20:05, and a Monday alarm at 20:03 (inside the quiet time, which never
# silences it) snoozed once for one minute. Each announcement is the chime alone, then the voice;
# none is heard in the quiet time; the alarm rings, Alt+S silences it, and it rings again one
# minute after the snooze. The next Monday the clock jumps over 20:03: nothing rings and a real
# notification server (notification-daemon) gets "Alarm at 20:03 was missed"; a week later, with
# no server, the same jump opens no window and the Monday after the alarm rings again.
# Then the night clocks go back in Berlin: 02:59 summer time is followed by 02:00 winter time,
# and that second 02:00 is announced (hourly), with its chime, as the clock face shows it.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/sound_bursts.sh"
source "$QL_E2E_DIR/lib/dbus.sh"

server=/usr/lib/notification-daemon/notification-daemon
[[ -x $server ]] || ql_fail "notification-daemon is not installed"
ql_env_start
ql_install_english_voice
ql_start_session_bus
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" \
    "type='method_return'" >"$QL_TMP/notify.log" 2>&1 &
ql_track dbus-monitor $!
"$server" >"$QL_TMP/notification-daemon.log" 2>&1 &
server_pid=$!
ql_track notification-daemon "$server_pid"
ql_wait_until 10 ql_bus_has org.freedesktop.Notifications || ql_fail "no notification server"
# In the tray, 24-hour, announce on, alarm on at 20:03 with sound 2 (Lazer) every 3 s, speech
# volume 40.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="101110000000"
"LNumSettings"="01000100010000030255"
"SNumSettings"="01200300024040"
"QuietHours"="20022005"
"AnnounceDays"="127"
"AlarmDays"="1"
"SnoozeMinutes"="1"
"Chime"="1"
"CurrentVer"="2.6"
STORE
clock=$QL_TMP/clock
rec=$QL_TMP/evening.wav
began=
# at TIME: moves the clock and notes when, in seconds into the recording.
declare -A heard_at=()
mark() { heard_at[$1]=$(awk -v n="$(ql_now_us)" -v b="$began" 'BEGIN { printf "%.2f", (n - b) / 1e6 }'); }
at() {
    echo "2026-12-07 $1" >"$clock"
    [[ -z $began ]] || mark "$1"
}
# on DAY TIME: a later day of December, without a mark.
on() {
    echo "2026-12-$1 $2" >"$clock"
    ql_sleep 1.5 # a tick or two
}
no_alert() { ! ql_find_window "Alarm!" >/dev/null; }

at 20:00:50
ql_start_program --clock-file "$clock"
ql_wait_program_ready
ql_sleep 3 # whatever start-up said is over
ql_record_start "$rec"
began=$(ql_now_us)
ql_sleep 0.5
at 20:01:00
ql_sleep 6
at 20:02:00 # quiet
ql_sleep 3
at 20:03:00 # quiet, but the alarm rings
alert=$(ql_wait_window "Alarm!" 15) || ql_fail "no alert at 20:03"
ql_sleep 4
ql_window_key "$alert" alt+s
ql_wait_until 5 no_alert || ql_fail "Alt+S did not close the alert"
ql_find_window "Multilingual Quorlan" >/dev/null && ql_fail "the main window should stay in the tray"
mark snoozed
at 20:03:05 # the snooze counts from here
ql_sleep 3
at 20:04:04
ql_sleep 2
no_alert || ql_fail "the snoozed alarm rang before its minute"
at 20:04:05
alert=$(ql_wait_window "Alarm!" 10) || ql_fail "the snoozed alarm did not ring again"
ql_sleep 4
ql_window_key "$alert" Return
ql_wait_until 5 no_alert || ql_fail "Return did not confirm the alert"
ql_sleep 1
at 20:05:00 # quiet time is over
ql_sleep 6
ql_record_stop
[[ -n ${QL_SHOTS:-} ]] && cp "$rec" "$QL_SHOTS/evening.wav"

# The next Monday, asleep over the alarm minute (all of it quiet time).
on 14 20:02:58
on 14 20:04:30
popup() { xdotool search --onlyvisible --pid "$server_pid" >/dev/null 2>&1; }
ql_wait_until 10 popup || ql_fail "the notification server showed nothing"
ql_screenshot "$QL_TMP/missed.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/missed.png" "$QL_SHOTS/"
# The call as the server got it, and its answer (the notification's id) to the clock.
call=$(grep -A8 'member=Notify' "$QL_TMP/notify.log" | grep -o 'string "[^"]*"' | head -n 4)
ql_assert_eq 'string "Quorlan Lite"
string "org.vessantry.QuorlanLite"
string "Alarm at 20:03 was missed"
string "The computer was asleep or its clock was changed."' "$call" "the Notify call"
sender=$(grep -m1 'member=Notify' "$QL_TMP/notify.log" | grep -o 'sender=[^ ]*' | cut -d= -f2)
grep -A1 "method return .*destination=$sender serial" "$QL_TMP/notify.log" | grep -q 'uint32 [1-9]' ||
    ql_fail "the server did not answer the clock: $(cat "$QL_TMP/notify.log")"
no_alert || ql_fail "a missed alarm must not ring"

# A week later, no notification server: the same jump.
ql_stop_pid "$server_pid" 5
ql_wait_until 5 ql_not ql_bus_has org.freedesktop.Notifications || ql_fail "the server did not stop"
windows() { xdotool search --onlyvisible --pid "$QL_PID" 2>/dev/null | sort; }
before=$(windows)
on 21 20:02:58
on 21 20:04:30
ql_sleep 1.5
ql_assert_eq "$before" "$(windows)" "windows after a missed alarm with no server"
lines=$(grep -c "notification" "$QL_PROGRAM_ERR")
((lines <= 1)) || ql_fail "$lines lines on stderr: $(cat "$QL_PROGRAM_ERR")"
echo "2026-12-28 20:03:00" >"$clock"
alert=$(ql_wait_window "Alarm!" 10) || ql_fail "the clock stopped after the missed alarm"
ql_window_key "$alert" Return
ql_wait_until 5 no_alert || ql_fail "Return did not confirm the alert a week on"
ql_stop_program
ql_assert_clean_exit

mapfile -t bursts < <(ql_sound_bursts "$rec")
ql_log "clock moved at: $(for t in "${!heard_at[@]}"; do echo -n "$t=${heard_at[$t]} "; done)"
ql_log "sounds heard (start end): ${bursts[*]/%/;}"
# The sounds that began in [from, to) seconds into the recording.
sounds_between() {
    local b
    for b in "${bursts[@]}"; do
        awk -v s="${b% *}" -v f="$1" -v t="$2" 'BEGIN { exit !(s >= f && s < t) }' && echo "$b"
    done
}
# chime_share START LENGTH [FILE]: how much of the sound is the chime's two notes (E6, C6), 0 to 1.
chime_share() {
    local all part file=${3:-$rec}
    all=$(sox "$file" -n trim "$1" "$2" stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }')
    part=$(sox "$file" -n trim "$1" "$2" sinc 1000-1400 stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }')
    awk -v a="$all" -v p="$part" 'BEGIN { printf "%.2f", (a > 0 ? p / a : 0) }'
}
loud() { sox "$rec" -n trim "$1" "$2" stat 2>&1 | awk '/^RMS +amplitude/ { exit !($3 > 0.01) }'; }
chime_file=$QL_SOURCE_DIR/assets/sounds/Chime.wav
chime=$(soxi -D "$chime_file")
alone=$(chime_share 0 0.8 "$chime_file") # the chime as made, with nothing over it
# An announcement: one stretch of sound (chime and voice follow each other closely), its first
# part the chime alone, then a voice that is no chime, ending well after the chime would.
assert_announcement() {
    local found start end share voice
    found=$(sounds_between "$1" "$2")
    [[ $(wc -l <<<"$found") == 1 && -n $found ]] || ql_fail "$3: expected one announcement, heard: $found"
    read -r start end <<<"$found"
    share=$(chime_share "$start" 0.8)
    voice=$(awk -v s="$start" -v c="$chime" 'BEGIN { printf "%.2f", s + c + 0.1 }')
    ql_log "$3: $start..$end s, chime share $share at first, $(chime_share "$voice" 0.8) after it"
    awk -v x="$share" -v a="$alone" 'BEGIN { exit !(x > a - 0.1) }' ||
        ql_fail "$3 does not begin with the chime alone (share $share, the chime's own $alone)"
    loud "$voice" 0.8 || ql_fail "$3: nothing spoken after the chime"
    awk -v x="$(chime_share "$voice" 0.8)" -v a="$alone" 'BEGIN { exit !(x < a - 0.2) }' ||
        ql_fail "$3: what follows the chime is not a voice"
    awk -v s="$start" -v e="$end" -v c="$chime" 'BEGIN { exit !(e - s > c + 0.5) }' ||
        ql_fail "$3 is too short for a chime and a voice"
}
# The alarm rang: the minutes are quiet, so any sound there is the alarm's.
assert_rings() { [[ -n $(sounds_between "$1" "$2") ]] || ql_fail "$3: the alarm was not heard"; }

assert_announcement "${heard_at[20:01:00]}" "${heard_at[20:02:00]}" "the 20:01 announcement"
[[ -z $(sounds_between "${heard_at[20:02:00]}" "${heard_at[20:03:00]}") ]] ||
    ql_fail "sound in the quiet time at 20:02"
assert_rings "${heard_at[20:03:00]}" "${heard_at[snoozed]}" "at 20:03"
[[ -z $(sounds_between "${heard_at[snoozed]}" "${heard_at[20:04:05]}") ]] ||
    ql_fail "sound while snoozed (quiet 20:04 included)"
assert_rings "${heard_at[20:04:05]}" "${heard_at[20:05:00]}" "after the snooze"
assert_announcement "${heard_at[20:05:00]}" 1e9 "the 20:05 announcement"

# 00:59:57 UTC on 2026-10-25 is 02:59:57 summer time; three seconds later it is 02:00 again.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="001100000000"
"SNumSettings"="60000000024040"
"Chime"="1"
"CurrentVer"="2.6"
STORE
rec=$QL_TMP/fall-back.wav
TZ=Europe/Berlin ql_start_program -f "$(printf '%+d' $(($(date -d '2026-10-25 00:59:57Z' +%s) - $(date +%s))))"
ql_record_start "$rec"
ql_wait_program_ready
ql_sleep 9
ql_record_stop
ql_stop_program
ql_assert_clean_exit
mapfile -t bursts < <(ql_sound_bursts "$rec")
ql_log "fall-back night, sounds heard (start end): ${bursts[*]/%/;}"
assert_announcement 0 1e9 "the second 02:00"
exit 0
