#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# weston 10 without XWayland, the clock as a native Wayland client, PipeWire as the sound server,
# the portals this machine has: the window shows its face where weston puts it; each choice the
# compositor keeps to itself is said in one line (no tray, position, on top), and a taskbar
# button the user keeps is not one of them; the hot key, which no portal binds here, is one line
# naming --speak; --speak is heard on the sink; the stored position survives the run.
source "$(dirname "$0")/common.sh"
desk_begin weston "${1:?usage: test_weston.sh PROGRAM}"

bash "$DESK/weston-start.sh" >"$DESK/start.log" 2>&1 || { cat "$DESK/start.log"; exit 1; }
source "$DESK/weston-env.sh"
source "$DESK/pw.sh"
source "$DESK/rec.sh"
source "$DESK/store.sh"
start_pw || { echo "FAIL: PipeWire did not start"; exit 1; }

# On top, with a taskbar button and the hot key on, at top 200, left 300.
desk_store 200 300 010000010010
desk_clock
# The face's LCD green, as the screenshot shows it: the window is up and painted.
face_pixels() {
    rm -f "$S"/out/wayland-screenshot-*.png
    (cd "$S/out" && as_user weston-screenshooter) >/dev/null 2>&1 || return 1
    convert "$S"/out/wayland-screenshot-*.png -fill black +opaque '#A5AD9C' -fill white \
        -opaque '#A5AD9C' -format '%[fx:round(mean*w*h)]' info:
}
shown() { (($(face_pixels || echo 0) > 5000)); }
wait_for 20 shown && desk_check window ok "$(face_pixels) pixels of the face" ||
    desk_check window FAIL "no face on weston's screen: $(cat "$S/clock.log")"

lines() { grep -c -- "$1" "$S/clock.log"; }
wait_for 10 grep -q -- '--speak' "$S/clock.log"
for expected in "1 no notification area" "1 place its window" "1 keep its window on top" \
    "0 taskbar" "1 Ctrl+Alt+S cannot reach the clock; bind a key to \"quorlan-lite --speak\""; do
    count=${expected%% *} text=${expected#* }
    (($(lines "$text") == count)) || desk_check lines FAIL "$(lines "$text") lines, not $count, say \"$text\""
done
(($(lines '^quorlan-lite:') == 4)) && desk_check lines ok "one each for tray, position, on top, hot key" ||
    desk_check lines FAIL "$(cat "$S/clock.log")"

desk_check_speak_command

pid=$(desk_clock_pid)
kill "$pid"
wait_for 10 sh -c "! kill -0 $pid" && wait "$pid" && desk_check close ok "ended at SIGTERM" ||
    desk_check close FAIL "did not end cleanly at SIGTERM"
[[ $(desk_stored_position) == "200 300" ]] && desk_check store ok "position kept" ||
    desk_check store FAIL "stored top/left $(desk_stored_position), was 200 300"
desk_end
