#!/usr/bin/env bash
# Screenshots of the four window states at a few times of day, taken from the running program on
# Xvfb with icewm and cropped to the window (its frame included):
#   bash tools/face-screenshots/take_face_screenshots.sh [OUT_DIR] [path/to/quorlan-lite]
# OUT_DIR defaults to docs/screenshots; files are named <layout>-<time>[-24h].png, and the big
# frameless face on a 200 % desktop big-frameless-1305-2x.png.
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
