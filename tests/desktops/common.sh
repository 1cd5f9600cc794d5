# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the desktop scenarios: a test user of their own, a private copy of the recipes with
# the program under test in it, the checks' bookkeeping, and a cleanup that leaves nothing behind.
# Source, then call desk_begin NAME PROGRAM; the recipes' lib.sh is sourced by the desktop helper.
#
# The desktops run as a user of their own, which only root can create: elsewhere the scenario
# skips with one line (scripts/test --desktops runs them through sudo).

set -u
QL_DESK_SKIP=77 # ctest's SKIP_RETURN_CODE
DESK_RECIPES=$(cd "$(dirname "${BASH_SOURCE[0]}")/recipes" && pwd)
DESK_RESULTS=()
DESK_FAILED=0

desk_log() { echo "desktops: $*" >&2; }

# desk_begin NAME PROGRAM: a fresh user and recipe folder; the program and its voices copied in.
desk_begin() {
    DESK_NAME=$1
    local program=$2 build
    if ((EUID != 0)); then
        echo "SKIP: the $DESK_NAME scenario needs root to create its test user (run scripts/test --desktops)"
        exit "$QL_DESK_SKIP"
    fi
    [[ -x $program ]] || { echo "FAIL: program not found: $program"; exit 1; }
    build=${QL_BUILD_DIR:-$(dirname "$program")}
    DESK_USER=ql${DESK_NAME:0:5}$$
    useradd --no-create-home --shell /usr/sbin/nologin "$DESK_USER" || { echo "FAIL: useradd $DESK_USER"; exit 1; }
    DESK=$(mktemp -d /tmp/ql-desk-XXXXXX)
    export DESK
    trap desk_cleanup EXIT
    trap 'exit 143' TERM INT HUP # through the cleanup above
    chmod 755 "$DESK"
    cp -r "$DESK_RECIPES"/. "$DESK"/
    # The recipes name their user; this run has its own, so scenarios may run side by side.
    sed -i "s/^U=qldesk;/U=$DESK_USER;/" "$DESK/lib.sh"
    mkdir -p "$DESK/app/voice"
    cp "$program" "$DESK/app/quorlan-lite"
    cp "$build/voice/English (Mike).so" "$DESK/app/voice/" 2>/dev/null ||
        desk_log "no English (Mike) voice in $build/voice: speech checks will fail"
    cp -r "$build/help" "$DESK/app/" 2>/dev/null
    chown -R "$DESK_USER:" "$DESK/app"
    desk_log "user $DESK_USER, recipes in $DESK"
}

desk_cleanup() {
    local status=$?
    # Everything the test user runs was started here; stop it by PID, then the user goes.
    [[ -n ${S:-} ]] && stop_all 2>/dev/null
    if [[ -n ${DESK_USER:-} ]] && id "$DESK_USER" >/dev/null 2>&1; then
        local p
        for p in $(ps -u "$DESK_USER" -o pid=); do kill "$p" 2>/dev/null; done
        sleep 1
        for p in $(ps -u "$DESK_USER" -o pid=); do kill -9 "$p" 2>/dev/null; done
        userdel "$DESK_USER" 2>/dev/null
    fi
    # Mutter may leave the X socket folder owned by the test user.
    [[ -d /tmp/.X11-unix ]] && chown root:root /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
    if [[ -n ${DESK:-} && -d $DESK ]]; then
        umount -l "$DESK"/*/run/doc 2>/dev/null
        if [[ -n ${QL_KEEP_TMP:-} ]]; then desk_log "kept $DESK"; else rm -rf "$DESK"; fi
    fi
    exit "$status"
}

# desk_check NAME RESULT [DETAIL]: one row of the scenario's table (RESULT ok, n/a or FAIL).
desk_check() {
    DESK_RESULTS+=("$(printf '%-16s %-5s %s' "$1" "$2" "${3:-}")")
    [[ $2 == FAIL ]] && DESK_FAILED=1
    desk_log "$1: $2 ${3:-}"
}

# desk_end: prints the table; fails when any row failed.
desk_end() {
    echo "== $DESK_NAME"
    printf '  %s\n' "${DESK_RESULTS[@]}"
    if ((DESK_FAILED)); then
        echo "FAIL: $DESK_NAME"
        [[ -n ${S:-} ]] && for f in "$S"/*.log; do echo "--- ${f##*/}"; tail -n 15 "$f"; done
        exit 1
    fi
    echo "PASS: $DESK_NAME"
}

