#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the X server shows and what the store holds around the settings dialog:
# - a stored "always on top" and transparency at level 20 apply from the start, at the lowest
#   visible level 50 (the window used to start invisible);
# - with "Show program in taskbar" on, the taskbar button is still there after OK (it used to be
#   hidden);
# - what OK confirmed survives a SIGKILL right after it;
# - closing by the window frame saves and ends with status 0;
# - a window stored at the edge of the screen comes up wholly on it.
source "$(dirname "$0")/env.sh"
ql_env_start --no-sound
plugins=${QL_BUILD_DIR:-$(dirname "$QL_PROGRAM")}/tests/plugins
ql_assert_file "$plugins/RecordingVoice.so" "test voice"
ql_private_install "$plugins/RecordingVoice.so":"Test (Recorder).so"

# Framed big window at left 100, top 100; on top, in the taskbar, transparent at 20.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="010000010001"
"LNumSettings"="01000100010000000020"
"CurrentVer"="2.6"
STORE

wm_state() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }
in_taskbar() { [[ $(wm_state "$1") != *_NET_WM_STATE_SKIP_TASKBAR* ]]; }

ql_start_program
main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window"
ql_sleep 1
ql_assert_match '_NET_WM_STATE_ABOVE' "$(wm_state "$main")" "stored \"always on top\" at start"
# 50 of 255 on X's 32-bit scale: 50 / 255 * 0xffffffff.
ql_assert_eq "_NET_WM_WINDOW_OPACITY(CARDINAL) = 842150450" \
    "$(xprop -id "$main" _NET_WM_WINDOW_OPACITY)" "opacity for a stored level of 20"
in_taskbar "$main" || ql_fail "no taskbar button at start: $(wm_state "$main")"

ql_window_key "$main" ctrl+s
dialog=$(ql_wait_window Settings 10) || ql_fail "Ctrl+S opened no settings dialog"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
# Focus: OK, Cancel, Help, the page tabs, "Windowless", "24 hr format".
xdotool key --clearmodifiers Tab Tab Tab Tab Tab space Return
ql_wait_until 5 ql_not ql_find_window Settings || ql_fail "Return did not confirm the settings"
ql_sleep 1
in_taskbar "$main" || ql_fail "the taskbar button went away after OK: $(wm_state "$main")"

kill -KILL "$QL_PID"
ql_wait_pid_exit "$QL_PID" 5
ql_reap
flags=$(ql_store_value "$Q_LITE" BinSettings) || ql_fail "no BinSettings stored"
ql_assert_eq 1 "${flags:2:1}" "24-hour format confirmed by OK, after SIGKILL"
ql_assert_eq 1 "${flags:7:1}" "taskbar setting kept"
# The dialog shows a level below 50 at 50, and OK confirms what it showed.
ql_assert_eq "0050" "$(ql_store_value "$Q_LITE" LNumSettings | cut -c17-20)" "level confirmed by OK"

# Moved without a drag (nothing saved yet), then closed by the frame's close request.
ql_start_program
main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window after the restart"
ql_sleep 1
xdotool windowmove "$main" 400 300
ql_sleep 1
read -r left top <<<"$(ql_outer_position "$main")"
ql_window_key "$main" alt+F4
ql_wait_pid_exit "$QL_PID" 10 || ql_fail "the close request of the window frame did not end the clock"
ql_reap
ql_assert_clean_exit
long=$(ql_store_value "$Q_LITE" LNumSettings) || ql_fail "no LNumSettings stored"
ql_assert_eq "$(printf '%04d%04d' "$top" "$left")" "${long:0:8}" "position saved at close"

# Stored in the last pixels of the 1280 x 1024 screen: the window, frame and all, is pulled onto it.
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"LNumSettings"="10001250010000000255"
"CurrentVer"="2.6"
STORE
ql_start_program
main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window near the edge"
ql_sleep 1.5
read -r x y w h m <<<"$(ql_window_info "$main")"
read -r fl fr ft fb <<<"$(ql_frame_extents "$main")"
((x - fl >= 0 && y - ft >= 0 && x + w + fr <= 1280 && y + h + fb <= 1024)) ||
    ql_fail "window stored at 1250,1000 is not wholly on the screen: client $x,$y ${w}x$h, frame $fl $fr $ft $fb"
ql_stop_program
ql_assert_clean_exit
