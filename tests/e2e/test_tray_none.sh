#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# No tray at all: the window is shown although the user chose to start in the tray, it says so
# once, and "Minimize to tray" leaves the window reachable. A tray that turns up just after the
# start (a session that starts the clock before its panel) takes the window as chosen.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-wm --no-sound

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="100000000000"
"CurrentVer"="2.6"
STORE
tray_start window
tray_icon_window >/dev/null && ql_fail "an icon without a tray?"
ql_assert_eq 1 "$(grep -c 'no notification area' "$QL_PROGRAM_ERR")" "notices on stderr"

win=$(ql_find_window 'Multilingual Quorlan')
xdotool mousemove --window "$win" 150 40 click 3
ql_sleep 0.5
xdotool key Up Up Return
ql_sleep 1
# Without a window manager nothing can iconify it; above all it must not be withdrawn.
ql_assert_eq IsViewable "$(ql_window_info "$win" | awk '{ print $5 }')" "window after Minimize to tray"
ql_sleep 1
ql_assert_eq 1 "$(grep -c 'no notification area' "$QL_PROGRAM_ERR")" "notices on stderr"
ql_stop_program
ql_assert_clean_exit

# Second run, and the panel with its tray comes up a moment later.
tray_start window
ql_start_icewm
ql_wait_until 10 tray_icon_window >/dev/null || ql_fail "no icon once the tray came up"
ql_wait_until 5 ql_not tray_main_shown || ql_fail "the window stayed up although the clock starts in the tray"
ql_stop_program
ql_assert_clean_exit
