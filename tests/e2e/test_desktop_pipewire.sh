#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# PipeWire through pipewire-pulse: Ctrl+Alt+S speaks the time with a real voice (recorded on the
# sink's monitor) at speech volumes 65, 40 and 10, each heard at its level, while the sink's
# volume stays where it is.
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/dbus.sh"
source "$QL_E2E_DIR/lib/pipewire.sh"
source "$QL_E2E_DIR/lib/speech_volume.sh"
ql_env_start --no-sound
ql_start_pipewire

ql_install_english_voice
ql_check_speech_volumes
grep -q 'no sound output' "$QL_PROGRAM_ERR" && ql_fail "PipeWire was not reached: $(cat "$QL_PROGRAM_ERR")"
exit 0
