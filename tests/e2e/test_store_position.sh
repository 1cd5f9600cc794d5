#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A framed window opens with its frame where the settings put it and writes the same place back,
# so it does not creep by the frame size from one run to the next. On two monitors of different
# sizes a window stored where no monitor shows it is shown on the nearest one, and only a move
# by the user changes the stored position.
source "$(dirname "$0")/env.sh"
export QL_XVFB_SIZE=2304x1024
ql_env_start
# 1280 x 1024 at 0,0 and 1024 x 768 at 1280,0: the desktop's bottom right is on no monitor.
xrandr --setmonitor big 1280/338x1024/270+0+0 screen >/dev/null &&
    xrandr --setmonitor small 1024/270x768/203+1280+0 none >/dev/null || ql_fail "no monitors"

for layout in 00 01 00; do # big, small (a tool window), then big after the small one
    ql_prepare_store - <<STORE
[Software\Vessantry\Quorlan Lite]
"BinSettings"="01000000000"
"LNumSettings"="02000300010000000255"
"SNumSettings"="600000${layout}004040"
"CurrentVer"="2.6"
STORE
    run=$layout
    ql_start_program
    ql_wait_program_ready
    ql_sleep 1.5
    main=$(ql_program_window) || ql_fail "no main window"
    [[ $(ql_frame_extents "$main") != "0 0 0 0" ]] || ql_fail "the framed window has no frame"
    read -r left top <<<"$(ql_outer_position "$main")"
    ql_assert_eq "300 200" "$left $top" "outer position on screen, run $run"
    ql_stop_program
    ql_assert_clean_exit
    ql_assert_store_value "$Q_LITE" LNumSettings 02000300010000000255
done

# Frameless, stored at top 900, left 1500: below the small monitor.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000100000"
"LNumSettings"="09001500010000000255"
"CurrentVer"="2.6"
STORE
ql_start_program
ql_wait_program_ready
ql_sleep 1.5
main=$(ql_program_window) || ql_fail "no main window"
ql_assert_eq "1500 638 292 130" "$(ql_window_info "$main" | cut -d' ' -f1-4)" \
    "window wholly on the small monitor"
ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" LNumSettings 09001500010000000255

# The user drags it by the face 200 pixels up and left: that place is stored.
ql_start_program
ql_wait_program_ready
ql_sleep 1.5
xdotool mousemove 1600 700 mousedown 1 sleep 0.3 mousemove 1500 600 sleep 0.3 \
    mousemove 1400 500 sleep 0.3 mouseup 1
stored_at() { [[ $(ql_store_value "$Q_LITE" LNumSettings) == "$1" ]]; }
# Saved when the drag ends, not only at the close.
ql_wait_until 5 stored_at 04381300010000000255 ||
    ql_fail "the drag was not stored: $(ql_store_value "$Q_LITE" LNumSettings)"
ql_stop_program
ql_assert_clean_exit
ql_assert_store_value "$Q_LITE" LNumSettings 04381300010000000255
