#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions per no-change tick: callgrind counts the tick function over two run lengths and
# the difference divided by the extra ticks removes start-up cost.
set -euo pipefail
bench=${1:-build/bench/tick/bench_tick}
count() {
    local out; out=$(mktemp -d)
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out/cg" \
        --toggle-collect='ql::Ticker::Timer1Timer()' "$bench" "$1" idle >/dev/null 2>&1
    callgrind_annotate "$out/cg" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",","",$1); print $1}'
    rm -rf "$out"
}
small=$(count 1000); large=$(count 11000)
echo "instructions per no-change tick: $(( (large - small) / 10000 ))"
