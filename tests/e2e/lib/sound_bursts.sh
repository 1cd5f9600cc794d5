# SPDX-License-Identifier: GPL-3.0-or-later
# Finding the separate sounds in a recording.

# ql_sound_bursts FILE -> one line "start end" (seconds) per sound: a run of 10 ms windows
# louder than 2 % of full scale, ended by at least 0.3 s of quiet.
ql_sound_bursts() {
    local rate
    rate=$(soxi -r "$1" 2>/dev/null) || return 1
    sox "$1" -t s16 -c 1 - 2>/dev/null | od -An -v -td2 -w2 | awk -v rate="$rate" '
        function close_burst() { printf "%.2f %.2f\n", (start - 1) / 100, last / 100; open = 0 }
        BEGIN { win = int(rate / 100); gap = 30; quiet = gap }
        {
            v = $1 < 0 ? -$1 : $1
            if (v > peak) peak = v
            if (++n < win) next
            w++
            if (peak > 655) {
                if (!open) start = w
                open = 1; last = w; quiet = 0
            } else if (++quiet == gap && open) close_burst()
            n = 0; peak = 0
        }
        END { if (open) close_burst() }'
}
