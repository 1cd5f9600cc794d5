# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the notification-area tests, sourced after env.sh.

# Confirms any "Error" box of the program (e.g. no voice plug-in installed), so start-up goes on.
tray_confirm_errors() {
    local id
    for id in $(xdotool search --pid "$QL_PID" --name '^Error$' 2>/dev/null); do
        [[ $(ql_window_name "$id") == Error ]] || continue
        ql_window_key "$id" Return
    done
    return 0
}

# tray_start WHAT [FAKETIME-ARGS...]: starts the program and waits until its start-up is over:
# WHAT is "window" (the main window is shown) or "icon" (the tray icon is there).
tray_start() {
    local what=$1
    shift
    ql_start_program "$@"
    ql_wait_until 20 tray_started "$what" || ql_fail "no $what of the program within 20 s"
    ql_sleep 0.5
    tray_confirm_errors # the icon is up before the voice is loaded, and its error box
    ql_sleep 0.3
}

tray_started() {
    ql_pid_alive "$QL_PID" || ql_fail "the program ended during start-up"
    tray_confirm_errors
    case $1 in
        window) tray_main_shown ;;
        icon) tray_icon_window >/dev/null ;;
    esac
}

# The program's icon window inside icewm's tray, printed as a decimal id.
tray_icon_window() {
    local tray tx ty tw th tm id x y w h m
    tray=$(xdotool search --name '^SystemTray$' 2>/dev/null | head -n 1) || return 1
    read -r tx ty tw th tm <<<"$(ql_window_info "$tray")" || return 1
    for id in $(xdotool search --pid "$QL_PID" 2>/dev/null); do
        read -r x y w h m <<<"$(ql_window_info "$id")" || continue
        if [[ $m == IsViewable ]] && ((w > 1 && x >= tx && y >= ty && x + w <= tx + tw && y + h <= ty + th)); then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# True when the window asks the window manager to keep it out of the taskbar.
tray_skips_taskbar() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_SKIP_TASKBAR; }

# True when icewm lists the window among its clients (what its taskbar shows is drawn from these).
tray_is_client() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qi "$(printf '0x%x' "$1")\b"
}

tray_main_shown() { ql_find_window 'Multilingual Quorlan' >/dev/null; }

# Zoomed picture of the tray icon (8x, no smoothing) for a person to look at.
tray_icon_picture() {
    local id x y w h m
    id=$(tray_icon_window) || ql_fail "no tray icon to photograph"
    read -r x y w h m <<<"$(ql_window_info "$id")"
    ql_screenshot "$QL_TMP/screen-for-icon.png"
    convert "$QL_TMP/screen-for-icon.png" -crop "$((w + 8))x$((h + 8))+$((x - 4))+$((y - 4))" +repage \
        -filter point -resize 800% "$1" || ql_fail "cannot cut the icon out of the screenshot"
}

