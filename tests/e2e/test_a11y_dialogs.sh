#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings dialog, the alarm dialog and the alarm alert over AT-SPI, worked by the keyboard
# alone: every control named as a person would say it, Tab in the dialogs' order, the alert an
# alert, and the focus back where it was when each window closes. The face in 12-hour mode.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
source "$QL_E2E_DIR/lib/a11y.sh"
ql_env_start
ql_start_a11y_bus

# 12-hour face, alarm on at 14:26 on weekdays with the system beep, announcements off; quiet
# from 22:00 to 07:30, announcements only at weekends, snooze 15 minutes, chime on.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000010000000"
"LNumSettings"="02000300010000000255"
"SNumSettings"="15142600004040"
"QuietHours"="22000730"
"AnnounceDays"="96"
"AlarmDays"="31"
"SnoozeMinutes"="15"
"Chime"="1"
"CurrentVer"="2.6"
STORE
ql_start_a11y_program "2026-12-07 14:25:40"
ql_assert_match "^  label '2:25 PM, Monday 7' \[Alarm on, announcements off\]$" \
    "$(ql_a11y tree 'Multilingual Quorlan' | sed -n 2p)" "the 12-hour face"

xdotool windowactivate --sync "$main"
ql_assert_a11y_keys "into the settings dialog" Tab ctrl+s <<'KEYS'
push button 'Settings'
push button 'OK'
KEYS
ql_assert_a11y_tree 'Settings' <<'TREE'
dialog 'Settings'
  filler '' (focusable)
    layered pane ''
      filler ''
        check box 'Windowless (no title bar)' (focusable)
        check box '24 hr format' (focusable)
        check box 'Always on top' (focusable)
        check box 'Transparent buttons' (focusable)
        check box 'Transparent main window' (focusable)
        slider 'Transparency level' [Transparency level] = 255 (focusable)
        label 'Transp.'
        label 'Solid'
    page tab list 'Display options' (focusable)
      page tab 'Display options' (focusable, focused)
      page tab 'Program options' (focusable)
      page tab 'Sound options' (focusable)
  push button 'OK' (focusable, focused)
  push button 'Help' [Help] (focusable)
  push button 'Cancel' (focusable)
TREE
ql_assert_a11y_keys "Tab through the settings, to the volume" Tab Tab Tab Right Right Tab Escape <<'KEYS'
push button 'Cancel'
push button 'Help'
page tab list 'Display options'
page tab 'Program options'
page tab 'Sound options'
slider 'Speech volume'
push button 'Settings'
KEYS

ql_assert_a11y_keys "into the alarm dialog" ctrl+a <<'KEYS'
check box 'Alarm on'
KEYS
ql_assert_a11y_tree 'Alarm and announce settings' <<'TREE'
dialog 'Alarm and announce settings'
  panel 'Alarm'
    check box 'Alarm on' (focusable, focused, checked)
    label 'Hour'
    text 'Hour' (focusable)
    spin button 'Hour' = 2 (focusable)
      push button 'Up'
      push button 'Down'
    label 'Minute'
    text 'Minute' (focusable)
    spin button 'Minute' = 26 (focusable)
      push button 'Up'
      push button 'Down'
    radio button 'AM' (focusable)
    radio button 'PM' (focusable, checked)
  panel 'Announce'
    check box 'Announce time every' (focusable)
    text 'Announce time every (minutes)' (focusable)
    spin button 'Announce time every (minutes)' = 15 (focusable)
      push button 'Up'
      push button 'Down'
    label 'minutes'
  panel 'Alarm options'
    label 'Sound'
    combo box 'System beep' (focusable)
    push button 'Play current sound' [Play current sound] (focusable)
    label 'Sound interval'
    text 'Sound interval (seconds)' (focusable)
    spin button 'Sound interval (seconds)' = 0 (focusable)
      push button 'Up'
      push button 'Down'
    label 'seconds'
    label 'Wave file'
    text 'Wave file' (focusable)
    push button 'Browse...' (focusable)
    check box 'Announce the time before playing the sound' (focusable)
  push button 'OK' (focusable)
  push button 'Help' (focusable)
  push button 'Cancel' (focusable)
  panel 'More options'
    label 'Not between'
    text 'No announcements from (hour)' (focusable)
    spin button 'No announcements from (hour)' = 22 (focusable)
      push button 'Up'
      push button 'Down'
    label ':'
    text 'No announcements from (minute)' (focusable)
    spin button 'No announcements from (minute)' = 0 (focusable)
      push button 'Up'
      push button 'Down'
    label 'and'
    text 'No announcements until (hour)' (focusable)
    spin button 'No announcements until (hour)' = 7 (focusable)
      push button 'Up'
      push button 'Down'
    label ':'
    text 'No announcements until (minute)' (focusable)
    spin button 'No announcements until (minute)' = 30 (focusable)
      push button 'Up'
      push button 'Down'
    label 'Mon'
    label 'Tue'
    label 'Wed'
    label 'Thu'
    label 'Fri'
    label 'Sat'
    label 'Sun'
    label 'Only on'
    check box 'Announce on Monday' (focusable)
    check box 'Announce on Tuesday' (focusable)
    check box 'Announce on Wednesday' (focusable)
    check box 'Announce on Thursday' (focusable)
    check box 'Announce on Friday' (focusable)
    check box 'Announce on Saturday' (focusable, checked)
    check box 'Announce on Sunday' (focusable, checked)
    label 'Ring on'
    check box 'Ring on Monday' (focusable, checked)
    check box 'Ring on Tuesday' (focusable, checked)
    check box 'Ring on Wednesday' (focusable, checked)
    check box 'Ring on Thursday' (focusable, checked)
    check box 'Ring on Friday' (focusable, checked)
    check box 'Ring on Saturday' (focusable)
    check box 'Ring on Sunday' (focusable)
    check box 'Chime before each announcement' (focusable, checked)
    label 'Snooze for'
    text 'Snooze for (minutes)' (focusable)
    spin button 'Snooze for (minutes)' = 15 (focusable)
      push button 'Up'
      push button 'Down'
    label 'minutes'
