# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop services a test needs: Xvfb, icewm with its system tray, PulseAudio with a null sink.

# ql_env_start [--no-wm] [--no-sound]
ql_env_start() {
    local wm=1 sound=1 opt
    for opt in "$@"; do
        case $opt in
            --no-wm) wm=0 ;;
            --no-sound) sound=0 ;;
            *) ql_fail "ql_env_start: unknown option $opt" ;;
        esac
    done
    ql_start_xvfb
    ((wm)) && ql_start_icewm
    ((sound)) && ql_start_pulse
    return 0
}

ql_start_xvfb() {
    local dfile=$QL_TMP/xvfb.display
    : >"$dfile"
    # -noreset: the server must not reset while no client is connected between two starts.
    Xvfb -displayfd 3 -screen 0 "${QL_XVFB_SIZE:-1280x1024}x24" -nolisten tcp -noreset 3>"$dfile" \
        >"$QL_TMP/xvfb.log" 2>&1 &
    ql_track Xvfb $!
    ql_wait_until 15 grep -qx '[0-9]\+' "$dfile" || ql_fail "Xvfb did not start within 15 s"
    export DISPLAY=:$(head -n 1 "$dfile")
}

ql_start_icewm() {
    local cfg=$QL_TMP/icewm
    mkdir -p "$cfg"
    # A quiet taskbar: only the tray, nothing that ticks or polls on its own.
    cat >"$cfg/preferences" <<'PREFS'
TaskBarShowClock=0
TaskBarShowAPMStatus=0
TaskBarShowAPMTime=0
TaskBarShowCPUStatus=0
TaskBarShowMEMStatus=0
TaskBarShowNetStatus=0
TaskBarShowMailboxStatus=0
TaskBarShowWorkspaces=0
TaskBarEnableSystemTray=1
TaskBarShowTray=1
TaskBarAutoHide=0
ShowTaskBar=1
TaskBarShowStartMenu=0
TaskBarShowWindowListMenu=0
TaskBarShowShowDesktopButton=0
TaskBarDoubleHeight=0
DesktopBackgroundColor="rgb:30/50/70"
DesktopBackgroundImage=""
SupportSemitransparency=0
ShowPopupsAbovePointer=0
PREFS
    # No key bindings: icewm's own take Ctrl+Alt+S wherever xdg-open is installed.
    : >"$cfg/keys"
    ICEWM_PRIVCFG=$cfg icewm >"$QL_TMP/icewm.log" 2>&1 &
    ql_track icewm $!
    ql_wait_until 15 ql_wm_ready || ql_fail "icewm did not announce itself within 15 s"
    ql_wait_until 15 ql_tray_ready || ql_fail "icewm's system tray did not appear within 15 s"
}

ql_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id # 0x'; }
ql_tray_ready() { xwininfo -root -tree 2>/dev/null | grep -q SystemTray; }

ql_start_pulse() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --realtime=no --high-priority=no --enable-memfd=no \
        --log-target="file:$QL_TMP/pulseaudio.log" --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=test_sink rate=44100" >/dev/null 2>&1 &
    ql_track pulseaudio $!
    ql_wait_until 15 ql_pulse_ready || ql_fail "PulseAudio did not answer within 15 s"
    pactl set-default-sink test_sink || ql_fail "could not make test_sink the default sink"
    # Without a low-latency client the null sink runs at 2 s latency and recordings miss the start.
    pacat -r --latency-msec=20 -d test_sink.monitor >/dev/null 2>&1 &
    ql_track pulse-keeper $!
    ql_sleep 2.5
}

ql_pulse_ready() { pactl info >/dev/null 2>&1; }
