#!/usr/bin/env bash
# Measures the real program on a private X server and prints a small table:
#   start-up   time from launch to the first fully painted board (median of 5 runs)
#   memory     peak resident set size (VmHWM) after the sessions below
#   CPU/wait   processor time the game uses from the player's click to the computer's
#              reply, which is mostly its 1000 ms pause (mean of 5 moves)
#   fast fwd   wall time of Fast forward over a 60-move record (median of 3)
# Usage: scripts/measure.sh [BUILD_DIR]   (default: build; needs the targets quorvane and
# e2e_tool built there). Screen polling runs every 5 ms, which bounds the timing error.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
export QUORVANE="$BUILD/quorvane" E2E_TOOL="$BUILD/tests/e2e/e2e_tool"
export E2E_ARTIFACTS="$BUILD/e2e-artifacts"
# shellcheck source=tests/e2e/e2e_lib.sh
source "$ROOT/tests/e2e/e2e_lib.sh"
e2e_setup measure

START=$(referee start 8)
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# Processor time of all the game's threads in microseconds, from the scheduler's own
# nanosecond clock (utime and stime in /proc/PID/stat count whole 10 ms ticks).
cpu_us() { cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns / 1000}'; }
peak_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status"; }
quit_game() {
    game_menu q
    wait_exit "$GAME_PID" 5
}

# watch_start CONDITIONS...: a watcher already grabbing the screen before the action timed,
# so that its own start-up is not measured; watch_end gives the time it saw them (SEEN_MS).
watch_start() {
    WATCH="$WORK/watch"
    "$E2E_TOOL" wait --announce --interval 5 --timeout 30000 "$@" >"$WATCH" &
    WATCH_PID=$!
    for _ in $(seq 1 200); do
        grep -q '^ready' "$WATCH" && return 0
        sleep 0.05
    done
    fail "the screen watcher did not start"
}
watch_end() {
    wait "$WATCH_PID" || fail "the watcher never saw: $*"
    parse_reading "$(cat "$WATCH")"
}

# --- start-up ----------------------------------------------------------------------------
STARTUPS=()
for _ in 1 2 3 4 5; do
    "$E2E_TOOL" wait --no-board --timeout 10000 >/dev/null || fail "the last window stays"
    watch_start --board "$START"
    T0=$(date +%s%3N)
    start_game
    watch_end "the starting position"
    STARTUPS+=($((SEEN_MS - T0)))
    quit_game
done
STARTUP=$(printf '%s\n' "${STARTUPS[@]}" | median)

# --- processor time around the computer's pause ------------------------------------------
start_game
wait_screen --board "$START" --timeout 30000
POS=$START
CPU_TOTAL=0
WALL_TOTAL=0
MOVES=5
for _ in $(seq 1 $MOVES); do
    LEGAL=$(referee legal "$POS" B)
    read -r ROW COL <<<"$LEGAL"
    POS=$(referee play "$POS" B "$ROW" "$COL")
    watch_start --move-by W --base "$POS"
    BEFORE=$(cpu_us "$GAME_PID")
    T0=$(date +%s%3N)
    click_cell "$ROW" "$COL"
    watch_end "the computer's reply"
    AFTER=$(cpu_us "$GAME_PID")
    CPU_TOTAL=$((CPU_TOTAL + AFTER - BEFORE))
    WALL_TOTAL=$((WALL_TOTAL + SEEN_MS - T0))
    read -r ROW COL <<<"$MOVE"
    POS=$(referee play "$POS" W "$ROW" "$COL")
done
PEAK_PLAY=$(peak_kb "$GAME_PID")
quit_game

# --- fast forward ------------------------------------------------------------------------
RECORD="$WORK/whole game.zvr"
cp "$ROOT/tests/record/corpus/whole-game-8.zvr" "$RECORD"
FINAL=$(referee replay "$RECORD")
[ "$(tail -1 <<<"$FINAL")" = "moves 60" ] || fail "the record does not hold 60 moves"
FINAL=$(head -1 <<<"$FINAL")
start_game /open "$RECORD"
wait_screen --board "$START" --buttons 11111 --timeout 30000
FORWARDS=()
for _ in 1 2 3; do
    watch_start --board "$FINAL"
    T0=$(date +%s%3N)
    click_client "${REPLAY_BOTTOM[@]}"
    watch_end "the record's final position"
    FORWARDS+=($((SEEN_MS - T0)))
    click_client "${REPLAY_TOP[@]}"
    wait_screen --board "$START" --timeout 10000
done
FORWARD=$(printf '%s\n' "${FORWARDS[@]}" | median)
PEAK_REPLAY=$(peak_kb "$GAME_PID")
quit_game

PEAK=$((PEAK_PLAY > PEAK_REPLAY ? PEAK_PLAY : PEAK_REPLAY))
printf '\n%-34s %12s   %s\n' "measure" "value" "details"
printf '%-34s %9d ms   %s\n' "start-up to painted board (median)" "$STARTUP" "${STARTUPS[*]}"
printf '%-34s %8d KiB   play %d, replay %d\n' "peak resident memory (VmHWM)" "$PEAK" \
    "$PEAK_PLAY" "$PEAK_REPLAY"
printf '%-34s %9d us   %d moves, %d us in all\n' "CPU per computer move" \
    $((CPU_TOTAL / MOVES)) "$MOVES" "$CPU_TOTAL"
printf '%-34s %9d ms   click to reply, mean\n' "wall time per computer move" \
    $((WALL_TOTAL / MOVES))
printf '%-34s %9d ms   %s\n' "fast forward, 60 moves (median)" "$FORWARD" "${FORWARDS[*]}"
