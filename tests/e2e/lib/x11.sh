# SPDX-License-Identifier: GPL-3.0-or-later
# Finding windows and reading their state on the test's X server.

# ql_window_info ID -> "x y width height mapstate" (x, y: absolute position of the client area)
ql_window_info() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        /Map State:/ { m = $NF }
        END { if (m != "") print x, y, w, h, m; else exit 1 }'
}

# Of several windows, the viewable one with the largest area: Qt's 1x1 helper windows and
# unmapped leaders share names and PIDs with the real window.
ql_pick_window() {
    local id info best= best_area=-1 x y w h m
    for id in "$@"; do
        info=$(ql_window_info "$id") || continue
        read -r x y w h m <<<"$info"
        [[ $m == IsViewable ]] || continue
        ((w * h > best_area)) && best=$id best_area=$((w * h))
    done
    [[ -n $best && $best_area -gt 1 ]] && echo "$best"
}

ql_regex_escape() { sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$1"; }

# ql_find_window NAME: the window whose title is exactly NAME, printed as a decimal id.
ql_find_window() {
    local ids id exact=()
    ids=$(xdotool search --name "^$(ql_regex_escape "$1")\$" 2>/dev/null) || return 1
    # xdotool's match ignores case; the title must match exactly.
    for id in $ids; do
        [[ $(ql_window_name "$id") == "$1" ]] && exact+=("$id")
    done
    ((${#exact[@]})) && ql_pick_window "${exact[@]}"
}

# ql_wait_window NAME [SECONDS]: waits for the window, prints its id.
ql_wait_window() {
    ql_wait_until "${2:-15}" ql_find_window "$1" >/dev/null || return 1
    ql_find_window "$1"
}

# The largest viewable window of the running program (found by _NET_WM_PID).
ql_program_window() {
    local ids
    ids=$(xdotool search --pid "$QL_PID" 2>/dev/null) || return 1
    ql_pick_window $ids
}

ql_window_name() { xdotool getwindowname "$1" 2>/dev/null; }

# ql_frame_extents ID -> "left right top bottom" as the window manager reports them (0s without one)
ql_frame_extents() {
    local v
    v=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ,)
    echo "${v:-0 0 0 0}"
}

# ql_outer_position ID -> "left top" of the window including the frame the window manager drew.
ql_outer_position() {
    local x y w h m l r t b
    read -r x y w h m <<<"$(ql_window_info "$1")"
    read -r l r t b <<<"$(ql_frame_extents "$1")"
    echo "$((x - l)) $((y - t))"
}

ql_screenshot() {
    timeout 20 import -window root "$1" || ql_fail "screenshot $1 failed"
}

# Sends one key to the window after giving it the focus.
ql_window_key() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" 2>/dev/null
    xdotool key --clearmodifiers "$2"
}

# True when a viewable window of the program lies inside icewm's system tray: its tray icon.
ql_program_in_tray() {
    local tray id tx ty tw th tm x y w h m
    tray=$(xdotool search --name '^SystemTray$' 2>/dev/null | head -n 1) || return 1
    read -r tx ty tw th tm <<<"$(ql_window_info "$tray")" || return 1
    for id in $(xdotool search --pid "$QL_PID" 2>/dev/null); do
        read -r x y w h m <<<"$(ql_window_info "$id")" || continue
        [[ $m == IsViewable ]] && ((w > 1 && x >= tx && y >= ty && x + w <= tx + tw && y + h <= ty + th)) &&
            return 0
    done
    return 1
}
