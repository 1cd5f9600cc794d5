#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the four window states at a few times of day, taken from the running program on
# Xvfb with icewm and cropped to the window (its frame included):
#   bash tools/face-screenshots/take_face_screenshots.sh [OUT_DIR] [path/to/quorlan-lite]
# OUT_DIR defaults to docs/screenshots; files are named <layout>-<time>[-24h].png, the big
# frameless face on a 200 % desktop big-frameless-1305-2x.png, and the four layouts drawn
# semi-transparent over a checked window, under the picom compositor, <layout>-1305-blend.png.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshots}")
export QL_E2E_LIMIT=900 QL_RESULT_LINE=0
QL_PROGRAM=$(realpath "${2:-$root/build/quorlan-lite}")
source "$root/tests/e2e/env.sh"
source "$root/tests/e2e/lib/face.sh"
mkdir -p "$out"
ql_env_start --no-sound

# Crops the root window to the window and the frame the window manager drew around it.
shot_window() {
    local win=$1 file=$2 x y w h m l r t b
    read -r x y w h m <<<"$(ql_window_info "$win")"
    read -r l r t b <<<"$(ql_frame_extents "$win")"
    timeout 20 import -window root -crop "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))" \
        +repage "$file" || ql_fail "screenshot $file failed"
}

ink() { convert "$@" -format '%[fx:1-mean]' info:; }
lit_ink=$(ink "$QL_IMAGES/MiscList/20.png")
dark_ink=$(ink "$QL_IMAGES/MiscList/21.png")
colon_lit() {
    ql_window_shot "$1" "$QL_TMP/client.png"
    awk -v s="$(ink "$QL_TMP/client.png" -crop 4x21+46+10)" -v l="$lit_ink" -v d="$dark_ink" \
        'BEGIN { exit !(s > (l + d) / 2) }'
}

# time | file suffix | 24-hour flag (BinSettings position 3)
times=("00:07:05|0007|0" "09:59:30|0959|0" "12:30:41|1230|0" "13:05:17|1305|0" "22:00:09|2200|0"
    "00:07:05|0007-24h|1" "09:59:30|0959-24h|1" "13:05:17|1305-24h|1" "22:00:09|2200-24h|1")
# layout | frameless flag (BinSettings position 7) | SNumSettings
layouts=("big-frameless|1|60000000004040" "small-frameless|1|60000001004040"
    "big-framed|0|60000000004040" "small-framed|0|60000001004040")
for t in "${times[@]}"; do
    IFS='|' read -r clock suffix h24 <<<"$t"
    for l in "${layouts[@]}"; do
        IFS='|' read -r layout frameless snum <<<"$l"
        ql_store_layout "00${h24}000${frameless}00000" "$snum"
        ql_start_program "2026-12-05 $clock"
        ql_wait_program_ready
        ql_sleep 0.7
        # The small face's colon blinks: wait for it to be lit.
        [[ $layout == small-* ]] && ql_wait_until 3 colon_lit "$(ql_program_window)"
        shot_window "$(ql_program_window)" "$out/$layout-$suffix.png"
        ql_log "$out/$layout-$suffix.png"
        ql_stop_program
    done
done

# The big face on a desktop scaled by 200 %.
ql_store_layout 000000100000 60000000004040
QT_SCALE_FACTOR=2 ql_start_program "2026-12-05 13:05:17"
ql_wait_program_ready
ql_sleep 0.7
shot_window "$(ql_program_window)" "$out/big-frameless-1305-2x.png"
ql_log "$out/big-frameless-1305-2x.png"
ql_stop_program

# Semi-transparent (blending on, opacity 170 of 255) over a checked window, so what shows
# through is plain. icewm leaves the opacity on the client window, which picom reads.
convert -size 16x16 xc:'#3a5f8a' -fill '#d9a441' -draw 'rectangle 0,0 7,7' -draw 'rectangle 8,8 15,15' \
    -write mpr:tile +delete -size 640x400 tile:mpr:tile "$QL_TMP/checks.png"
display -geometry +0+0 "$QL_TMP/checks.png" &
ql_track display $!
picom --backend xrender --detect-client-opacity --no-fading-openclose --config /dev/null \
    >"$QL_TMP/picom.log" 2>&1 &
ql_track picom $!
ql_sleep 1
colon_ink() {
    ql_window_shot "$1" "$QL_TMP/client.png"
    ink "$QL_TMP/client.png" -crop 4x21+46+10
}
# Blended, the colon's ink cannot be compared with the images': wait until it darkens.
wait_colon_lighting() {
    local i before after
    for ((i = 0; i < 8; i++)); do
        before=$(colon_ink "$1")
        ql_sleep 0.3
        after=$(colon_ink "$1")
        awk -v a="$after" -v b="$before" 'BEGIN { exit !(a > b + 0.02) }' && return 0
    done
    return 1
}
for l in "${layouts[@]}"; do
    IFS='|' read -r layout frameless snum <<<"$l"
    ql_prepare_store - <<STORE
[Software\Vessantry\Quorlan Lite]
"BinSettings"="000000${frameless}00001"
"SNumSettings"="$snum"
"LNumSettings"="01000100010000000170"
"CurrentVer"="2.6"
STORE
    ql_start_program "2026-12-05 13:05:17"
    ql_wait_program_ready
    ql_sleep 1
    [[ $layout == small-* ]] && wait_colon_lighting "$(ql_program_window)"
    shot_window "$(ql_program_window)" "$out/$layout-1305-blend.png"
    ql_log "$out/$layout-1305-blend.png"
    ql_stop_program
done
