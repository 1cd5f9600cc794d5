#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pitch contour summary of one speech recording, for comparing voices by numbers rather than
by ear: median f0, its 10th-90th percentile range in semitones, and the median change between
neighbouring voiced 20 ms frames in cents. Plain autocorrelation on an 8 kHz copy made by sox."""
import array
import math
import subprocess
import sys

RATE = 8000
FRAME = 320  # 40 ms
HOP = 160  # 20 ms
LAGS = range(RATE // 400, RATE // 60 + 1)  # 60-400 Hz


def samples(path):
    raw = subprocess.run(["sox", path, "-t", "raw", "-r", str(RATE), "-e", "signed", "-b", "16",
                          "-c", "1", "-"], check=True, capture_output=True).stdout
    return array.array("h", raw)


def frame_f0(x):
    energy = sum(v * v for v in x)
    if energy < FRAME * 300 * 300:  # below about -40 dBFS: not voiced
        return None
    best, best_lag = 0.0, 0
    for lag in LAGS:
        a, b = x[:-lag], x[lag:]
        num = sum(p * q for p, q in zip(a, b))
        den = math.sqrt(sum(p * p for p in a) * sum(q * q for q in b)) or 1.0
        if num / den > best:
            best, best_lag = num / den, lag
    return RATE / best_lag if best > 0.6 else None


def percentile(v, p):
    v = sorted(v)
    return v[min(len(v) - 1, int(p * len(v)))]


def main():
    x = samples(sys.argv[1])
    track = [frame_f0(x[i:i + FRAME]) for i in range(0, len(x) - FRAME, HOP)]
    voiced = [f for f in track if f]
    if len(voiced) < 5:
        print("f0: too little voicing")
        return
    steps = [abs(1200 * math.log2(b / a)) for a, b in zip(track, track[1:]) if a and b]
    span = 12 * math.log2(percentile(voiced, 0.9) / percentile(voiced, 0.1))
    print("f0 %3.0f Hz  range %4.1f st  step %3.0f c  voiced %2.0f%%" % (
        percentile(voiced, 0.5), span, percentile(steps, 0.5) if steps else 0,
        100.0 * len(voiced) / len(track)))


if __name__ == "__main__":
    main()
