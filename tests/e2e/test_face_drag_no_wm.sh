#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a window manager the window follows the pointer by itself while the left button is held.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
ql_env_start --no-wm --no-sound

for snum in 60000000004040 60000001004040; do
    ql_store_layout 000000100000 "$snum"
    ql_start_program
    ql_wait_program_ready
    win=$(ql_program_window)
    read -r x y w h m <<<"$(ql_window_info "$win")"
    xdotool mousemove $((x + 30)) $((y + 20)) mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove $((x + 30 + 20 * step)) $((y + 20 + 10 * step))
        ql_sleep 0.2
    done
    xdotool mouseup 1
    ql_sleep 0.5
    read -r nx ny nw nh m <<<"$(ql_window_info "$win")"
    ql_assert_eq "$((x + 80)) $((y + 40))" "$nx $ny" "position after a drag ($snum)"
    # After the release the window stays where it is.
    xdotool mousemove $((x + 300)) $((y + 300))
    ql_sleep 0.5
    read -r nx ny nw nh m <<<"$(ql_window_info "$win")"
    ql_assert_eq "$((x + 80)) $((y + 40))" "$nx $ny" "position after the release ($snum)"
    ql_stop_program
    ql_assert_clean_exit
done
