#!/usr/bin/env bash
# "Windowless (no title bar)" turned on and off again in the settings dialog changes the real
# window: the window manager's frame goes and comes back, the window stays shown.
source "$(dirname "$0")/env.sh"
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

# Ctrl+S, then Tab to the first check box of the first page (after OK, Cancel, Help and the
# tabs), toggle it and confirm with Return.
toggle_windowless() {
    main=$(ql_wait_window 'Multilingual Quorlan' 5) || ql_fail "no main window"
    ql_window_key "$main" ctrl+s
    ql_wait_window Settings 10 >/dev/null || ql_fail "no settings dialog"
    ql_sleep 0.3
    xdotool key --clearmodifiers Tab Tab Tab Tab space Return
    ql_wait_until 10 ql_not ql_find_window Settings || ql_fail "the settings dialog stayed open"
    ql_sleep 1
}

ql_assert_eq framed "$(frame_state)" "window at start"
toggle_windowless
ql_assert_eq frameless "$(frame_state)" "window after turning Windowless on"
main=$(ql_find_window 'Multilingual Quorlan')
read -r x y w h m <<<"$(ql_window_info "$main")"
ql_assert_eq "292 130" "$w $h" "size of the windowless window"
xwininfo -id "$main" -shape | grep -q 'Window shape extents' || ql_fail "the window has no shape"
ql_screenshot "$QL_TMP/windowless.png"
toggle_windowless
ql_assert_eq framed "$(frame_state)" "window after turning Windowless off"

ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" BinSettings 000000000000
