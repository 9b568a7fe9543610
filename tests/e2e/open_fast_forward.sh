#!/usr/bin/env bash
# A record named on the command line ("/open" and a path with spaces) opens for replay;
# Fast forward plays it to the end, and the board then shows the record's final position.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup open-fast-forward

mkdir -p "$WORK/saved games"
RECORD="$WORK/saved games/Whole game 8.zvr"
cp "$E2E_CORPUS/whole-game-8.zvr" "$RECORD"
EXPECTED=$(referee replay "$RECORD")
EXPECTED=$(head -1 <<<"$EXPECTED")
START=$(referee start 8)

start_game /open "$RECORD"
wait_screen --board "$START" --size 8 --buttons 11111 --timeout 30000
log "record opened: starting position, replay buttons enabled"

click_client "${REPLAY_BOTTOM[@]}"
# Fast forward ends by itself; the board must then rest.
wait_screen --changed-from "$START" --stable 1500 --timeout 30000
keep_screenshot final.png
if [ "$CELLS" != "$EXPECTED" ]; then
    fail "after Fast forward the board shows
$(referee grid "$CELLS")
instead of the record's final position
$(referee grid "$EXPECTED")"
fi
# The last token, WE1, carries the marker; the replay buttons all stay enabled at the end.
[ "$MARKER" = "1,5" ] || fail "the marker frames $MARKER instead of the last move 1,5"
[ "$BUTTONS" = "11111" ] || fail "replay buttons after the end: $BUTTONS, expected 11111"
# Replay leaves the counts of the set-up in the labels: move 0, two discs each.
expect_labels "$ARTIFACTS/final.png" 0 2 2
log "final position of all 60 moves shown; PASS"
