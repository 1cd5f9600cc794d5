#!/usr/bin/env bash
# The face on the screen shows exactly the images of the lists for the time: Saturday
# 5 December 2026, 22:00, in 12-hour mode, big and small, frameless.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
ql_env_start --no-sound

# The big face at 10:00 PM, day 5, SAT; the seconds are checked apart, as they run.
expected=$QL_TMP/big-expected.png
ql_face_new "$expected" 15
while read -r box list index x y; do
    ql_face_draw "$expected" "$box" "$list" "$index" "$x" "$y"
done <<'DRAWS'
Hour1 HrMinList 1 0 0
Hour2 HrMinList 0 0 0
AP MiscList 14 0 0
AP MiscList 8 0 15
Misc MiscList 14 0 6
Misc MiscList 14 6 6
Misc MiscList 14 32 2
Misc MiscList 14 32 8
Col MiscList 11 0 0
Misc MiscList 12 115 2
Min1 HrMinList 0 0 0
Min2 HrMinList 0 0 0
Sec1 SecList 0 0 0
Date1 MSList 10 0 0
Date2 MSList 5 0 0
Weekday MiscList 14 125 0
Weekday MiscList 6 150 0
DRAWS

ql_store_layout 000000100000 60000000004040
ql_start_program_at '2026-12-05 22:00:00'
ql_wait_program_ready
win=$(ql_program_window)
ql_sleep 1
ql_window_shot "$win" "$QL_TMP/big-shown.png"
ql_assert_eq "292x130" "$(identify -format '%wx%h' "$QL_TMP/big-shown.png")" "big window size"
# Everything left of the seconds, the seconds' tens, the date and the weekday strip.
ql_assert_same_pixels "$QL_TMP/big-shown.png" "$expected" 153x100+0+0 "big face left of the seconds"
ql_assert_same_pixels "$QL_TMP/big-shown.png" "$expected" 20x33+153+50 "seconds, tens"
ql_assert_same_pixels "$QL_TMP/big-shown.png" "$expected" 100x48+153+0 "date"
ql_assert_same_pixels "$QL_TMP/big-shown.png" "$expected" 270x18+0+82 "weekday strip"
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
ql_start_program_at '2026-12-05 22:00:00'
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
