#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The face on the screen shows exactly the images of the lists for the time: Saturday
# 5 December 2026, 22:00, in 12-hour mode, big and small, frameless.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
ql_env_start --no-sound

# The big face at 10:00 PM, day 5, SAT; the seconds run, so their ones are checked apart.
expected=$QL_TMP/big-expected.png
ql_face_big "$expected" 10 PM 00 0 " 5" 7
# Where the weekday strip drew yesterday's erase.
ql_face_draw "$expected" Weekday MiscList 14 125 0

ql_store_layout 000000100000 60000000004040
ql_start_program '2026-12-05 22:00:00'
ql_wait_program_ready
win=$(ql_program_window)
ql_sleep 1
ql_window_shot "$win" "$QL_TMP/big-shown.png"
ql_assert_eq "292x130" "$(identify -format '%wx%h' "$QL_TMP/big-shown.png")" "big window size"
ql_assert_big_face "$QL_TMP/big-shown.png" "$expected"
ql_assert_same_pixels "$QL_TMP/big-shown.png" "$expected" 20x33+153+50 "seconds, tens"
# The ones of the seconds show one of the ten digits.
matched=
for d in 0 1 2 3 4 5 6 7 8 9; do
    cp "$expected" "$QL_TMP/sec.png"
    ql_face_draw "$QL_TMP/sec.png" Sec2 SecList "$d" 0 0
    [[ $(ql_differing_pixels "$QL_TMP/big-shown.png" "$QL_TMP/sec.png" 22x32+173+50) == 0 ]] &&
        matched=$d
done
[[ -n $matched ]] || ql_fail "the ones of the seconds show no digit of the list"
ql_stop_program
ql_assert_clean_exit

# The small face at the same time: P, 10:00; the colon blinks and the buttons are not images of
# the lists, so they are left out.
expected=$QL_TMP/small-expected.png
ql_face_new "$expected" 16
while read -r box list index x y; do
    ql_face_draw "$expected" "$box" "$list" "$index" "$x" "$y"
done <<'DRAWS'
MT MSList 1 8 0
MT MSList 0 22 0
MT MiscList 18 0 0
MT MSList 0 42 0
MT MSList 0 56 0
DRAWS
ql_store_layout 000000100000 60000001004040
ql_start_program '2026-12-05 22:00:00'
ql_wait_program_ready
win=$(ql_program_window)
ql_sleep 1
ql_window_shot "$win" "$QL_TMP/small-shown.png"
ql_assert_eq "150x40" "$(identify -format '%wx%h' "$QL_TMP/small-shown.png")" "small window size"
ql_assert_same_pixels "$QL_TMP/small-shown.png" "$expected" 46x40+0+0 "small face, hours"
ql_assert_same_pixels "$QL_TMP/small-shown.png" "$expected" 53x40+50+0 "small face, minutes"
ql_assert_same_pixels "$QL_TMP/small-shown.png" "$expected" 23x23+127+17 "small face, below the minimize button"
ql_stop_program
ql_assert_clean_exit

# At 1.5x scaling both windows are exactly 1.5 times their size, so the window manager cuts
# nothing: the last row and column show the edge of the scaled artwork (the small face's
# speaker dots reach its right edge). The rounded corners are left out.
for row in "00 15 438x195" "01 16 225x60"; do
    read -r layout image size <<<"$row"
    ql_store_layout 000000100000 600000${layout}004040
    QT_SCALE_FACTOR=1.5 ql_start_program '2026-12-05 22:00:00'
    ql_wait_program_ready
    win=$(ql_program_window)
    ql_sleep 1
    ql_window_shot "$win" "$QL_TMP/scaled-$image.png"
    [[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/scaled-$image.png" "$QL_SHOTS/"
    ql_assert_eq "$size" "$(identify -format '%wx%h' "$QL_TMP/scaled-$image.png")" "window size at 1.5x"
    w=${size%x*} h=${size#*x}
    art=$QL_IMAGES/MiscList/$image@1.5x.png
    ql_assert_same_pixels "$QL_TMP/scaled-$image.png" "$art" "$((w - 4))x1+2+$((h - 1))" "bottom edge at 1.5x"
    ql_assert_same_pixels "$QL_TMP/scaled-$image.png" "$art" "1x$((h - 4))+$((w - 1))+2" "right edge at 1.5x"
    ql_stop_program
    ql_assert_clean_exit
done
