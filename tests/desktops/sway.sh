# SPDX-License-Identifier: GPL-3.0-or-later
# sway helpers on top of the recipes' sway-env.sh: waybar's tray and the menu it draws, driven
# through a real pointer (the recipes' vptr), found on screenshots since waybar tells nobody where
# it put an item.

# sway_build_vptr: builds the pointer helper in $DESK (the session's seat has no pointer).
sway_build_vptr() {
    gcc -O1 -o "$DESK/vptr-bin" "$DESK/vptr/vptr.c" "$DESK/vptr/wlr-virtual-pointer-unstable-v1-protocol.c" \
        -I"$DESK/vptr" -lwayland-client && chmod 755 "$DESK/vptr-bin"
}
sway_pointer() { as_user "$DESK/vptr-bin" "$@" >/dev/null 2>&1; }

# sway_white_rows PNG X: first and last row of pure white in column X.
sway_white_rows() {
    as_user convert "$1" -crop "1x1024+$2+0" txt:- |
        awk -F'[,: ]+' 'NR > 1 && /#FFFFFF/ { print $2 }' | sort -n | sed -n '1p;$p' | tr '\n' ' '
}

# sway_tray_icon: "X Y" of the clock's icon in waybar (the only tray item: the first white pixels
# of the bar, left of the clock's text), or nothing.
sway_tray_icon() {
    local png=$S/out/bar.png x
    as_user grim "$png" || return 1
    x=$(as_user convert "$png" -crop 1280x30+0+994 txt:- |
        awk -F'[,: ]+' 'NR > 1 && /#FFFFFF/ { print $1 }' | sort -n | head -n 1)
    [[ -n $x ]] && echo "$((x + 11)) 1009"
}

# sway_menu_rows X Y: "TOP BOTTOM" of the menu a right click on the icon at X Y opens; the menu
# is closed again. GTK puts it in the same place every time.
sway_menu_rows() {
    local col=$(($1 - 60)) top bottom i
    sway_pointer move "$1" "$2" click 273
    for i in $(seq 1 20); do
        sleep 0.3
        as_user grim "$S/out/menu.png"
        read -r top bottom <<<"$(sway_white_rows "$S/out/menu.png" "$col")"
        [[ -n ${top:-} ]] && ((bottom - top > 100)) && break
        top=
    done
    sway_pointer move 100 100 click 272
    [[ -n ${top:-} ]] && echo "$top $bottom"
}

# sway_menu_click X Y ROW: right click on the icon, then a click on the menu's row ROW, with one
# pointer: a new pointer device appearing can make the open menu miss the click.
sway_menu_click() {
    sway_pointer move "$1" "$2" click 273 sleep 1500 move "$(($1 - 60))" "$3" click 272
}
