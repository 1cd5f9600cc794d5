# SPDX-License-Identifier: GPL-3.0-or-later
# The clock face on the screen: the expected picture composed from the image lists, screenshots
# of the window, and pixel comparisons. Sourced by the face tests after env.sh.

QL_IMAGES=$(cd "$QL_E2E_DIR/../../assets/images" && pwd)

# Paint boxes: left top width height on the background panel.
declare -A QL_BOX=(
    [Hour1]="21 36 31 47" [Hour2]="50 36 31 47" [Col]="81 43 9 33" [Min1]="92 36 31 47"
    [Min2]="121 36 31 47" [Sec1]="153 50 22 33" [Sec2]="173 50 22 33" [Date1]="166 16 14 21"
    [Date2]="180 16 14 21" [AP]="18 46 22 33" [Misc]="22 14 141 21" [Weekday]="21 82 174 14"
    [MT]="9 10 80 21"
)

# ql_face_new OUT ITEM: a picture of the panel showing background item ITEM of MiscList.
ql_face_new() { cp "$QL_IMAGES/MiscList/$2.png" "$1" || ql_fail "no background image $2"; }

# ql_face_draw OUT BOX LIST INDEX X Y: draws the list item into the box at (X, Y), clipped to
# the box as the program clips it.
ql_face_draw() {
    local out=$1 list=$3 index=$4 x=$5 y=$6 bx by bw bh w h
    read -r bx by bw bh <<<"${QL_BOX[$2]}"
    local img=$QL_IMAGES/$list/$index.png
    read -r w h <<<"$(identify -format '%w %h' "$img")"
    ((w > bw - x)) && w=$((bw - x))
    ((h > bh - y)) && h=$((bh - y))
    convert "$out" \( "$img" -crop "${w}x$h+0+0" +repage \) -geometry "+$((bx + x))+$((by + y))" \
        -composite "$out" || ql_fail "cannot compose $list/$index into $2"
}

# ql_face_big OUT HOURS MARK MINUTES SECONDS_TENS DAY WEEKDAY: the big face in 12-hour mode with
# both indicators off, e.g. ql_face_big out.png " 1" PM 05 0 " 5" 7 (a space: empty tens cell;
# weekday 1 = Sunday). The ones of the seconds are left as the background shows them.
ql_face_big() {
    local out=$1 hours=$2 mark=$3 minutes=$4 sec=$5 day=$6 weekday=$7 tens
    tens=${hours:0:1}
    [[ $tens == " " ]] && tens=10
    ql_face_new "$out" 15
    ql_face_draw "$out" Hour1 HrMinList "$tens" 0 0
    ql_face_draw "$out" Hour2 HrMinList "${hours:1:1}" 0 0
    if [[ $mark == AM ]]; then
        ql_face_draw "$out" AP MiscList 7 0 0
        ql_face_draw "$out" AP MiscList 14 0 15
    else
        ql_face_draw "$out" AP MiscList 14 0 0
        ql_face_draw "$out" AP MiscList 8 0 15
    fi
    ql_face_draw "$out" Misc MiscList 14 0 6
    ql_face_draw "$out" Misc MiscList 14 6 6
    ql_face_draw "$out" Misc MiscList 14 32 2
    ql_face_draw "$out" Misc MiscList 14 32 8
    ql_face_draw "$out" Col MiscList 11 0 0
    ql_face_draw "$out" Misc MiscList 12 115 2
    ql_face_draw "$out" Min1 HrMinList "${minutes:0:1}" 0 0
    ql_face_draw "$out" Min2 HrMinList "${minutes:1:1}" 0 0
    ql_face_draw "$out" Sec1 SecList "$sec" 0 0
    tens=${day:0:1}
    [[ $tens == " " ]] && tens=10
    ql_face_draw "$out" Date1 MSList "$tens" 0 0
    ql_face_draw "$out" Date2 MSList "${day:1:1}" 0 0
    ql_face_draw "$out" Weekday MiscList $((weekday - 1)) $(((weekday - 1) * 25)) 0
}

# ql_assert_big_face SHOT EXPECTED: all of the big face but the running seconds.
ql_assert_big_face() {
    ql_assert_same_pixels "$1" "$2" 153x100+0+0 "big face left of the seconds"
    ql_assert_same_pixels "$1" "$2" 117x50+153+0 "above the seconds"
    ql_assert_same_pixels "$1" "$2" 270x18+0+82 "weekday strip"
}

# ql_window_shot ID OUT: the window's client area as the screen shows it.
ql_window_shot() {
    local x y w h m
    read -r x y w h m <<<"$(ql_window_info "$1")"
    timeout 20 import -window root -crop "${w}x$h+$x+$y" +repage "$2" || ql_fail "screenshot failed"
}

# ql_differing_pixels A B GEOMETRY: how many pixels of the area WxH+X+Y differ between two
# pictures.
ql_differing_pixels() {
    convert "$1" -crop "$3" +repage "$QL_TMP/cmp-a.png" &&
        convert "$2" -crop "$3" +repage "$QL_TMP/cmp-b.png" || ql_fail "cannot crop $3"
    compare -metric AE "$QL_TMP/cmp-a.png" "$QL_TMP/cmp-b.png" null: 2>&1 | cut -d' ' -f1
}

# ql_assert_same_pixels A B GEOMETRY WHAT
ql_assert_same_pixels() {
    local n
    n=$(ql_differing_pixels "$1" "$2" "$3")
    [[ $n == 0 ]] || {
        cp "$1" "$QL_TMP/failed-shown.png" 2>/dev/null
        cp "$2" "$QL_TMP/failed-expected.png" 2>/dev/null
        ql_fail "$4: $n pixels differ in $3"
    }
}

# ql_store_layout BIN SNUM: a current-version store with these settings strings.
ql_store_layout() {
    ql_prepare_store - <<STORE
[Software\Vessantry\Quorlan Lite]
"BinSettings"="$1"
"SNumSettings"="$2"
"CurrentVer"="2.6"
STORE
}
