#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock goes on under the welcome and the upgrade windows: the seconds run; under the
# upgrade window the next minute's announcement reaches the voice and the alarm rings.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/face.sh"
source "$QL_E2E_DIR/lib/modal.sh"
ql_env_start --no-sound
modal_install_voice 500

# First run: the welcome window opens over the centred clock; moved aside to see the face.
ql_clear_store
ql_start_program
welcome=$(ql_wait_window 'Welcome!' 20) || ql_fail "no welcome window"
xdotool windowmove "$welcome" 0 0
ql_sleep 1
modal_assert_face_ticks "under the welcome window"
ql_stop_program
ql_assert_clean_exit

# Settings of an earlier version: announcements every minute, alarm at 06:31 without a sound.
modal_store 2.5 001110000000 01063100064040
ql_start_program -f '@2026-12-07 06:30:44' # the next minute well after start-up
ql_wait_window 'Thank you for upgrading' 20 >/dev/null || ql_fail "no upgrade window"
ql_sleep 1
modal_assert_face_ticks "under the upgrade window"
ql_wait_until 25 modal_calls_reach begin 2 || ql_fail "no announcement at 06:31 under the upgrade window"
ql_wait_window 'Alarm!' 5 >/dev/null || ql_fail "the 06:31 alarm did not ring under the upgrade window"
ql_find_window 'Thank you for upgrading' >/dev/null || ql_fail "the upgrade window closed by itself"
ql_stop_program
ql_assert_clean_exit
