#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The panel that hosts the tray goes away and comes back: while it is gone a hidden window comes
# back to the desktop, and once it is back the icon is there again, once, and answers.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="100000000000"
"CurrentVer"="2.6"
STORE
tray_start icon

icewm_pid() {
    local e
    for e in "${QL_PIDS[@]}"; do [[ $e == icewm\ * ]] && echo "${e#* }"; done | tail -n 1
}
ql_stop_pid "$(icewm_pid)" 5
ql_wait_until 10 tray_main_shown || ql_fail "the hidden window did not come back when the tray went away"
grep -c 'no notification area' "$QL_PROGRAM_ERR" | grep -qx 1 || ql_fail "no single notice on stderr"

ql_start_icewm
ql_wait_until 10 tray_icon_window >/dev/null || ql_fail "the icon did not come back after the tray restarted"
ql_sleep 2 # a late second docking would show up now
icons=0
tray=$(xdotool search --name '^SystemTray$' | head -n 1)
for id in $(xdotool search --pid "$QL_PID" 2>/dev/null); do
    read -r x y w h m <<<"$(ql_window_info "$id")" || continue
    read -r tx ty tw th tm <<<"$(ql_window_info "$tray")"
    [[ $m == IsViewable ]] && ((w > 1 && x >= tx && y >= ty && x + w <= tx + tw && y + h <= ty + th)) &&
        icons=$((icons + 1))
done
ql_assert_eq 1 "$icons" "icons of the program in the tray"
[[ -n ${QL_SHOTS:-} ]] && ql_screenshot "$QL_SHOTS/after-tray-restart.png"

# The window that came back keeps a taskbar button, also with the new window manager.
win=$(ql_find_window 'Multilingual Quorlan')
tray_skips_taskbar "$win" && ql_fail "the window that came back has no taskbar button"

# The re-docked icon works: the window hides to it and comes back from it.
xdotool windowminimize "$win"
ql_wait_until 5 ql_not tray_main_shown || ql_fail "minimising did not hide the window to the new tray"
icon=$(tray_icon_window)
xdotool mousemove --window "$icon" 12 12 click --repeat 2 --delay 80 1
ql_wait_until 5 tray_main_shown || ql_fail "a double-click on the re-docked icon did not show the window"
ql_stop_program
ql_assert_clean_exit
