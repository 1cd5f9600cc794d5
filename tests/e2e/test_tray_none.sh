#!/usr/bin/env bash
# No tray at all: the window is shown although the user chose to start in the tray, it says so
# once, and "Minimize to tray" leaves the window reachable.
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
