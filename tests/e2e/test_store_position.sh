#!/usr/bin/env bash
# A framed window opens with its frame where the settings put it and writes the same place back,
# so it does not creep by the frame size from one run to the next.
source "$(dirname "$0")/env.sh"
ql_env_start

ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000000000"
"LNumSettings"="02000300010000000255"
"CurrentVer"="2.6"
STORE
for run in 1 2; do
    ql_start_program
    ql_wait_program_ready
    ql_sleep 1.5
    main=$(ql_find_window 'Multilingual Quorlan') || ql_fail "no main window"
    [[ $(ql_frame_extents "$main") != "0 0 0 0" ]] || ql_fail "the framed window has no frame"
    read -r left top <<<"$(ql_outer_position "$main")"
    ql_assert_eq "300 200" "$left $top" "outer position on screen, run $run"
    ql_stop_program
    ql_assert_clean_exit
    ql_assert_store_value "$Q_LITE" LNumSettings 02000300010000000255
done
