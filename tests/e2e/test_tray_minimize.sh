#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Minimize to tray", the title bar's minimise box and a double-click on the icon, with and
# without "Show program in taskbar".
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound

# Opens the window's menu and chooses "Minimize to tray", the second item from the bottom.
menu_minimize_to_tray() {
    xdotool mousemove --window "$1" 150 40 click 3
    ql_sleep 0.5
    xdotool key Up Up Return
}

double_click_icon() {
    local icon
    icon=$(tray_icon_window) || ql_fail "no tray icon to double-click"
    xdotool mousemove --window "$icon" 12 12 click --repeat 2 --delay 80 1
}

window_hidden() { [[ $(ql_window_info "$1" | awk '{ print $5 }') != IsViewable ]]; }
window_viewable() { [[ $(ql_window_info "$1" | awk '{ print $5 }') == IsViewable ]]; }

# expect_shown WINDOW IN-TASKBAR WHAT
expect_shown() {
    ql_wait_until 5 window_viewable "$1" || ql_fail "$3: the window is not shown"
    tray_is_client "$1" || ql_fail "$3: the window manager does not manage the window"
    ql_sleep 0.3
    if [[ $2 == 1 ]]; then
        tray_skips_taskbar "$1" && ql_fail "$3: the window skips the taskbar"
    else
        tray_skips_taskbar "$1" || ql_fail "$3: the window has a taskbar button"
    fi
    return 0
}

expect_hidden() {
    ql_wait_until 5 window_hidden "$1" || ql_fail "$2: the window is still shown"
    tray_is_client "$1" && ql_fail "$2: the window manager still lists the window"
    tray_icon_window >/dev/null || ql_fail "$2: the tray icon is gone"
    return 0
}

for taskbar in 1 0; do
    ql_prepare_store - <<STORE
[Software\\Vessantry\\Quorlan Lite]
"BinSettings"="0000000${taskbar}0000"
"CurrentVer"="2.6"
STORE
    tray_start window
    win=$(ql_find_window 'Multilingual Quorlan')
    expect_shown "$win" "$taskbar" "at start (taskbar $taskbar)"

    menu_minimize_to_tray "$win"
    expect_hidden "$win" "after Minimize to tray (taskbar $taskbar)"
    [[ -n ${QL_SHOTS:-} && $taskbar == 1 ]] && ql_screenshot "$QL_SHOTS/hidden-in-tray.png"
    double_click_icon
    expect_shown "$win" "$taskbar" "after a double-click on the icon (taskbar $taskbar)"

    xdotool windowminimize "$win"
    expect_hidden "$win" "after minimising (taskbar $taskbar)"
    double_click_icon
    expect_shown "$win" "$taskbar" "after the second double-click (taskbar $taskbar)"

    ql_stop_program
    ql_assert_clean_exit
done
