#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notification-area icon works while the settings dialog is open: its hint shows, its menu
# opens, and its commands that open a dialog bring the open one to the front instead of stacking
# a second modal window on it.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
source "$QL_E2E_DIR/lib/modal.sh"
ql_env_start --no-sound
modal_install_voice 100 # a voice, so no start-up box stands in the way

ql_start_framed_clock
icon=$(tray_icon_window) || ql_fail "no tray icon"
ql_window_key "$QL_MAIN" ctrl+s
dialog=$(ql_wait_window 'Settings' 10) || ql_fail "Ctrl+S opened no settings dialog"
ql_sleep 0.5

# Viewable windows of the program besides the icon and those in $known.
known=("$QL_MAIN" "$dialog")
other_windows() {
    local id n=0
    for id in $(xdotool search --pid "$QL_PID" 2>/dev/null); do
        [[ $id == "$icon" || " ${known[*]} " == *" $id "* ]] && continue
        [[ $(ql_window_info "$id" | awk '{ print $5 }') == IsViewable ]] && n=$((n + 1))
    done
    echo "$n"
}
popup_open() { (($(other_windows) > 0)); }
viewable_named() {
    local id n=0
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
        [[ $(ql_window_info "$id" | awk '{ print $5 }') == IsViewable ]] && n=$((n + 1))
    done
    echo "$n"
}
# The menu's item UPS from the bottom: "About..." 3, "Alarm setup..." 8.
from_menu() {
    xdotool mousemove 600 900 sleep 0.3 mousemove --window "$icon" 12 12 sleep 0.3 click 3
    ql_wait_until 5 popup_open || ql_fail "a right click on the icon opened no menu $2"
    [[ -n ${QL_SHOTS:-} ]] && ql_screenshot "$QL_SHOTS/tray-menu-$1.png"
    xdotool key $(printf 'Up %.0s' $(seq "$1")) Return
}
active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

xdotool mousemove --window "$icon" 8 8 sleep 0.3 mousemove --window "$icon" 10 10
ql_wait_until 6 popup_open || ql_fail "no hint over the icon while the dialog is open"
xdotool mousemove 600 900
ql_wait_until 5 ql_not popup_open || ql_fail "the hint stayed"

for ups in 3 8; do
    from_menu "$ups" "while the settings dialog is open"
    ql_wait_until 3 ql_not popup_open || ql_fail "the menu did not close, or a window opened ($ups)"
    ql_wait_until 3 active_is "$dialog" || ql_fail "the settings dialog did not come to the front ($ups)"
    ql_assert_eq 0 "$(viewable_named 'About Multilingual Quorlan')" "about windows over the dialog"
    ql_assert_eq 0 "$(viewable_named 'Alarm and announce settings')" "alarm dialogs over the dialog"
done
ql_assert_eq 1 "$(viewable_named Settings)" "settings dialogs open"
ql_window_key "$dialog" Escape
ql_wait_until 5 ql_not ql_find_window Settings || ql_fail "the settings dialog stayed"

# With no dialog open the menu opens one, and asked again brings it forward.
from_menu 3 "with no dialog open"
about=$(ql_wait_window 'About Multilingual Quorlan' 5) || ql_fail "About... from the menu"
known=("$QL_MAIN" "$about")
ql_wait_until 3 ql_not popup_open || ql_fail "the menu did not close"
from_menu 3 "while the about window is open"
ql_wait_until 3 ql_not popup_open || ql_fail "the menu stayed, or a second window opened"
ql_sleep 1
ql_assert_eq 1 "$(viewable_named 'About Multilingual Quorlan')" "about windows open"
ql_window_key "$about" Return
ql_wait_until 5 ql_not ql_find_window 'About Multilingual Quorlan' || ql_fail "the about window stayed"
ql_stop_program
ql_assert_clean_exit
