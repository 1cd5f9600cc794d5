#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The welcome, upgrade and about windows on a real desktop: size, place, and that OK closes them.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound

# wait_info_window TITLE -> id; confirms error boxes of the start-up meanwhile.
wait_info_window() {
    ql_wait_until 20 info_window_up "$1" || ql_fail "no window \"$1\""
    ql_sleep 0.5 # let it paint before a screenshot
    ql_find_window "$1"
}
info_window_up() {
    tray_confirm_errors
    ql_find_window "$1" >/dev/null
}

# check_info_window TITLE WIDTHxHEIGHT SHOT
check_info_window() {
    local id x y w h m
    id=$(wait_info_window "$1")
    read -r x y w h m <<<"$(ql_window_info "$id")"
    ql_assert_eq "$2" "${w}x$h" "client size of \"$1\""
    ql_screenshot "$QL_TMP/$3"
    [[ -n ${QL_SHOTS:-} ]] &&
        convert "$QL_TMP/$3" -crop "$((w + 40))x$((h + 60))+$((x - 20))+$((y - 40))" +repage "$QL_SHOTS/$3"
    INFO_ID=$id
}

close_with_return() {
    ql_window_key "$INFO_ID" Return
    ql_wait_until 5 ql_not ql_find_window "$1" || ql_fail "Return did not close \"$1\""
}

# First run: the welcome window, centred.
ql_clear_store
ql_start_program
check_info_window 'Welcome!' 362x219 welcome.png
read -r l t <<<"$(ql_outer_position "$INFO_ID")"
read -r x y w h m <<<"$(ql_window_info "$INFO_ID")"
((x + w / 2 > 600 && x + w / 2 < 680)) || ql_fail "the welcome window is not centred (x $x)"
close_with_return 'Welcome!'
ql_stop_program
ql_assert_clean_exit

# Settings of an earlier release: the upgrade window at its designed place.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="100000000000"
"CurrentVer"="2.5"
STORE
ql_start_program
check_info_window 'Thank you for upgrading' 362x225 upgrade.png
ql_assert_eq "360 684" "$(ql_outer_position "$INFO_ID")" "place of the upgrade window"
close_with_return 'Thank you for upgrading'
ql_sleep 0.5
ql_find_window 'Thank you for upgrading' >/dev/null && ql_fail "the upgrade window opened again"
ql_stop_program
ql_assert_clean_exit

# The about window, from the menu of the main window.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"CurrentVer"="2.6"
STORE
mkdir -p "$QL_TMP/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$QL_TMP/opened.log" >"$QL_TMP/bin/xdg-open"
chmod +x "$QL_TMP/bin/xdg-open"
PATH=$QL_TMP/bin:$PATH tray_start window
main=$(ql_find_window 'Multilingual Quorlan')
xdotool mousemove --window "$main" 150 40 click 3
ql_sleep 0.5
xdotool key Up Up Up Return # "About..." is the third item from the bottom
check_info_window 'About Multilingual Quorlan' 350x203 about.png
# The link opens the help's about page (the desktop's opener is replaced by one that notes it).
xdotool mousemove --window "$INFO_ID" 175 135 click 1 # Label1 at (18, 126), 314 x 18
ql_wait_until 5 test -s "$QL_TMP/opened.log" || ql_fail "the about window's link opened nothing"
opened=$(head -n 1 "$QL_TMP/opened.log")
ql_assert_match '^file:///.*/help/about\.html$' "$opened" "address of the about window's link"
grep -q '<h1>About Multilingual Quorlan</h1>' "${opened#file://}" ||
    ql_fail "the link's page $opened is not the help's about page"
close_with_return 'About Multilingual Quorlan'
ql_stop_program
ql_assert_clean_exit
