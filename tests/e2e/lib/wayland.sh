# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland compositor without any display hardware: weston's headless backend. Sourced by the
# tests that need it, after env.sh.

# ql_start_weston: starts weston on a socket in the private XDG_RUNTIME_DIR and sets
# WAYLAND_DISPLAY; no X server (DISPLAY stays unset).
ql_start_weston() {
    local socket=wayland-ql
    weston --backend=headless-backend.so --socket=$socket --idle-time=0 --no-config \
        --width=1280 --height=1024 >"$QL_TMP/weston.log" 2>&1 &
    ql_track weston $!
    ql_wait_until 15 test -S "$XDG_RUNTIME_DIR/$socket" || ql_fail "weston did not start within 15 s"
    export WAYLAND_DISPLAY=$socket
}

# With WAYLAND_DEBUG=client in the program's environment, its protocol requests are on stderr:
# true once it has titled a top-level surface and given it a buffer.
ql_wayland_window_shown() {
    grep -q "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$QL_PROGRAM_ERR" &&
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$QL_PROGRAM_ERR"
}
