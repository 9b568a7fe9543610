#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# One thumbnailer process as a file manager starts it, on a whole 26 by 26 game: median wall
# time, median processor time (user + system) and the largest peak resident set over RUNS
# calls, at 256 and at 1024 px.
# Usage: bench/measure_thumbnailer.sh [BUILD_DIR] [RUNS]   (default: build, 21)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
RUNS=${2:-21}
THUMBNAILER="$BUILD/thumbnail/quorvane-thumbnailer"
RECORD="$ROOT/tests/fuzz-corpus/game-26.zvr"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
printf '%-6s %10s %10s %10s\n' size wall_ms cpu_ms peak_kb
for size in 256 1024; do
    for _ in $(seq "$RUNS"); do
        /usr/bin/time -f '%e %U %S %M' -o "$WORK/time" -a \
            "$THUMBNAILER" "$RECORD" "$WORK/out.png" "$size"
    done
    wall=$(awk '{print $1 * 1000}' "$WORK/time" | median)
    cpu=$(awk '{print ($2 + $3) * 1000}' "$WORK/time" | median)
    peak=$(awk '$4 > m {m = $4} END {print m}' "$WORK/time")
    printf '%-6s %10s %10s %10s\n' "$size" "$wall" "$cpu" "$peak"
    rm "$WORK/time"
done