TREE

# The later options come after Help: Shift+Tab from the first control walks them backwards, and
# Escape drops the dialog; it opens again on the first control.
ql_assert_a11y_keys "back through the later options" $(printf 'shift+Tab %.0s' {1..26}) Escape ctrl+a <<'KEYS'
spin button 'Snooze for (minutes)'
text 'Snooze for (minutes)'
check box 'Chime before each announcement'
check box 'Ring on Sunday'
check box 'Ring on Saturday'
check box 'Ring on Friday'
check box 'Ring on Thursday'
check box 'Ring on Wednesday'
check box 'Ring on Tuesday'
check box 'Ring on Monday'
check box 'Announce on Sunday'
check box 'Announce on Saturday'
check box 'Announce on Friday'
check box 'Announce on Thursday'
check box 'Announce on Wednesday'
check box 'Announce on Tuesday'
check box 'Announce on Monday'
spin button 'No announcements until (minute)'
text 'No announcements until (minute)'
spin button 'No announcements until (hour)'
text 'No announcements until (hour)'
spin button 'No announcements from (minute)'
text 'No announcements from (minute)'
spin button 'No announcements from (hour)'
text 'No announcements from (hour)'
push button 'Help'
push button 'Settings'
check box 'Alarm on'
KEYS

# Tab reaches the hour's arrows; they step the hour, and a screen reader reads the new value.
ql_assert_a11y_keys "to the hour's arrows" Tab Tab Up <<'KEYS'
text 'Hour'
spin button 'Hour'
-
KEYS
ql_assert_match "^    spin button 'Hour' = 3 \(focusable, focused\)$" \
    "$(ql_a11y tree 'Alarm and announce settings' | grep "spin button 'Hour'")" "the hour after Up"

# The alarm minute comes while the dialog is open: the alert is read as an alert, Tab reaches
# Snooze, Enter on OK confirms it, and the keyboard is back in the dialog where it was; Escape
# then returns to the main window.
echo "2026-12-07 14:26:00" >"$clock"
ql_wait_window 'Alarm!' 15 >/dev/null || ql_fail "no alert at the alarm minute"
ql_assert_a11y_tree 'Alarm!' <<'TREE'
alert 'Alarm!'
  frame ''
    label 'Quorlan alarm alert!'
    label 'Press OK to confirm the alarm.'
  push button 'OK' (focusable, focused)
  push button 'Snooze' [Ring again in 15 minutes] (focusable)
TREE
ql_assert_a11y_keys "to Snooze and back, confirming the alert, closing the dialog" \
    Tab shift+Tab Return Escape <<'KEYS'
push button 'Snooze'
push button 'OK'
spin button 'Hour'
push button 'Settings'
KEYS
ql_stop_program
ql_assert_clean_exit
