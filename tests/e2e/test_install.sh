#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install with DESTDIR and a prefix whose name needs quoting: every file lands where
# desktops and man look for it, passes its validator, and the installed program runs as the
# build-tree one does.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/installed.sh"

build=${QL_BUILD_DIR:?}
libdir=lib # <prefix>/lib/quorlan-lite, whatever the prefix, as README says
prefix="/opt/Quorlan Lite $$"
root=$QL_TMP/stage$prefix
DESTDIR=$QL_TMP/stage cmake --install "$build" --prefix "$prefix" >"$QL_TMP/install.log" 2>&1 ||
    ql_fail "cmake --install failed: $(tail -n 5 "$QL_TMP/install.log")"
[[ -e $prefix ]] && ql_fail "cmake --install wrote outside DESTDIR, into $prefix"

ql_check_installed_files "$root" "$libdir" "$build"
# Configured for /usr as a distribution does, every file of the program still goes to
# lib/quorlan-lite (not the multiarch lib/<arch>/ of shared libraries), as in the package.
cmake -S "$QL_SOURCE_DIR" -B "$QL_TMP/usr-build" -DCMAKE_INSTALL_PREFIX=/usr -DQL_BUILD_TESTS=OFF \
    >"$QL_TMP/configure.log" 2>&1 || ql_fail "configuring for /usr failed: $(tail -n 5 "$QL_TMP/configure.log")"
dests=$(grep -rhoE --include=cmake_install.cmake 'DESTINATION "\$\{CMAKE_INSTALL_PREFIX\}/lib[^"]*"' \
    "$QL_TMP/usr-build" | sort -u)
ql_assert_eq 'DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/quorlan-lite"
DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/quorlan-lite/help"
DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/quorlan-lite/voice"' "$dests" "folders installed under /usr/lib"
ql_check_metadata "$root"
ql_assert_launcher_exec "$root" "$prefix/bin/quorlan-lite"

QL_PROGRAM=$root/bin/quorlan-lite
ql_check_command_line
ql_env_start
ql_check_installed_run
