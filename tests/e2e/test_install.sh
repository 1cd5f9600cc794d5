#!/usr/bin/env bash
# cmake --install with DESTDIR and a prefix whose name needs quoting: every file lands where
# desktops and man look for it, passes its validator, and the installed program runs as the
# build-tree one does.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/installed.sh"

build=${QL_BUILD_DIR:?}
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
prefix="/opt/Quorlan Lite $$"
root=$QL_TMP/stage$prefix
DESTDIR=$QL_TMP/stage cmake --install "$build" --prefix "$prefix" >"$QL_TMP/install.log" 2>&1 ||
    ql_fail "cmake --install failed: $(tail -n 5 "$QL_TMP/install.log")"
[[ -e $prefix ]] && ql_fail "cmake --install wrote outside DESTDIR, into $prefix"

ql_check_installed_files "$root" "$libdir" "$build"
ql_check_metadata "$root"
ql_assert_launcher_exec "$root" "$prefix/bin/quorlan-lite"

QL_PROGRAM=$root/bin/quorlan-lite
ql_check_command_line
ql_env_start
ql_check_installed_run
