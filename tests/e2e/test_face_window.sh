#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The four window states as the window manager sees them, and dragging by the face.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
ql_env_start --no-sound

# ql_drag WIN DX DY: presses the left button on the minute digits and moves by DX, DY.
ql_drag() {
    local x y w h m
    read -r x y w h m <<<"$(ql_window_info "$1")"
    xdotool mousemove $((x + 100)) $((y + 20)) mousedown 1
    ql_sleep 0.3
    xdotool mousemove $((x + 100 + $2 / 2)) $((y + 20 + $3 / 2))
    ql_sleep 0.3
    xdotool mousemove $((x + 100 + $2)) $((y + 20 + $3))
    ql_sleep 0.3
    xdotool mouseup 1
    ql_sleep 0.5
}

# bin | snum | size | shaped | title | window type
rows=(
    "000000100000|60000000004040|292x130|yes|Multilingual Quorlan|_NET_WM_WINDOW_TYPE_NORMAL"
    "000000100000|60000001004040|150x40|yes|Multilingual Quorlan|_NET_WM_WINDOW_TYPE_NORMAL"
    "000000000000|60000000004040|292x130|no|Multilingual Quorlan|_NET_WM_WINDOW_TYPE_NORMAL"
    "000000000000|60000001004040|150x32|no|Quorlan|_NET_WM_WINDOW_TYPE_UTILITY"
)
for row in "${rows[@]}"; do
    IFS='|' read -r bin snum size shaped title type <<<"$row"
    ql_log "row: $bin $snum"
    ql_store_layout "$bin" "$snum"
    ql_start_program
    ql_wait_program_ready
    win=$(ql_program_window)
    read -r x y w h m <<<"$(ql_window_info "$win")"
    ql_assert_eq "$size" "${w}x$h" "client size"
    ql_assert_eq "$title" "$(ql_window_name "$win")" "caption"
    ql_assert_match "$type" "$(xprop -id "$win" _NET_WM_WINDOW_TYPE)" "window type"
    if [[ $shaped == yes ]]; then
        ql_assert_match "Window shape extents: +$((w + 1))x$((h + 1))\+0\+0" \
            "$(xwininfo -shape -id "$win")" "shape"
        ql_assert_eq "0 0 0 0" "$(ql_frame_extents "$win")" "frame of a frameless window"
    else
        ql_assert_match "No window shape defined" "$(xwininfo -shape -id "$win")" "shape"
    fi
    # Pressing the face moves the window with the pointer.
    read -r ox oy <<<"$(ql_outer_position "$win")"
    ql_drag "$win" 60 40
    ql_assert_eq "$((ox + 60)) $((oy + 40))" "$(ql_outer_position "$win")" "position after a drag"
    # A right press opens the menu and does not drag.
    read -r x y w h m <<<"$(ql_window_info "$win")"
    xdotool mousemove $((x + 100)) $((y + 20)) mousedown 3 mousemove $((x + 140)) $((y + 60)) mouseup 3
    ql_sleep 0.5
    xdotool key Escape
    ql_assert_eq "$((ox + 60)) $((oy + 40))" "$(ql_outer_position "$win")" "position after a right press"
    ql_stop_program
    ql_assert_clean_exit
done
