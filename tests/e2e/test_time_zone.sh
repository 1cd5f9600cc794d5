#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running clock follows the system's time zone, changed either way: the zone file rewritten
# in place, or /etc/localtime re-linked (as timedatectl does), removed and made again. In a
# private mount namespace, so the machine's zone is never touched. The clock runs from Monday
# 2026-12-07 10:00 UTC: 10 AM in UTC, 7 PM in Tokyo (+9), 12 AM on Tuesday the 8th in
# Kiritimati (+14).
if [[ -z ${QL_ZONE_NAMESPACE:-} ]]; then
    unshare --mount true 2>/dev/null ||
        { echo "SKIP: test_time_zone needs a private mount namespace (root)" && exit 0; }
    QL_ZONE_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound
zones=/usr/share/zoneinfo

start_at_ten_utc() {
    ql_store_layout 000000100000 60000000004040
    tray_start window -f "$(printf '%+d' $(($(date -d '2026-12-07 10:00:05Z' +%s) - $(date +%s))))"
}

# The hours, the day and the weekday as in the picture; not the running minutes and seconds.
face_shows() {
    ql_window_shot "$(ql_program_window)" "$QL_TMP/shown.png"
    for area in 92x82+0+0 28x21+166+16 270x18+0+82; do
        [[ $(ql_differing_pixels "$QL_TMP/shown.png" "$1" "$area") == 0 ]] || return 1
    done
}

expect_face() { # HOURS MARK DAY WEEKDAY WHAT
    ql_face_big "$QL_TMP/expected.png" "$1" "$2" 00 0 "$3" "$4"
    ql_wait_until 10 face_shows "$QL_TMP/expected.png" || ql_fail "$5: no $1 $2 on day $3 in 10 s"
}

cp "$zones/Etc/UTC" "$QL_TMP/zone"
mount --bind "$QL_TMP/zone" /etc/localtime || ql_fail "cannot bind a zone file over /etc/localtime"
start_at_ten_utc
expect_face 10 AM " 7" 2 "in UTC"
tray_icon_picture "$QL_TMP/icon-utc.png"
cat "$zones/Asia/Tokyo" >"$QL_TMP/zone"
expect_face " 7" PM " 7" 2 "after the zone file became Tokyo's"
tray_icon_picture "$QL_TMP/icon-tokyo.png" # the hour hand moved at once, not at the next minute
[[ $(ql_differing_pixels "$QL_TMP/icon-utc.png" "$QL_TMP/icon-tokyo.png" 999x999+0+0) != 0 ]] ||
    ql_fail "the tray icon still shows the old zone's hour"
ql_stop_program
umount /etc/localtime

mkdir "$QL_TMP/etc"
cp -a /etc/. "$QL_TMP/etc/" && mount --bind "$QL_TMP/etc" /etc || ql_fail "cannot give /etc a copy"
ln -sfn "$zones/Etc/UTC" /etc/localtime
start_at_ten_utc
expect_face 10 AM " 7" 2 "in UTC"
ln -s "$zones/Pacific/Kiritimati" /etc/.localtime-new && mv -T /etc/.localtime-new /etc/localtime
expect_face 12 AM " 8" 3 "after /etc/localtime was re-linked to Kiritimati"
rm /etc/localtime
expect_face 10 AM " 7" 2 "with no /etc/localtime, so in UTC"
ln -s "$zones/Asia/Tokyo" /etc/localtime
expect_face " 7" PM " 7" 2 "after /etc/localtime was made again"
ql_stop_program
ql_assert_clean_exit
umount /etc
