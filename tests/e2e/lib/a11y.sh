# SPDX-License-Identifier: GPL-3.0-or-later
# The accessibility bus a screen reader listens on, started on the test's private session bus,
# and the program started with its AT-SPI bridge on. Sourced after env.sh and dbus.sh.

QL_A11Y_PY=$QL_E2E_DIR/lib/a11y.py

ql_start_a11y_bus() {
    ql_start_session_bus
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$QL_TMP/at-spi-bus.log" 2>&1 &
    ql_track at-spi-bus-launcher $!
    ql_wait_until 10 ql_bus_has org.a11y.Bus || ql_fail "the accessibility bus did not start within 10 s"
    /usr/libexec/at-spi2-registryd >"$QL_TMP/at-spi-registry.log" 2>&1 &
    ql_track at-spi2-registryd $!
    # Toolkits ask org.a11y.Status whether a screen reader wants them; Qt is told directly too.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# ql_start_a11y_program TIME: the program speaking English (Mike), its clock at TIME read from
# the file $clock, up on the accessibility bus; main is its window. Prepare the store first.
ql_start_a11y_program() {
    ql_install_english_voice
    clock=$QL_TMP/clock
    echo "$1" >"$clock"
    ql_start_program --clock-file "$clock"
    main=$(ql_wait_window 'Multilingual Quorlan' 20) || ql_fail "no main window"
    ql_wait_until 10 ql_a11y windows >/dev/null ||
        ql_fail "the program never appeared on the accessibility bus"
}

# ql_a11y COMMAND ARGS...: runs a command of lib/a11y.py against the running program.
ql_a11y() { timeout 30 /usr/bin/python3 "$QL_A11Y_PY" "$QL_PID" "$@"; }

# ql_assert_a11y_keys WHAT KEY... <<< EXPECTED: where the focus goes after each key, one line a key.
ql_assert_a11y_keys() {
    local what=$1 expected got
    shift
    expected=$(cat)
    got=$(ql_a11y keys "$@") || ql_fail "$what: the accessibility bus did not answer"
    [[ $got == "$expected" ]] || ql_fail "$what: focus went"$'\n'"$got"$'\n'"expected"$'\n'"$expected"
}

# ql_assert_a11y_tree TITLE <<< EXPECTED: the window's objects as a screen reader finds them.
ql_assert_a11y_tree() {
    local expected got
    expected=$(cat)
    got=$(ql_a11y tree "$1") || ql_fail "window '$1' not found over AT-SPI"
    [[ $got == "$expected" ]] || ql_fail "'$1' over AT-SPI:"$'\n'"$got"$'\n'"expected"$'\n'"$expected"
}

# The colour of one pixel of a picture, "r,g,b".
ql_pixel() { convert "$1" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' -crop "1x1+$2+$3" info:; }
