#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# GNOME Shell 43 with the AppIndicator extension, the clock on XWayland, PipeWire as the sound
# server, the portals this machine has: the icon registers with the shell's own watcher as
# "Quorlan Lite"; one click opens its menu with "Show clock" first, and that item and a
# double-click bring the window back; the window opens where the store put it and the store
# keeps that place; Ctrl+Alt+S speaks or the clock says once to bind --speak; --speak speaks, and
# the speech is heard on the sound server's sink.
source "$(dirname "$0")/common.sh"
desk_begin gnome "${1:?usage: test_gnome.sh PROGRAM}"

bash "$DESK/gnome-start.sh" >"$DESK/start.log" 2>&1 || { cat "$DESK/start.log"; exit 1; }
source "$DESK/gnome-env.sh"
source "$DESK/pw.sh"
source "$DESK/rec.sh"
source "$DESK/store.sh"
source "$(dirname "$0")/gnome.sh"
start_pw || { echo "FAIL: PipeWire did not start"; exit 1; }
geval 'Main.overview.hide(); "desktop"' >/dev/null # the session opens on the overview

# Framed, with a taskbar button and the hot key on, at top 150, left 250.
desk_store 150 250 000000010010
desk_clock
viewable() { [[ $(desk_window_state) == IsViewable ]]; }
hidden() { [[ $(desk_window_state) == IsUnMapped ]]; }

if wait_for 20 gnome_item; then
    title=$(gnome_item_title)
    [[ $title == 's "Quorlan Lite"' ]] && desk_check icon ok "$(gnome_item | cut -d' ' -f1)" ||
        desk_check icon FAIL "title $title"
else
    desk_check icon FAIL "no AppIndicator item in the top bar"
fi

wait_for 10 viewable || desk_check window FAIL "the clock's window did not show"
gshot "$S/out/desktop.png" >/dev/null
read -r left top <<<"$(desk_outer_position "$(desk_window)")"
[[ "$left $top" == "250 150" ]] && desk_check position ok "at 250,150" ||
    desk_check position FAIL "at $left,$top, stored 250,150"

labels=$(gnome_menu_labels)
if gnome_click_item "Minimize to tray" && wait_for 5 hidden; then
    [[ $labels == "Show clock|Speak!|"* ]] && desk_check menu ok "one click: ${labels%%|Select*}…" ||
        desk_check menu FAIL "labels: $labels"
else
    desk_check menu FAIL "Minimize to tray from the icon's menu left the window: $labels"
fi

read -r _ x y <<<"$(gnome_item)"
gdclick "$x" "$y" >/dev/null
wait_for 5 viewable && restored="double-click" || restored=
if gnome_click_item "Minimize to tray" && wait_for 5 hidden && gnome_click_item "Show clock" &&
    wait_for 5 viewable; then
    restored="${restored:+$restored and }Show clock"
else
    desk_check restore FAIL "Show clock did not bring the window back"
fi
[[ $restored == *double-click* ]] && desk_check restore ok "$restored" ||
    desk_check restore FAIL "a double-click on the icon did not bring the window back"

level=$(desk_speech_level hotkey gkey 0xffe3 0xffe9 0x73)
said=$(grep -c -- '--speak' "$S/clock.log")
if desk_loud "$level"; then
    desk_check "hot key" ok "Ctrl+Alt+S spoke: $level"
elif ((said == 1)); then
    desk_check "hot key" ok "n/a, one line: $(grep -- '--speak' "$S/clock.log")"
else
    desk_check "hot key" FAIL "silent ($level) and $said lines naming --speak"
fi

desk_check_speak_command

desk_check_position_kept "150 250"
desk_end
