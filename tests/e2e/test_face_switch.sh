#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Switching the layout from the context menu while the window is up: it keeps its corner, its
# new size and shape, and shows the other face at once.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
ql_env_start --no-sound

# ql_menu_choose WIN DOWNS: opens the context menu on the face and takes the DOWNS-th item.
ql_menu_choose() {
    local x y w h m
    read -r x y w h m <<<"$(ql_window_info "$1")"
    xdotool mousemove $((x + 40)) $((y + 20)) click 3
    ql_sleep 0.5
    for ((i = 0; i < $2; i++)); do xdotool key Down; done
    xdotool key Return
    ql_sleep 1
}

ql_store_layout 000000100000 60000000004040
ql_start_program '2026-12-05 13:05:10'
ql_wait_program_ready
win=$(ql_program_window)
read -r x0 y0 w h m <<<"$(ql_window_info "$win")"
# Speak!, Select language, Alarm setup, Settings, Help, Big display, Small display
ql_menu_choose "$win" 7
win=$(ql_program_window)
read -r x y w h m <<<"$(ql_window_info "$win")"
ql_assert_eq "$x0 $y0 150x40" "$x $y ${w}x$h" "small layout: place and size"
ql_assert_match "Window shape extents: +151x41\+0\+0" "$(xwininfo -shape -id "$win")" "small shape"
ql_window_shot "$win" "$QL_TMP/small.png"
expected=$QL_TMP/small-expected.png
ql_face_new "$expected" 16
while read -r list index x; do
    ql_face_draw "$expected" MT "$list" "$index" "$x" 0
done <<'DRAWS'
MSList 10 8
MSList 1 22
MiscList 18 0
MSList 0 42
MSList 5 56
DRAWS
ql_assert_same_pixels "$QL_TMP/small.png" "$expected" 46x40+0+0 "small face, hours"
ql_assert_same_pixels "$QL_TMP/small.png" "$expected" 53x40+50+0 "small face, minutes"
ql_menu_choose "$win" 6
win=$(ql_program_window)
read -r x y w h m <<<"$(ql_window_info "$win")"
ql_assert_eq "$x0 $y0 292x130" "$x $y ${w}x$h" "big layout again: place and size"
ql_assert_match "Window shape extents: +293x131\+0\+0" "$(xwininfo -shape -id "$win")" "big shape"
ql_window_shot "$win" "$QL_TMP/big.png"
ql_face_big "$QL_TMP/big-expected.png" " 1" PM 05 1 " 5" 7
ql_assert_big_face "$QL_TMP/big.png" "$QL_TMP/big-expected.png"
ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" SNumSettings 60000000004040