# desk_store TOP LEFT BIN: the settings the scenario starts from (speech loud enough to record).
desk_store() {
    write_store "$3" "$(printf '%04d%04d010000000255' "$1" "$2")"
}

# desk_stored_position: "TOP LEFT" as the store holds them now.
desk_stored_position() {
    local lnum
    lnum=$(sed -n 's/^"LNumSettings"="\(.*\)"$/\1/p' "$S/home/.config/vessantry/user.reg")
    echo "$((10#${lnum:0:4})) $((10#${lnum:4:4}))"
}

# desk_clock: starts the clock as the test user in the desktop's session.
desk_clock() { bg clock "$DESK/app/quorlan-lite"; }

# desk_speech_level WHAT CMD...: records the sink while CMD makes the clock speak; prints the level.
desk_speech_level() {
    local raw=$S/out/$1.raw
    shift
    rec_start "$raw"
    # parec may take over a second to connect on a busy machine: speech before that is lost.
    wait_for 10 test -s "$raw"
    "$@" >/dev/null 2>&1
    sleep 5
    rec_stop
    level "$raw"
}

# desk_loud LEVEL: true when the recording holds at least half a second of sound.
desk_loud() { [[ $1 =~ loud_s=([0-9.]+) ]] && awk -v s="${BASH_REMATCH[1]}" 'BEGIN { exit !(s >= 0.5) }'; }

# desk_check_speak_command: `quorlan-lite --speak` run in the session is heard on the sink.
desk_check_speak_command() {
    local level
    level=$(desk_speech_level speak as_user "$DESK/app/quorlan-lite" --speak)
    desk_loud "$level" && desk_check "--speak" ok "$level through PipeWire" ||
        desk_check "--speak" FAIL "nothing heard on the sink: $level"
}

# desk_check_position_kept "TOP LEFT": the clock, ended by SIGTERM, has stored where it stood.
desk_check_position_kept() {
    local pid
    pid=$(desk_clock_pid)
    kill "$pid"
    wait_for 10 sh -c "! kill -0 $pid"
    [[ $(desk_stored_position) == "$1" ]] && desk_check store ok "position kept" ||
        desk_check store FAIL "stored top/left $(desk_stored_position), was $1"
}

# desk_window: the clock's main window on the X server of the session, as the user sees it.
desk_window() { as_user xdotool search --pid "$(desk_clock_pid)" --name '^Multilingual Quorlan' 2>/dev/null | tail -n 1; }
desk_clock_pid() { awk '$1 == "clock" { print $2 }' "$PIDS_FILE" | tail -n 1; }

# desk_outer_position ID: "left top" of the window with the frame the desktop drew round it.
desk_outer_position() {
    local x y l r t b
    [[ -n $1 ]] || { echo "no window"; return 1; }
    x=$(as_user xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $4 }')
    y=$(as_user xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $4 }')
    read -r l r t b <<<"$(as_user xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)"
    echo "$((${x:-0} - ${l:-0})) $((${y:-0} - ${t:-0}))"
}

# desk_window_state: the main window's map state (IsViewable, IsUnMapped), nothing before it exists.
# Never xwininfo without an id: it would wait for a click.
desk_window_state() {
    local w
    w=$(desk_window)
    [[ -n $w ]] && as_user xwininfo -id "$w" | awk -F': *' '/Map State/ { print $2 }'
}
