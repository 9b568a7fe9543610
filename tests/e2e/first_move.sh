#!/usr/bin/env bash
# The opening exchange on a fresh start: the starting discs and marker as drawn, the
# player's black disc, and the computer's white reply after its pause.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup first-move

start_game
START=$(referee start 8)
[ "$START" = "......../......../......../...WB.../...BW.../......../......../........" ] ||
    fail "the referee's starting position is wrong: $START"
# The last of the four starting discs (row 5, column 5) carries the marker.
wait_screen --board "$START" --marker 5,5 --buttons 00000 --size 8 --timeout 30000
[ "$BOARD_PX" -ge 300 ] || fail "the board is only $BOARD_PX pixels wide"
keep_screenshot start.png
expect_labels "$ARTIFACTS/start.png" 0 2 2
log "start position drawn, board at $BOARD_X,$BOARD_Y"

AFTER_BLACK=$(referee play "$START" B 3 4)
CLICKED_MS=$(date +%s%3N)
click_cell 3 4
wait_screen --board "$AFTER_BLACK" --marker 3,4 --timeout 10000
log "black D3 drawn with its flip"

# The expert computer's best reply to D3 is C3: the best cell value of the three.
AFTER_WHITE=$(referee play "$AFTER_BLACK" W 3 3)
wait_screen --move-by W --base "$AFTER_BLACK" --timeout 15000
[ "$MOVE" = "3 3" ] || fail "the computer answered at row/column $MOVE instead of 3 3"
# The computer shows the player's move for a second before it answers (the clock was read
# before the click, so only a reply that came too early can fail this).
[ $((SEEN_MS - CLICKED_MS)) -ge 990 ] ||
    fail "the computer answered $((SEEN_MS - CLICKED_MS)) ms after the player's click"
wait_screen --board "$AFTER_WHITE" --marker 3,3 --stable 500 --timeout 10000
keep_screenshot final.png
expect_labels "$ARTIFACTS/final.png" 2 3 3
log "white replied C3; PASS"
