#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bare environment: an X server with no window manager, tray or sound server, and no
# sound server spawned behind the test's back.
source "$(dirname "$0")/env.sh"
ql_env_start --no-wm --no-sound

xdpyinfo >/dev/null 2>&1 || ql_fail "cannot talk to the X server on $DISPLAY"
ql_wm_ready && ql_fail "a window manager is running"
ql_tray_ready && ql_fail "a system tray is present"
pactl info >/dev/null 2>&1 && ql_fail "a sound server answers"
timeout 20 sox -q -n -t alsa default synth 0.1 sine 440 2>/dev/null
ql_pulse_ready && ql_fail "playing a sound spawned a sound server"
[[ -e $XDG_RUNTIME_DIR/pulse/pid ]] && ql_fail "a sound server left its pid file"
exit 0
