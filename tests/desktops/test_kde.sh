#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# KDE Plasma 5.27 on kwin_wayland (virtual output, XWayland), the clock on XWayland, PipeWire as
# the sound server, the portals this machine has: the icon registers with Plasma's watcher and is
# drawn in the panel; its menu speaks and hides the window; a real click on the icon brings it
# back; the window opens where the store put it and the store keeps that place; a real Ctrl+Alt+S
# speaks through KDE's key service (the portal binds nothing for the clock), silently, and the key
# is let go when the clock ends; --speak speaks; every speech is heard on the sink.
source "$(dirname "$0")/common.sh"
desk_begin kde "${1:?usage: test_kde.sh PROGRAM}"
source "$(dirname "$0")/kde.sh"

kde_start || { tail -n 30 "$DESK/start.log" "$DESK"/kde/*.log; exit 1; }
source "$DESK/pw.sh"
source "$DESK/rec.sh"
source "$DESK/store.sh"
start_pw || { echo "FAIL: PipeWire did not start"; exit 1; }

# Framed, no taskbar button, the hot key on, at top 200, left 300.
desk_store 200 300 000000000010
desk_clock
viewable() { [[ $(mapstate "$(desk_window)") == IsViewable ]]; }
hidden() { [[ $(mapstate "$(desk_window)") == IsUnMapped ]]; }

if wait_for 20 kde_item && wait_for 10 kde_icon_at; then
    read -r icon_x icon_y <<<"$(kde_icon_at)"
    desk_check icon ok "$(kde_item) in the watcher, drawn in the panel at $icon_x,$icon_y"
else
    desk_check icon FAIL "item '$(kde_item)' not in the watcher or not drawn in the panel"
fi

wait_for 10 viewable || desk_check window FAIL "the clock's window did not show"
read -r left top <<<"$(desk_outer_position "$(desk_window)")"
[[ "$left $top" == "300 200" ]] && desk_check position ok "at 300,200" ||
    desk_check position FAIL "at $left,$top, stored 300,200"

labels=$(kde_menu | tr '\n' '|')
level=$(desk_speech_level menu kde_menu "Speak!")
if desk_loud "$level" && kde_menu "_Minimize to tray" >/dev/null && wait_for 5 hidden; then
    desk_check menu ok "Speak! heard ($level), Minimize to tray hid the window"
else
    desk_check menu FAIL "Speak! ($level) or Minimize to tray did nothing; labels: $labels"
fi

kfake move "${icon_x:-0}" "${icon_y:-0}" click 272
wait_for 5 viewable && desk_check restore ok "one real click on the icon" ||
    desk_check restore FAIL "a click on the icon at ${icon_x:-?},${icon_y:-?} left the window hidden"

level=$(desk_speech_level hotkey kfake keys 29 56 31 -)
said=$(grep -c -- '--speak' "$S/clock.log")
if desk_loud "$level" && ((said == 0)) && kde_shortcut_active; then
    desk_check "hot key" ok "a real Ctrl+Alt+S spoke through KDE's key service: $level"
else
    desk_check "hot key" FAIL "Ctrl+Alt+S: $level, $said lines naming --speak: $(cat "$S/clock.log")"
fi

desk_check_speak_command

desk_check_position_kept "200 300"
kde_shortcut_active && desk_check release FAIL "Ctrl+Alt+S still held for the clock after it ended" ||
    desk_check release ok "Ctrl+Alt+S let go at the end"
desk_end
