# SPDX-License-Identifier: GPL-3.0-or-later
# Checks shared by the tests of an installed copy of the program: the cmake --install tree and
# the unpacked Debian package. Source after env.sh.

QL_APP_ID=org.vessantry.QuorlanLite
QL_ICON_SIZES=(16 22 24 32 48 64 128 256)

# ql_check_installed_files ROOT LIBDIR BUILD_DIR: every file where desktops and man look for it.
ql_check_installed_files() {
    local root=$1 pkg=$1/$2/quorlan-lite build=$3 size got f
    [[ -L $root/bin/quorlan-lite ]] || ql_fail "bin/quorlan-lite is not a link"
    [[ $(readlink "$root/bin/quorlan-lite") != /* ]] || ql_fail "bin/quorlan-lite is an absolute link"
    ql_assert_eq "$pkg/quorlan-lite" "$(realpath "$root/bin/quorlan-lite")" "bin/quorlan-lite's target"
    [[ -x $pkg/quorlan-lite ]] || ql_fail "the program is not executable"
    # Exactly the voices and help pages the build made.
    ql_assert_eq "$(cd "$build/voice" && ls)" "$(cd "$pkg/voice" && ls)" "installed voices"
    ql_assert_eq "$(cd "$QL_SOURCE_DIR/help" && find . -type f ! -name CMakeLists.txt | sort)" \
        "$(cd "$pkg/help" && find . -type f | sort)" "installed help pages"
    for size in "${QL_ICON_SIZES[@]}"; do
        f=$root/share/icons/hicolor/${size}x$size/apps/$QL_APP_ID.png
        ql_assert_file "$f" "icon"
        got=$(identify -format '%wx%h' "$f") || ql_fail "unreadable icon $f"
        ql_assert_eq "${size}x$size" "$got" "icon size in ${size}x$size/"
    done
    for f in share/icons/hicolor/scalable/apps/$QL_APP_ID.svg share/man/man1/quorlan-lite.1.gz \
        share/doc/quorlan-lite/copyright share/doc/quorlan-lite/changelog.Debian.gz; do
        ql_assert_file "$root/$f"
    done
}

# ql_check_metadata ROOT: the launcher, the AppStream data and the manual page pass their
# validators, and agree with the program's own version and window class.
ql_check_metadata() {
    local root=$1 desktop=$1/share/applications/$QL_APP_ID.desktop out version
    local metainfo=$1/share/metainfo/$QL_APP_ID.metainfo.xml
    ql_assert_file "$desktop" "launcher"
    out=$(desktop-file-validate "$desktop" 2>&1) || ql_fail "desktop-file-validate: $out"
    [[ -z $out ]] || ql_fail "desktop-file-validate: $out"
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || ql_fail "appstreamcli: $out"
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
        "$root/share/man/man1/quorlan-lite.1.gz" 2>&1 >/dev/null)
    [[ -z $out ]] || ql_fail "the manual page has faults: $out"
    ql_assert_eq "StartupWMClass=$QL_APP_ID" "$(grep '^StartupWMClass=' "$desktop")" "launcher class"
    ql_assert_eq "Icon=$QL_APP_ID" "$(grep '^Icon=' "$desktop")" "launcher icon"
    version=$("$root/bin/quorlan-lite" --version) || ql_fail "--version failed"
    ql_assert_match "<release version=\"${version#quorlan-lite }\"" "$(cat "$metainfo")" \
        "AppStream release of $version"
}

# ql_check_command_line: --help and --version need no display; a wrong option is one line, status 2.
ql_check_command_line() {
    local out status
    out=$("$QL_PROGRAM" --help) || ql_fail "--help failed"
    ql_assert_match "^Usage: quorlan-lite " "$out" "--help"
    out=$("$QL_PROGRAM" --frobnicate 2>&1)
    status=$?
    ql_assert_eq 2 "$status" "exit status for an unknown option"
    ql_assert_eq 1 "$(wc -l <<<"$out")" "lines for an unknown option"
}

# Stands in for the browser: records what the program asks to open.
ql_fake_browser() {
    mkdir -p "$QL_TMP/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$QL_TMP/opened.log" >"$QL_TMP/bin/xdg-open"
    chmod +x "$QL_TMP/bin/xdg-open"
    export PATH=$QL_TMP/bin:$PATH
}

ql_main_or_error() { ql_find_window 'Multilingual Quorlan' || ql_find_window Error; }

# ql_check_installed_run LAUNCHER_EXEC: one run of QL_PROGRAM (the installed bindir link) as a
# user would: no error box (the voices are found), the window's class and icons, Ctrl+Alt+S
# speaks, Ctrl+H opens the installed help; the autostart entry written at the end starts the
# installed program, and the launcher's Exec is LAUNCHER_EXEC.
ql_check_installed_run() {
    local real main sizes url entry started
    real=$(realpath "$QL_PROGRAM")
    ql_fake_browser
    # Autostart on, a framed window with a taskbar button, the global shortcut on.
    ql_prepare_store - <<'STORE'
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000001010010"
"SNumSettings"="60000000006540"
"CurrentVer"="2.6"
STORE
    ql_start_program
    ql_wait_until 20 ql_main_or_error >/dev/null || ql_fail "the installed program showed no window"
    ql_find_window Error >/dev/null && ql_fail "an error box at start: $(cat "$QL_PROGRAM_ERR")"
    main=$(ql_find_window 'Multilingual Quorlan')
    ql_sleep 0.5

    ql_assert_match "\"quorlan-lite\", \"$QL_APP_ID\"\$" "$(xprop -id "$main" WM_CLASS)" "WM_CLASS"
    sizes=$(xprop -id "$main" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p')
    ql_assert_eq "16x16 22x22 24x24 32x32 48x48 64x64 128x128" "$(echo $sizes)" "_NET_WM_ICON sizes"

    grep -q "hot key" "$QL_PROGRAM_ERR" && ql_fail "the hot key was not grabbed: $(cat "$QL_PROGRAM_ERR")"
    ql_record_start "$QL_TMP/speech.wav"
    ql_sleep 1
    xdotool key ctrl+alt+s
    ql_sleep 4
    ql_record_stop
    ql_assert_sound "$QL_TMP/speech.wav" "speech on Ctrl+Alt+S"

    ql_window_key "$main" ctrl+h
    ql_wait_until 5 test -s "$QL_TMP/opened.log" || ql_fail "Ctrl+H opened nothing: $(cat "$QL_PROGRAM_ERR")"
    url=$(head -n 1 "$QL_TMP/opened.log")
    ql_assert_eq "file://$(dirname "$real")/help/index.html" "${url//%20/ }" "help page opened"

    ql_stop_program
    ql_assert_clean_exit
    entry=$XDG_CONFIG_HOME/autostart/quorlan-lite.desktop
    ql_assert_file "$entry" "autostart entry"
    started=$(LC_ALL=C awk -f "$QL_E2E_DIR/lib/desktop_exec.awk" "$entry") ||
        ql_fail "autostart Exec is missing or badly quoted: $(grep '^Exec' "$entry")"
    [[ -x $started ]] || ql_fail "the autostart entry starts $started, which does not exist"
    ql_assert_eq "$real" "$(realpath "$started")" "program started at log-on"
}

# ql_assert_launcher_exec ROOT EXPECTED: the program the launcher starts.
ql_assert_launcher_exec() {
    local got
    got=$(LC_ALL=C awk -f "$QL_E2E_DIR/lib/desktop_exec.awk" "$1/share/applications/$QL_APP_ID.desktop") ||
        ql_fail "launcher Exec is missing or badly quoted"
    ql_assert_eq "$2" "$got" "program the launcher starts"
}
