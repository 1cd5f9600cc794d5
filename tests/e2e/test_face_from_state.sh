#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The face shows the current state whatever it showed before, on the real program: the hour's
# tens digit "2" whole in 24-hour mode, and only today's weekday name after a jump over the
# weekend, a month or days hidden in the tray. The pictures are the hand-checked goldens of the
# unit tests; the clock stands still at the times written into a file, so whole faces compare.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound

golden=$QL_E2E_DIR/../golden
clock=$QL_TMP/clock
set_clock() { echo "$1" >"$clock"; }

# expect_face GOLDEN WHAT: the face of the frameless big window, left of its minimize button.
expect_face() {
    local win
    win=$(ql_program_window) || ql_fail "$2: no main window"
    ql_window_shot "$win" "$QL_TMP/$1.png"
    [[ -n ${QL_SHOTS:-} ]] && cp "$QL_TMP/$1.png" "$QL_SHOTS/"
    ql_assert_same_pixels "$QL_TMP/$1.png" "$golden/$1.png" 270x100+0+0 "$2"
}

start_at() { # BIN-SETTINGS TIME
    ql_store_layout "$1" 60000000004040
    set_clock "$2"
    tray_start window --clock-file "$clock"
    ql_sleep 1.2
}

start_at 001000100000 "2026-12-07 20:00:00"
expect_face big-24h-2000 "24-hour mode at 20:00"
ql_stop_program

start_at 000000100000 "2026-12-04 18:30:00" # a Friday
set_clock "2026-12-07 09:00:00"             # Monday
ql_sleep 2.2
expect_face weekday-jump-fri-mon "after a jump from Friday to Monday"
set_clock "2027-01-07 09:00:00" # the same day of the month, a Thursday
ql_sleep 2.2
ql_face_big "$QL_TMP/thursday.png" " 9" AM 00 0 " 7" 5
ql_window_shot "$(ql_program_window)" "$QL_TMP/shown-thursday.png"
ql_assert_big_face "$QL_TMP/shown-thursday.png" "$QL_TMP/thursday.png"
ql_stop_program

start_at 000000100000 "2026-12-04 18:30:00"
xdotool windowminimize "$(ql_program_window)"
ql_wait_until 5 tray_icon_window >/dev/null || ql_fail "no tray icon"
for day in "2026-12-05 00:00:00" "2026-12-06 00:00:00" "2026-12-07 09:00:00"; do
    set_clock "$day"
    ql_sleep 1.5
done
icon=$(tray_icon_window) || ql_fail "no tray icon to double-click"
xdotool mousemove --window "$icon" 12 12 click --repeat 2 --delay 80 1
ql_sleep 1.5
expect_face weekday-hidden-fri-mon "shown again on Monday after days in the tray"
ql_stop_program
ql_assert_clean_exit
