#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window as a screen reader and a keyboard user meet it, over a real AT-SPI bus: a frame
# of named buttons around the face read as text, the text changing once when the minute does, Tab
# and Shift+Tab in the order of the row, Enter and Space, Shift+F10 and the Menu key, a focus
# frame only while the keyboard is used, and "--show" bringing the window back from the tray.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
source "$QL_E2E_DIR/lib/a11y.sh"
source "$QL_E2E_DIR/lib/face.sh"
ql_env_start --no-sound
ql_start_a11y_bus

# 24-hour face, announcements every hour, alarm off; framed big window at left 300, top 200.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="001100000000"
"LNumSettings"="02000300010000000255"
"SNumSettings"="60073000004040"
"CurrentVer"="2.6"
STORE
ql_start_a11y_program "2026-12-07 14:24:57"

ql_assert_a11y_tree 'Multilingual Quorlan' <<'TREE'
frame 'Multilingual Quorlan'
  label '14:24, Monday 7' [Alarm off, announcements on]
    push button 'Alarm and announce settings' [Alarm and announce settings] (focusable, focused)
    push button 'Settings' [Settings] (focusable)
    push button 'Options' [Options] (focusable)
    push button 'Help' [Help] (focusable)
    push button 'Announce the time' [Announce the time] (focusable)
    push button 'Language selector' [Language selector] (focusable)
TREE

# Three seconds across the minute: the face's name changes once, not at every second.
ql_a11y names-changed 'Multilingual Quorlan' label 3.5 >"$QL_TMP/names" &
listener=$!
for t in 14:24:58 14:24:59 14:25:00 14:25:01; do
    ql_sleep 0.8
    echo "2026-12-07 $t" >"$clock"
done
wait "$listener" || ql_fail "could not listen to the face's name"
ql_assert_eq $'1\n14:25, Monday 7' "$(cat "$QL_TMP/names")" "face name changes across 14:25"

xdotool windowactivate --sync "$main"
ql_window_shot "$main" "$QL_TMP/mouse.png"
ql_assert_a11y_keys "Tab through the row" Tab Tab Tab Tab Tab Tab shift+Tab <<'KEYS'
push button 'Settings'
push button 'Options'
push button 'Help'
push button 'Announce the time'
push button 'Language selector'
push button 'Alarm and announce settings'
push button 'Language selector'
KEYS
ql_assert_a11y_keys "Tab back to Settings" Tab Tab <<'KEYS'
push button 'Alarm and announce settings'
push button 'Settings'
KEYS
# The focus frame: the digits' colour around the Settings button (left edge at 60, 102), only
# once the keyboard moved the focus; the button's own border before.
ql_window_shot "$main" "$QL_TMP/keyboard.png"
ql_assert_eq "118,122,128" "$(ql_pixel "$QL_TMP/mouse.png" 60 112)" "Settings button's edge before Tab"
ql_assert_eq "49,49,49" "$(ql_pixel "$QL_TMP/keyboard.png" 61 112)" "focus frame after Tab"
# A click ends keyboard use (on the language button, whose menu Escape closes again): the window
# looks as the mouse left it.
read -r x y _ <<<"$(ql_window_info "$main")"
xdotool mousemove $((x + 271)) $((y + 113)) click 1
ql_sleep 0.5
xdotool key Escape
ql_sleep 0.3
ql_window_shot "$main" "$QL_TMP/clicked.png"
ql_assert_eq "118,122,128" "$(ql_pixel "$QL_TMP/clicked.png" 60 112)" "Settings button's edge after a click"

# Space and Enter press the focused button; the focus comes back to it when the dialog closes.
ql_assert_a11y_keys "Enter, Space and dialogs" shift+Tab Return Escape Tab space Escape <<'KEYS'
push button 'Alarm and announce settings'
check box 'Alarm on'
push button 'Alarm and announce settings'
push button 'Settings'
push button 'OK'
push button 'Settings'
KEYS
ql_assert_a11y_keys "the options menu from the keyboard" shift+F10 Escape Menu Down Escape <<'KEYS'
menu item 'Speak!'
push button 'Settings'
menu item 'Speak!'
menu item 'Select language'
push button 'Settings'
KEYS

# To the tray by the menu, back with "--show", the keyboard in the window again.
ql_a11y keys Menu Up Up Return >/dev/null
ql_wait_until 5 ql_not ql_find_window 'Multilingual Quorlan' || ql_fail "the menu did not minimize to the tray"
"$QL_PROGRAM" --show 2>"$QL_TMP/show.err" || ql_fail "--show failed: $(cat "$QL_TMP/show.err")"
ql_wait_window 'Multilingual Quorlan' 10 >/dev/null || ql_fail "--show did not bring the window back"
ql_assert_match "^push button '" "$(ql_a11y keys Tab)" "Tab in the window shown by --show"

ql_stop_program
ql_assert_clean_exit
"$QL_PROGRAM" --show 2>"$QL_TMP/show.err" && ql_fail "--show with no clock running reported success"
ql_assert_match "no clock is running" "$(cat "$QL_TMP/show.err")" "--show message with no clock"
