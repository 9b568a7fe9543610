#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# One end-to-end scenario: the real program on a private X server with a throw-away home,
# driven with xdotool and read back with e2e_tool.   e2e.sh SCENARIO
# QUORVANE, E2E_TOOL and E2E_CORPUS come from the environment.
set -euo pipefail
work=$(mktemp -d)
pids=()
# A game that is told to end registers first, and the registration refreshes the desktop's
# databases in detached processes: the folder goes once all are done with it (at most 5 s).
settle() { for _ in {1..50}; do kill -0 "${pids[@]}" 2>/dev/null || grep -qsE "$work/hom[e]" /proc/[0-9]*/cmdline || return 0; sleep 0.1; done; }
trap 'kill "${pids[@]}" 2>/dev/null; wait; settle; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Nothing may reach the real home folder, a desktop session or a sound device.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
export XDG_DATA_HOME=$HOME/data XDG_CONFIG_HOME=$HOME/config XDG_CACHE_HOME=$HOME/cache
export PULSE_SERVER=unix:/nonexistent DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP SESSION_MANAGER
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The server picks a free display and names it once it accepts connections; -noreset keeps
# it up between one program and the next.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

start_game() { "$QUORVANE" "$@" >"$work/game.log" 2>&1 & game=$! && pids+=("$game"); }
# wait_board N POSITION: until the N by N board shows it (30 s at most); keeps X Y SIDE.
wait_board() {
    local reading=""
    for _ in $(seq 300); do
        reading=$("$E2E_TOOL" "$1" 2>/dev/null) || true
        [ "$(tail -1 <<<"$reading")" = "$2" ] && read -r X Y SIDE <<<"$reading" && return 0
        sleep 0.1
    done
    fail "the board never showed $2; last seen: ${reading:-no board}"
}
# click_cell ROW COL on the 8 by 8 board.
click_cell() { xdotool mousemove $((X + (2 * $2 - 1) * SIDE / 16)) $((Y + (2 * $1 - 1) * SIDE / 16)) click 1; }
# wait_exit PID: it must end within 10 s, with status 0, having registered the record type.
wait_exit() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$1" 2>/dev/null && fail "the game still runs"
    local status=0
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
    grep -qs '<glob pattern="\*.zvr"/>' "$XDG_DATA_HOME"/mime/packages/*.xml || fail "no mime type"
    grep -qs '^Exec=.* /open %f$' "$XDG_DATA_HOME"/applications/*.desktop || fail "no open command"
}

start8=......../......../......../...WB.../...BW.../......../......../........
after_black=......../......../...B..../...BB.../...BW.../......../......../........
after_white=......../......../..WB..../...WB.../...BW.../......../......../........
case ${1:-} in
first-move)  # the board drawn at start, a click and the expert's reply C3
    start_game
    wait_board 8 "$start8"
    click_cell 3 4
    wait_board 8 "$after_white" ;;
open-fast-forward)  # "/open" and a path with spaces whose name is GBK, not UTF-8, beside one
    # of Qt's own options; then Fast forward to the record's end
    mkdir "$work/saved games"
    record="$work/saved games/Whole game $(printf '\xb6\xd4\xbe\xd6').zvr"
    cp "$E2E_CORPUS/whole-game-8.zvr" "$record"
    start_game -stylesheet /dev/null /open "$record"
    wait_board 8 "$start8"
    xdotool mousemove $((X + 451)) $((Y + 16)) click 1  # the Bottom button
    # The record's final position, as the corpus run's referee replays it.
    wait_board 8 WWWWWWWW/WWBWWWWW/WBWBWBWW/WWBWWBWW/WWWWWBWW/WWBWWWWW/WBWBBWWW/BWWWWWWW ;;
terminate-and-reopen)  # SIGTERM in the computer's pause quits as Quit does; then the
    # desktop opens a 6 by 6 record through the registration the quit wrote. The program runs
    # from a folder and under a name that the registered command must quote.
    mkdir "$work/my games"
    cp "$QUORVANE" "$work/my games/quor\`\$vane"
    QUORVANE="$work/my games/quor\`\$vane"
    start_game
    wait_board 8 "$start8"
    click_cell 3 4
    wait_board 8 "$after_black"
    kill -TERM "$game"
    wait_exit "$game"
    mkdir "$work/my records"
    record="$work/my records/it's a \$game & more.zvr"
    printf 'Size6 BD3 WC3 BC4 WD4 \r\n' >"$record"
    # The program refreshes the desktop's databases in the background as it quits.
    for _ in $(seq 100); do
        gio info -a standard::content-type "$record" | grep -q zorvel &&
            gio mime application/x-zorvel-record | grep -q '^Default.*quorvane' && break
        sleep 0.1
    done
    gio open "$record"
    pids+=("$(xdotool getwindowpid "$(xdotool search --sync --onlyvisible --name '^Quorvane$')")")
    wait_board 6 ....../....../..WB../..BW../....../...... ;;
*) fail "unknown scenario ${1:-}" ;;
esac
echo "PASS: $1"
