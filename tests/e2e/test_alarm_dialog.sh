#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The alarm dialog from the main window's alarm button, driven by the keyboard: switch the alarm
# on, enter 7:05 AM over a stored 6:40 PM, and, going backwards into the later options, snooze one
# minute longer, the chime on, no alarm on Sundays; confirm with Return; the settings saved at exit
# hold them all.
source "$(dirname "$0")/env.sh"

ql_env_start --no-sound
# 12-hour clock, alarm off at 18:40, sound 1, not a first run.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"LNumSettings"="01000100010000030255"
"SNumSettings"="15184000014040"
"CurrentVer"="2.6"
STORE

ql_start_program
ql_wait_program_ready
# Without voice plug-ins the start-up reports it in a message box; the clock starts after it.
if error=$(ql_wait_window "Error" 2); then
    ql_log "dismissing a start-up message box"
    ql_window_key "$error" Return
fi
main=$(ql_wait_window "Multilingual Quorlan" 10) || ql_fail "the main window did not appear"
read -r mx my mw mh mm <<<"$(ql_window_info "$main")"
xdotool mousemove $((mx + 30)) $((my + 113)) click 1 # AlarmButton at (10, 102), 40 x 22
dialog=$(ql_wait_window "Alarm and announce settings" 10) || ql_fail "the alarm button opened no dialog"
read -r x y w h m <<<"$(ql_window_info "$dialog")"
ql_assert_eq "332 470" "$w $h" "dialog client size"
((x + w / 2 >= 600 && x + w / 2 <= 680)) || ql_fail "dialog not centred across: x=$x"
ql_sleep 0.5
ql_screenshot "$QL_TMP/dialog.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/dialog.png" "$QL_SHOTS/"

# From the first control back to the snooze arrows, the chime and Sunday's alarm box, then back.
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key --clearmodifiers shift+Tab Up shift+Tab shift+Tab space shift+Tab space Tab Tab Tab Tab

# Tab order: AlarmCheck, HourEdit, HourUpDown, MinEdit, MinUpDown, then the AM/PM pair, where
# the stored 18:40 checked PM; space checks AM.
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key --clearmodifiers space Tab ctrl+a 7 Tab Tab ctrl+a 5 Tab Tab space
ql_sleep 0.3
ql_find_window "Error" >/dev/null && ql_fail "valid input raised a validation message"
xdotool key --clearmodifiers Return
ql_wait_until 5 ql_not ql_find_window "Alarm and announce settings" || ql_fail "Return did not confirm"

ql_stop_program
ql_assert_clean_exit
short=$(ql_store_value "$Q_LITE" SNumSettings) || ql_fail "no SNumSettings saved"
flags=$(ql_store_value "$Q_LITE" BinSettings) || ql_fail "no BinSettings saved"
ql_assert_eq "0705" "${short:2:4}" "alarm hour and minute saved"
ql_assert_eq "1" "${flags:4:1}" "alarm switched on"
ql_assert_eq "15" "${short:0:2}" "announcement interval kept"
ql_assert_eq "10 1 63" "$(ql_store_value "$Q_LITE" SnoozeMinutes) $(ql_store_value "$Q_LITE" Chime) \
$(ql_store_value "$Q_LITE" AlarmDays)" "snooze, chime and alarm days saved"

# The alert over the open dialog, confirmed with Return: the keyboard goes back to the dialog, so
# Escape reaches it and closes it. Alarm on at 06:30, no sound.
export FAKETIME_DONT_FAKE_MONOTONIC=1
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000010000000"
"LNumSettings"="01000100010000030255"
"SNumSettings"="15063000064040"
"CurrentVer"="2.6"
STORE
ql_start_program -f '@2026-12-07 06:29:52'
ql_wait_program_ready
main=$(ql_wait_window "Multilingual Quorlan" 10) || ql_fail "the main window did not appear"
read -r mx my mw mh mm <<<"$(ql_window_info "$main")"
xdotool mousemove $((mx + 30)) $((my + 113)) click 1
dialog=$(ql_wait_window "Alarm and announce settings" 10) || ql_fail "the alarm button opened no dialog"
alert=$(ql_wait_window 'Alarm!' 20) || ql_fail "no alert at 06:30"
ql_sleep 0.5
xdotool windowactivate --sync "$alert" >/dev/null 2>&1
xdotool key --clearmodifiers Return
ql_wait_until 5 ql_not ql_find_window 'Alarm!' || ql_fail "Return did not confirm the alert"
ql_sleep 0.5
xdotool key --clearmodifiers Escape # wherever the keyboard is now
ql_wait_until 5 ql_not ql_find_window "Alarm and announce settings" ||
    ql_fail "Escape did not reach the alarm dialog after the alert"
ql_stop_program
ql_assert_clean_exit
