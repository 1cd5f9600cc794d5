#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The popup menu: a right click on the face opens it where the pointer is and leaves the window
# where it was; the Options button opens it beside the button.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

ql_start_framed_clock
main=$QL_MAIN

# "x y" of the program's open popup menu: a viewable window of the program other than the
# main window.
popup_position() {
    local id x y w h m
    for id in $(xdotool search --pid "$QL_PID" 2>/dev/null); do
        [[ $id == "$main" ]] && continue
        read -r x y w h m <<<"$(ql_window_info "$id")" || continue
        [[ $m == IsViewable ]] && ((w > 50 && h > 100)) && { echo "$x $y"; return 0; }
    done
    return 1
}

close_popup() {
    xdotool key --clearmodifiers Escape
    ql_wait_until 5 ql_not popup_position || ql_fail "Escape left the menu open"
}

read -r cx cy w h m <<<"$(ql_window_info "$main")"
before=$(ql_outer_position "$main")
xdotool mousemove $((cx + 100)) $((cy + 60))
ql_sleep 0.3
xdotool click 3
ql_wait_until 5 popup_position >/dev/null || ql_fail "a right click on the face opened no menu"
read -r px py <<<"$(popup_position)"
ql_log "menu at $px $py after a right click at $((cx + 100)) $((cy + 60))"
((px >= cx + 95 && px <= cx + 105 && py >= cy + 55 && py <= cy + 65)) ||
    ql_fail "the menu opened at $px $py, away from the pointer"
ql_screenshot "$QL_TMP/menu.png"
close_popup
ql_assert_eq "$before" "$(ql_outer_position "$main")" "window position after a right click"

# The Options button (110, 102, 40 x 22): the menu at window left + 153, window top + 123.
read -r left top <<<"$(ql_outer_position "$main")"
xdotool mousemove $((cx + 125)) $((cy + 112)) click 1
ql_wait_until 5 popup_position >/dev/null || ql_fail "the Options button opened no menu"
ql_assert_eq "$((left + 153)) $((top + 123))" "$(popup_position)" "menu position of the Options button"
close_popup

ql_stop_program
ql_assert_clean_exit
