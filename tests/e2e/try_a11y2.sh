source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
source "$QL_E2E_DIR/lib/a11y.sh"
ql_env_start
ql_start_a11y_bus
voice=${QL_BUILD_DIR:-build}/voice/English\ \(Mike\).so; ql_private_install "$voice":"English (Mike).so"
ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000010000000"
"LNumSettings"="02000300010000000255"
"SNumSettings"="15142600004040"
"CurrentVer"="2.6"
STORE
echo "2026-12-07 14:25:40" > $QL_TMP/clock
ql_start_program --clock-file $QL_TMP/clock
QL_MAIN=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window"
ql_sleep 0.5
xdotool windowactivate --sync $QL_MAIN
ql_a11y keys Tab Tab shift+Tab ctrl+s
ql_a11y tree 'Settings'
ql_a11y keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Escape
ql_a11y keys ctrl+a
ql_a11y tree 'Alarm and announce settings'
ql_a11y keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab 
echo "2026-12-07 14:26:00" > $QL_TMP/clock
ql_wait_window 'Alarm!' 30
ql_a11y windows
ql_a11y tree 'Alarm!'
ql_a11y keys Return Escape
