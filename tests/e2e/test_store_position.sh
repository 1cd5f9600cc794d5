#!/usr/bin/env bash
# A framed window opens with its frame where the settings put it and writes the same place back,
# so it does not creep by the frame size from one run to the next.
source "$(dirname "$0")/env.sh"
ql_env_start

for layout in 00 01 00; do # big, small (a tool window), then big after the small one
    ql_prepare_store - <<STORE
[Software\Vessantry\Quorlan Lite]
"BinSettings"="01000000000"
"LNumSettings"="02000300010000000255"
"SNumSettings"="600000${layout}004040"
"CurrentVer"="2.6"
STORE
    run=$layout
    ql_start_program
    ql_wait_program_ready
    ql_sleep 1.5
    main=$(ql_program_window) || ql_fail "no main window"
    [[ $(ql_frame_extents "$main") != "0 0 0 0" ]] || ql_fail "the framed window has no frame"
    read -r left top <<<"$(ql_outer_position "$main")"
    ql_assert_eq "300 200" "$left $top" "outer position on screen, run $run"
    ql_stop_program
    ql_assert_clean_exit
    ql_assert_store_value "$Q_LITE" LNumSettings 02000300010000000255
done
