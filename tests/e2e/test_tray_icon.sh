#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starting in the tray at 03:00: only the icon appears, with the face and the hands at three.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="100000000000"
"CurrentVer"="2.6"
STORE
tray_start icon '2026-12-07 03:00:05'
tray_main_shown && ql_fail "the main window is shown although the clock starts in the tray"

icon=$(tray_icon_window) || ql_fail "no tray icon"
read -r x y w h m <<<"$(ql_window_info "$icon")"
ql_screenshot "$QL_TMP/screen.png"
tray_icon_picture "$QL_TMP/tray-icon-x8.png"
[[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/tray-icon-x8.png" "$QL_TMP/screen.png" "$QL_SHOTS/"

# The 16 x 16 picture sits in the middle of the icon window; read its pixels back as text.
ox=$((x + (w - 16) / 2)) oy=$((y + (h - 16) / 2))
convert "$QL_TMP/screen.png" -crop "16x16+$ox+$oy" +repage -depth 8 txt:- |
    awk -F'[,: ]+' 'NR > 1 { print $1, $2, $NF }' >"$QL_TMP/icon.txt"
pixel() { awk -v x="$1" -v y="$2" '$1 == x && $2 == y { print $3 }' "$QL_TMP/icon.txt"; }
for xy in "9 8" "10 8" "11 8" "12 8" "8 2" "8 3" "8 4" "8 5" "8 6" "7 7"; do
    ql_assert_eq black "$(pixel $xy)" "hand or centre pixel ($xy) at 03:00"
done
for xy in "5 8" "8 11" "10 5" "5 10"; do
    ql_assert_eq white "$(pixel $xy)" "face pixel ($xy) away from the hands"
done

ql_sleep 1 # several ticks: the window must stay hidden past the first one
tray_main_shown && ql_fail "the main window appeared after start-up"

# A right click on the icon opens the clock's menu; its commands work with the window hidden,
# and closing the window they open does not end the program.
menu_open() {
    local id
    for id in $(xdotool search --pid "$QL_PID" 2>/dev/null); do
        [[ $id == "$icon" ]] && continue
        [[ $(ql_window_info "$id" | awk '{ print $5 }') == IsViewable ]] && return 0
    done
    return 1
}
xdotool mousemove --window "$icon" 12 12 click 3
ql_wait_until 5 menu_open || ql_fail "a right click on the icon opened no menu"
[[ -n ${QL_SHOTS:-} ]] && ql_screenshot "$QL_SHOTS/tray-menu.png"
xdotool key Up Up Up Return # "About...", the third item from the bottom
about=$(ql_wait_window 'About Multilingual Quorlan' 5) || ql_fail "About... from the icon's menu"
ql_window_key "$about" Return
ql_wait_until 5 ql_not ql_find_window 'About Multilingual Quorlan' || ql_fail "the about window stayed"
ql_sleep 0.5
ql_pid_alive "$QL_PID" || ql_fail "the program ended when the about window closed"
tray_main_shown && ql_fail "the main window appeared with the about window"
ql_stop_program
ql_assert_clean_exit
