#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Windowless (no title bar)" turned on and off again in the settings dialog changes the real
# window: the window manager's frame goes and comes back, the window stays shown and its
# top-left corner stays put. Turned off while the window is hidden in the tray (the dialog opened
# from the tray's menu), the window comes back with its frame and minimise button.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound

ql_start_framed_clock
main=$QL_MAIN

# The decorations the program asks the window manager for (third field of the Motif hints).
decorations() {
    xprop -id "$1" _MOTIF_WM_HINTS 2>/dev/null | sed -n 's/.* = //p' | cut -d, -f3 | tr -d ' '
}

# "framed" or "frameless", from the decorations the program asks for and the frame it got.
frame_state() {
    local id extents
    id=$(ql_wait_window 'Multilingual Quorlan' 5) || { echo missing; return; }
    extents=$(ql_frame_extents "$id")
    if [[ $(decorations "$id") =~ ^(0x)?0+$ && $extents == "0 0 0 0" ]]; then
        echo frameless
    elif [[ $extents != "0 0 0 0" ]]; then
        echo framed
    else
        echo "unclear ($extents, decorations $(decorations "$id"))"
    fi
}

# In the settings dialog: Tab to the first check box of the first page (after OK, Cancel, Help
# and the tabs), toggle it and confirm with Return.
toggle_in_dialog() {
    local dialog
    dialog=$(ql_wait_window Settings 10) || ql_fail "no settings dialog"
    xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
    ql_sleep 0.3
    xdotool key --clearmodifiers Tab Tab Tab Tab space Return
    ql_wait_until 10 ql_not ql_find_window Settings || ql_fail "the settings dialog stayed open"
    ql_sleep 1
}
toggle_windowless() {
    main=$(ql_wait_window 'Multilingual Quorlan' 5) || ql_fail "no main window"
    ql_window_key "$main" ctrl+s
    toggle_in_dialog
}
corner() { ql_outer_position "$(ql_wait_window 'Multilingual Quorlan' 5)"; }
# The actions the window manager offers on the window, e.g. "MINIMIZE".
offers() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q "_NET_WM_ACTION_$2"; }

ql_assert_eq framed "$(frame_state)" "window at start"
ql_assert_eq "300 200" "$(corner)" "window's corner at start"
toggle_windowless
ql_assert_eq frameless "$(frame_state)" "window after turning Windowless on"
ql_assert_eq "300 200" "$(corner)" "window's corner after turning Windowless on"
main=$(ql_find_window 'Multilingual Quorlan')
read -r x y w h m <<<"$(ql_window_info "$main")"
ql_assert_eq "292 130" "$w $h" "size of the windowless window"
xwininfo -id "$main" -shape | grep -q 'Window shape extents' || ql_fail "the window has no shape"
ql_screenshot "$QL_TMP/windowless.png"
toggle_windowless
ql_assert_eq framed "$(frame_state)" "window after turning Windowless off"
ql_assert_eq "300 200" "$(corner)" "window's corner after turning Windowless off"
offers "$(ql_find_window 'Multilingual Quorlan')" MINIMIZE || ql_fail "the framed window cannot be minimised"

# Frameless and hidden in the tray by its own minimise button; Windowless is turned off from
# the tray's menu ("Settings...", seventh from the bottom) and the window brought back.
toggle_windowless
read -r x y w h m <<<"$(ql_window_info "$(ql_find_window 'Multilingual Quorlan')")"
xdotool mousemove $((x + 283)) $((y + 12)) click 1 # MinimizeButton at (275, 4)
ql_wait_until 5 ql_not ql_find_window 'Multilingual Quorlan' || ql_fail "the window did not go to the tray"
icon=$(tray_icon_window) || ql_fail "no tray icon"
xdotool mousemove --window "$icon" 12 12 sleep 0.3 click 3 sleep 0.5
xdotool key Up Up Up Up Up Up Up Return
toggle_in_dialog
ql_find_window 'Multilingual Quorlan' >/dev/null && ql_fail "the window came out of the tray by itself"
xdotool mousemove --window "$icon" 12 12 click --repeat 2 --delay 80 1
ql_wait_window 'Multilingual Quorlan' 5 >/dev/null || ql_fail "a double-click on the icon did not show the window"
ql_sleep 1
ql_assert_eq framed "$(frame_state)" "window shown after turning Windowless off in the tray"
ql_assert_eq "300 200" "$(corner)" "window's corner after the tray"
offers "$(ql_find_window 'Multilingual Quorlan')" MINIMIZE ||
    ql_fail "the window back from the tray cannot be minimised"

ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" BinSettings 000000000000
