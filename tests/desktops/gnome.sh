# SPDX-License-Identifier: GPL-3.0-or-later
# GNOME Shell helpers on top of the recipes' gnome-env.sh: the AppIndicator item of the clock and
# its menu, found through the shell's own objects so the clicks land where a user would click.

# gnome_item: "KEY X Y" of the clock's item in the top bar, or nothing.
gnome_item() { gicon 2>/dev/null | grep '^appindicator'; }

# gnome_menu_js JS: JS evaluated with `a` bound to the item's indicator; prints the result bare.
gnome_menu_js() {
    local key
    read -r key _ <<<"$(gnome_item)"
    geval "const a = Main.panel.statusArea['$key']; $1" | sed -E "s/^\(true, '\"?(.*)\"?'\)$/\1/; s/\"$//"
}

# gnome_menu_labels: the labels of the item's menu as the shell shows them, joined by "|".
gnome_menu_labels() {
    gnome_menu_js "a.menu._getMenuItems().map(i => i.label ? i.label.text : '--').join('|')"
}

gnome_menu_open() { [[ $(gnome_menu_js "a.menu.isOpen") == true ]]; }

# gnome_click_item LABEL: opens the item's menu with one click and clicks LABEL in it.
gnome_click_item() {
    local key x y
    read -r key x y <<<"$(gnome_item)"
    gnome_menu_open || gclick "$x" "$y" >/dev/null
    wait_for 5 gnome_menu_open || return 1
    sleep 0.5 # the menu slides open: its items move until then
    read -r x y <<<"$(gnome_menu_js "const i = a.menu._getMenuItems().find(i => i.label && i.label.text == '$1'); const [x, y] = i.get_transformed_position(); const [w, h] = i.get_transformed_size(); Math.round(x + w / 2) + ' ' + Math.round(y + h / 2)")"
    [[ $x =~ ^[0-9]+$ ]] || return 1
    gclick "$x" "$y" >/dev/null
}

# gnome_item_title: the Title the clock's item gives the panel.
gnome_item_title() {
    local key svc
    read -r key _ <<<"$(gnome_item)"
    svc=${key#appindicator-}
    as_user busctl --user get-property "${svc%@*}" "${svc#*@}" org.kde.StatusNotifierItem Title
}
