#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running clock follows a change of the system's time zone, both ways a zone changes: the
# zone file rewritten in place, and /etc/localtime re-linked to another zone (as timedatectl
# does). Runs in a private mount namespace, so the machine's own zone is never touched. The
# clock is set to Monday 2026-12-07 10:00 UTC; each expected face follows from the zone's
# offset: UTC 10 AM, Asia/Tokyo (+9) 7 PM, Pacific/Kiritimati (+14) 12 AM on Tuesday the 8th.
# The tray icon's hands follow at once too.
if [[ -z ${QL_ZONE_NAMESPACE:-} ]]; then
    if ! unshare --mount true 2>/dev/null; then
        echo "SKIP: test_time_zone needs a private mount namespace (unshare --mount, as root)"
        exit 0
    fi
    QL_ZONE_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
source "$QL_E2E_DIR/lib/tray.sh"
ql_env_start --no-sound
zones=/usr/share/zoneinfo

# At real speed from 10:00:05 UTC: the hour under test stays for the whole run.
start_at_ten_utc() {
    local offset=$(($(date -u -d '2026-12-07 10:00:05' +%s) - $(date +%s)))
    ql_store_layout 000000100000 60000000004040
    tray_start window -f "$(printf '%+d' "$offset")"
}

# face_shows EXPECTED: the hours, the day and the weekday as in the picture; the running
# minutes and seconds are left out.
face_shows() {
    local win shot=$QL_TMP/shown.png area
    win=$(ql_program_window) || return 1
    ql_window_shot "$win" "$shot"
    for area in 92x82+0+0 28x21+166+16 270x18+0+82; do
        [[ $(ql_differing_pixels "$shot" "$1" "$area") == 0 ]] || return 1
    done
}

expect_face() { # HOURS MARK DAY WEEKDAY WHAT
    local expected=$QL_TMP/expected-${1// /_}$2.png
    ql_face_big "$expected" "$1" "$2" 00 0 "$3" "$4"
    ql_wait_until 10 face_shows "$expected" || {
        cp "$QL_TMP/shown.png" "$QL_TMP/failed-shown.png"
        ql_fail "$5: the face does not show $1 $2 on day $3 within 10 s"
    }
}

ql_log "a zone file over /etc/localtime, rewritten in place"
cp "$zones/Etc/UTC" "$QL_TMP/zone"
mount --bind "$QL_TMP/zone" /etc/localtime || ql_fail "cannot bind a zone file over /etc/localtime"
start_at_ten_utc
expect_face 10 AM " 7" 2 "in UTC"
tray_icon_picture "$QL_TMP/icon-utc.png"
cat "$zones/Asia/Tokyo" >"$QL_TMP/zone"
expect_face " 7" PM " 7" 2 "after the zone file became Tokyo's"
tray_icon_picture "$QL_TMP/icon-tokyo.png" # the hour hand moved, the minute did not
[[ $(ql_differing_pixels "$QL_TMP/icon-utc.png" "$QL_TMP/icon-tokyo.png" \
    "$(identify -format '%wx%h+0+0' "$QL_TMP/icon-utc.png")") != 0 ]] ||
    ql_fail "the tray icon still shows the old zone's hour"
ql_stop_program
ql_assert_clean_exit
umount /etc/localtime

ql_log "/etc/localtime re-linked to another zone"
mkdir "$QL_TMP/etc"
cp -a /etc/. "$QL_TMP/etc/" && mount --bind "$QL_TMP/etc" /etc || ql_fail "cannot give /etc a copy"
ln -sfn "$zones/Etc/UTC" /etc/localtime
start_at_ten_utc
expect_face 10 AM " 7" 2 "in UTC"
ln -s "$zones/Pacific/Kiritimati" /etc/.localtime-new && mv -T /etc/.localtime-new /etc/localtime
expect_face 12 AM " 8" 3 "after /etc/localtime was re-linked to Kiritimati"
ql_stop_program
ql_assert_clean_exit
umount /etc
