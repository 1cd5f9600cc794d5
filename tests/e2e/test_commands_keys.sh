#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window's keys: Ctrl+S opens the settings dialog (whose pages are walked by keyboard in
# the focus order OK, Cancel, Help, pages), Ctrl+Shift+S opens nothing, Ctrl+A the alarm dialog.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound

ql_start_framed_clock
main=$QL_MAIN
ql_screenshot "$QL_TMP/main.png"
timeout 20 import -window "$main" "$QL_TMP/main-window.png"

# Opens a dialog by a key on the main window and prints its id.
open_by_key() {
    ql_window_key "$main" "$1"
    ql_wait_window "$2" 10
}

ql_window_key "$main" ctrl+shift+s
ql_sleep 1.5
ql_find_window Settings >/dev/null && ql_fail "Ctrl+Shift+S opened the settings"

settings=$(open_by_key ctrl+s Settings) || ql_fail "Ctrl+S opened no settings dialog"
read -r x y w h m <<<"$(ql_window_info "$settings")"
ql_assert_eq "418 278" "$w $h" "settings dialog size"
ql_sleep 0.5
timeout 20 import -window "$settings" "$QL_TMP/settings-1.png"
# Focus: OK, Cancel, Help, then the tab bar, where the arrow keys turn the pages.
xdotool key --clearmodifiers Tab Tab Tab Right
ql_sleep 0.5
timeout 20 import -window "$settings" "$QL_TMP/settings-2.png"
xdotool key --clearmodifiers Right
ql_sleep 0.5
timeout 20 import -window "$settings" "$QL_TMP/settings-3.png"
# Each key turned the page: the three pictures differ (QL_KEEP_TMP=1 keeps them).
differ() {
    local pixels
    pixels=$(compare -metric AE "$QL_TMP/$1" "$QL_TMP/$2" null: 2>&1)
    [[ $pixels =~ ^[0-9]+$ ]] && ((pixels > 0))
}
differ settings-1.png settings-2.png || ql_fail "Right did not turn to the second page"
differ settings-2.png settings-3.png || ql_fail "Right did not turn to the third page"
xdotool key --clearmodifiers Escape
ql_wait_until 10 ql_not ql_find_window Settings || ql_fail "Escape did not close the settings"

open_by_key ctrl+a 'Alarm and announce settings' >/dev/null ||
    ql_fail "Ctrl+A opened no alarm and announcement dialog"
xdotool key --clearmodifiers Escape
ql_wait_until 10 ql_not ql_find_window 'Alarm and announce settings' ||
    ql_fail "Escape did not close the alarm dialog"

ql_stop_program
ql_assert_clean_exit
