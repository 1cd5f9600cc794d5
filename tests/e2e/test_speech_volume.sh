#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# PulseAudio: speech volumes 65, 40 and 10 are heard at their levels with a real voice, and the
# desktop's volume stays where it is (the PipeWire twin is test_desktop_pipewire.sh).
source "$(dirname "$0")/env.sh"
source "$QL_E2E_DIR/lib/speech_volume.sh"
ql_env_start

ql_install_english_voice
ql_check_speech_volumes
grep -q 'no sound output' "$QL_PROGRAM_ERR" && ql_fail "no sound output: $(cat "$QL_PROGRAM_ERR")"
exit 0
