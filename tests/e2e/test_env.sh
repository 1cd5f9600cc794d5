#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The test environment itself: X server, window manager with tray, sound server, helpers.
source "$(dirname "$0")/env.sh"
ql_env_start

# X server and window manager.
xdpyinfo >/dev/null 2>&1 || ql_fail "cannot talk to the X server on $DISPLAY"
ql_assert_match 'dimensions: +1280x1024 pixels' "$(xdpyinfo | grep dimensions:)" "screen size"
ql_wm_ready || ql_fail "no window manager check window"
ql_tray_ready || ql_fail "no system tray"

# Window helpers against a known client: icewm frames it and keeps the requested outer position.
xclock -geometry 120x100+200+150 -title 'Clock (e2e) [1]' >/dev/null 2>&1 &
ql_track xclock $!
win=$(ql_wait_window 'Clock (e2e) [1]') || ql_fail "xclock's window not found by its exact name"
ql_find_window 'clock (e2e) [1]' >/dev/null && ql_fail "a name differing in case must not match"
read -r x y w h m <<<"$(ql_window_info "$win")"
ql_assert_eq "120x100 IsViewable" "${w}x$h $m" "xclock geometry"
ql_assert_eq "200 150" "$(ql_outer_position "$win")" "xclock outer position"

ql_screenshot "$QL_TMP/screen.png"
ql_assert_eq "1280x1024" "$(identify -format '%wx%h' "$QL_TMP/screen.png")" "screenshot size"

# Sound: the monitor is silent until something plays, and what plays through ALSA's default
# device (as the program plays) reaches the recording.
bell=/usr/share/sounds/freedesktop/stereo/bell.oga
ql_record_start "$QL_TMP/quiet.wav"
ql_sleep 1
ql_record_stop
ql_assert_silence "$QL_TMP/quiet.wav" "recording with nothing playing"

ql_record_start "$QL_TMP/bell.wav"
timeout 20 sox -q "$bell" -t alsa default || ql_fail "could not play through ALSA's default device"
ql_sleep 0.3
ql_record_stop
ql_assert_sound "$QL_TMP/bell.wav" "recording of the bell"
