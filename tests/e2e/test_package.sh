#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built once by cpack; its contents, control fields and dependencies; lintian
# finds no errors; apt resolves it (a simulation only: nothing is installed on this machine);
# unpacked into a temporary root, the program runs as the build-tree one does.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/installed.sh"

build=${QL_BUILD_DIR:?}
libdir=lib # the program's private folder is /usr/lib/quorlan-lite, as README says
# Bounded, so a stale build tree (cpack builds it first) fails here rather than at CTest's limit.
timeout 200 cpack -G DEB -B "$QL_TMP/pkg" --config "$build/CPackConfig.cmake" >"$QL_TMP/cpack.log" 2>&1 ||
    ql_fail "cpack failed: $(tail -n 5 "$QL_TMP/cpack.log")"
deb=$(ls "$QL_TMP"/pkg/quorlan-lite_*.deb) || ql_fail "cpack made no quorlan-lite_*.deb"
ql_log "built ${deb##*/} ($(stat -c %s "$deb") bytes)"

field() { dpkg-deb -f "$deb" "$1"; }
ql_assert_eq quorlan-lite "$(field Package)" "Package"
ql_assert_eq "$("$build/quorlan-lite" --version | cut -d' ' -f2)-1" "$(field Version)" "Version"
depends=$(field Depends)
for dep in libc6 libqt6widgets6 libasound2 libsndfile1 libespeak-ng1 espeak-ng-data \
    sound-theme-freedesktop qt6-qpa-plugins; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || ql_fail "Depends lacks $dep: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
grep -qvE '^\./usr(/|$)' <<<"$contents" && ql_fail "files outside /usr: $(grep -vE '^\./usr(/|$)' <<<"$contents")"
for path in "./usr/$libdir/quorlan-lite/quorlan-lite" "./usr/$libdir/quorlan-lite/voice/English (Mike).so" \
    "./usr/$libdir/quorlan-lite/help/index.html" "./usr/share/applications/$QL_APP_ID.desktop" \
    "./usr/share/metainfo/$QL_APP_ID.metainfo.xml" "./usr/share/man/man1/quorlan-lite.1.gz" \
    "./usr/share/icons/hicolor/48x48/apps/$QL_APP_ID.png" "./usr/share/doc/quorlan-lite/copyright" \
    "./usr/share/doc/quorlan-lite/changelog.Debian.gz"; do
    grep -qxF "$path" <<<"$contents" || ql_fail "the package lacks $path"
done
link=$(grep '^\./usr/bin/quorlan-lite -> ' <<<"$contents") || ql_fail "the package lacks /usr/bin/quorlan-lite"
ql_assert_eq "../$libdir/quorlan-lite/quorlan-lite" "${link#* -> }" "/usr/bin/quorlan-lite's target"

# Ask apt whether it could install the package here; -s only simulates. --reinstall: a copy
# already installed on this machine must not change the answer.
out=$(flock /tmp/apt.lock apt-get install -s --reinstall --allow-downgrades "$deb" 2>&1) || ql_fail "apt-get install -s: $out"
grep -q '^Inst quorlan-lite ' <<<"$out" || ql_fail "apt would not install the package: $out"

# Clean, info tags included (hardening, unneeded sections), but for the note every first upload
# gets and the help that lives beside the program on purpose.
timeout 120 lintian -I --fail-on none "$deb" >"$QL_TMP/lintian.log" 2>&1 ||
    ql_fail "lintian could not check the package: $(tail -n 5 "$QL_TMP/lintian.log")"
tags=$(grep -E '^[EWI]: ' "$QL_TMP/lintian.log" |
    grep -vE ': (initial-upload-closes-no-bugs|package-contains-documentation-outside-usr-share-doc) ')
[[ -z $tags ]] || ql_fail "lintian: $tags"

root=$QL_TMP/root
dpkg-deb -x "$deb" "$root" || ql_fail "dpkg-deb -x failed"
ql_check_installed_files "$root/usr" "$libdir" "$build"
ql_check_metadata "$root/usr"
ql_assert_launcher_exec "$root/usr" /usr/bin/quorlan-lite

QL_PROGRAM=$root/usr/bin/quorlan-lite
ql_check_command_line
ql_env_start
ql_check_installed_run
