#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the real program on a private X server and prints a small table:
#   CPU/wait   processor time the game uses from the player's click (D3) to the computer's
#              reply (C3), which is mostly its 1000 ms pause (mean of 5 fresh games)
#   memory     peak resident set size (VmHWM) of a game after that move, and after a Fast
#              forward over a 60-move record
# Usage: scripts/measure.sh [BUILD_DIR]   (default: build; needs the targets quorvane and
# e2e_tool built there). Start-up and Fast forward timings need a faster screen reader than
# e2e_tool, which starts anew for every look at the screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
tool="$build/tests/e2e/e2e_tool"
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:/nonexistent
unset QT_QPA_PLATFORM
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

start8=......../......../......../...WB.../...BW.../......../......../........
reply=......../......../..WB..../...WB.../...BW.../......../......../........
# see N POSITION: waits until the board shows it; keeps X Y SIDE.
see() {
    for _ in $(seq 300); do
        reading=$("$tool" "$1" 2>/dev/null) || true
        [ "$(tail -1 <<<"$reading")" = "$2" ] && read -r X Y SIDE <<<"$reading" && return 0
        sleep 0.05
    done
    echo "the board never showed $2" >&2
    exit 1
}
# Processor time of all the game's threads in microseconds, from the scheduler's clock.
cpu_us() { cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns / 1000}'; }
peak_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status"; }

total=0
for _ in 1 2 3 4 5; do
    "$build/quorvane" >/dev/null 2>&1 & game=$!
    pids+=("$game")
    see 8 "$start8"
    before=$(cpu_us "$game")
    xdotool mousemove $((X + 7 * SIDE / 16)) $((Y + 5 * SIDE / 16)) click 1
    see 8 "$reply"
    total=$((total + $(cpu_us "$game") - before))
    peak_play=$(peak_kb "$game")
    kill "$game"; wait "$game" 2>/dev/null || true
done

cp "$root/tests/record/corpus/whole-game-8.zvr" "$work/game.zvr"
"$build/quorvane" /open "$work/game.zvr" >/dev/null 2>&1 & game=$!
pids+=("$game")
see 8 "$start8"
xdotool mousemove $((X + 451)) $((Y + 16)) click 1  # the Bottom button
see 8 WWWWWWWW/WWBWWWWW/WBWBWBWW/WWBWWBWW/WWWWWBWW/WWBWWWWW/WBWBBWWW/BWWWWWWW  # its last position
peak_replay=$(peak_kb "$game")

printf '%-38s %9d us\n' "CPU from a click to the reply (mean)" $((total / 5))
printf '%-38s %8d KiB\n' "peak resident memory after a move" "$peak_play"
printf '%-38s %8d KiB\n' "peak resident memory after Fast forward" "$peak_replay"
