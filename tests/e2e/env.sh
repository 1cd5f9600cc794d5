# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end test environment, sourced by tests/e2e/test_*.sh:
#
#   source "$(dirname "$0")/env.sh"      # temp dir, private HOME, cleanup trap, helpers
#   ql_env_start [--no-wm] [--no-sound]  # Xvfb, icewm with its tray, PulseAudio with a null sink
#
# The program under test is the script's first argument (else $QL_BUILD_DIR/quorlan-lite).
# Every process started here is stopped by its PID when the test exits, however it exits.
# Set QL_KEEP_TMP=1 to keep the temp dir (logs, screenshots, store) for inspection.

QL_E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$QL_E2E_DIR/lib/common.sh"
source "$QL_E2E_DIR/lib/services.sh"
source "$QL_E2E_DIR/lib/program.sh"
source "$QL_E2E_DIR/lib/store.sh"
source "$QL_E2E_DIR/lib/x11.sh"
source "$QL_E2E_DIR/lib/audio.sh"

ql_env_init "$@"
