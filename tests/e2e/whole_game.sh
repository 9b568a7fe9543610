#!/usr/bin/env bash
# A whole game against the expert computer, played through the screen: every position the
# program draws is checked against the referee, passes are answered in their message boxes,
# and at the end the board, the disc total, the status labels and the saved record must all
# agree with the moves seen.
# Usage: whole_game.sh player-black|computer-first [SIDE]   (SIDE 8 unless given; another
# side is set through Options > Board size first)
# E2E_SEED fixes the player's choices; it is printed so that a failure can be replayed.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
MODE=${1:-}
SIDE=${2:-8}
case $MODE in
    player-black) ME=B CPU=W TURN=me ;;
    computer-first) ME=W CPU=B TURN=cpu ;;
    *) echo "usage: $0 player-black|computer-first [SIDE]" >&2 && exit 2 ;;
esac
NAME="whole-game-$MODE"
[ "$SIDE" -eq 8 ] || NAME="$NAME-$SIDE"
e2e_setup "$NAME"
SEED=${E2E_SEED:-$(($(date +%s%N) / 1000 % 32768))}
RANDOM=$SEED
log "seed $SEED: E2E_SEED=$SEED replays the player's choices"

start_game
START=$(referee start "$SIDE")
wait_screen --board "$(referee start 8)" --timeout 30000
if [ "$SIDE" -ne 8 ]; then
    # Options > Board size is the last item of its menu; its input box starts a new game.
    open_menu alt+o
    xdo key Up Return
    INPUT=$(find_window '棋盘规格' "$GAME_PID")
    [ -n "$INPUT" ] || fail "Options > Board size showed no input box"
    xdo windowfocus --sync "$INPUT" || fail "cannot focus the input box"
    xdo key ctrl+a
    xdo type "$SIDE"
    xdo key Return
    xdo windowfocus --sync "$MAIN_WID" || fail "cannot focus the main window again"
    wait_screen --size "$SIDE" --board "$START" --timeout 10000
fi
if [ "$MODE" = computer-first ]; then
    # Choosing "电脑先行" starts a new game at once, the computer holding black.
    click_client "${OPT_COMPUTER[@]}"
fi

token() { printf '%s%b%s' "$1" "\\x$(printf %x $((64 + $3)))" "$2"; }

# ended POS: the board is full or one side has no disc left.
ended() {
    local counts black white empty
    counts=$(referee count "$1") || exit 1  # errexit is off inside conditions
    read -r _ black _ white _ empty <<<"$counts"
    [ "$empty" -eq 0 ] || [ "$black" -eq 0 ] || [ "$white" -eq 0 ]
}
cannot_move() {
    local moves
    moves=$(referee legal "$1" "$2") || exit 1
    [ -z "$moves" ]
}

POS=$START
MOVES=()
PASSES=0
# The program's own ends: a full board, a side without discs, two passes in a row.
until ended "$POS" || [ "$PASSES" -gt 1 ]; do
    if [ "$TURN" = me ]; then
        LEGAL_TEXT=$(referee legal "$POS" "$ME")
        if [ -z "$LEGAL_TEXT" ]; then
            # With nowhere to go, any click is the player's pass, answered by a message box.
            click_cell 1 1
            close_message_box
            PASSES=$((PASSES + 1))
            log "player passes"
        else
            mapfile -t LEGAL <<<"$LEGAL_TEXT"
            read -r ROW COL <<<"${LEGAL[RANDOM % ${#LEGAL[@]}]}"
            NEXT=$(referee play "$POS" "$ME" "$ROW" "$COL")
            click_cell "$ROW" "$COL"
            MOVES+=("$(token "$ME" "$ROW" "$COL")")
            PASSES=0
            TURN=cpu
            if ! ended "$NEXT" && cannot_move "$NEXT" "$CPU"; then
                # The computer's pass is announced at once, over the board.
                close_message_box
                PASSES=1
                TURN=me
                log "computer passes"
            fi
            wait_screen --board "$NEXT" --marker "$ROW,$COL" --timeout 10000
            POS=$NEXT
            continue
        fi
        TURN=cpu
    else
        if cannot_move "$POS" "$CPU"; then
            # After the player's pass the computer waits its second, then passes too.
            close_message_box
            PASSES=$((PASSES + 1))
            log "computer passes"
        else
            wait_screen --move-by "$CPU" --base "$POS" --timeout 15000
            read -r ROW COL <<<"$MOVE"
            [ "$MARKER" = "$ROW,$COL" ] || fail "the marker frames $MARKER, not the move $MOVE"
            POS=$(referee play "$POS" "$CPU" "$ROW" "$COL")
            MOVES+=("$(token "$CPU" "$ROW" "$COL")")
            PASSES=0
        fi
        TURN=me
    fi
done
log "game over after ${#MOVES[@]} moves: ${MOVES[*]}"

# Nothing moves after the end.
wait_screen --board "$POS" --stable 1500 --timeout 10000
keep_screenshot final.png
COUNTS=$(referee count "$CELLS")
read -r _ BLACK _ WHITE _ <<<"$COUNTS"
[ $((BLACK + WHITE)) -eq $((4 + ${#MOVES[@]})) ] ||
    fail "$BLACK black and $WHITE white discs after ${#MOVES[@]} moves"
MID=$((SIDE / 2))
RECORD_TEXT="Size$SIDE $(token B $MID $((MID + 1))) $(token W $MID $MID) \
$(token B $((MID + 1)) $MID) $(token W $((MID + 1)) $((MID + 1))) ${MOVES[*]} "
REPLAYED=$(referee replay --text "$RECORD_TEXT")
REPLAYED=$(head -1 <<<"$REPLAYED")
[ "$REPLAYED" = "$CELLS" ] || fail "the final board differs from a replay of the moves seen"
log "final board: black $BLACK, white $WHITE"

# The program's own counts, read from its status labels, agree with the board.
if [ "$ME" = B ]; then MINE=$BLACK THEIRS=$WHITE; else MINE=$WHITE THEIRS=$BLACK; fi
expect_labels "$ARTIFACTS/final.png" ${#MOVES[@]} "$MINE" "$THEIRS"
log "the status labels agree: move ${#MOVES[@]}, player $MINE, computer $THEIRS"

# The program's own record of the game, saved through its menu and file dialog.
SAVED="$WORK/whole game.zvr"
game_menu s
DIALOG=$(find_window 'Save Zorvel' "$GAME_PID")
[ -n "$DIALOG" ] || fail "Game > Save showed no file dialog"
xdo windowfocus --sync "$DIALOG" || fail "cannot focus the save dialog"
xdo type --delay 5 "$SAVED"
xdo key Return
for _ in $(seq 1 100); do
    [ -s "$SAVED" ] && break
    sleep 0.1
done
[ -s "$SAVED" ] || fail "the record was not saved"
EXPECTED_FILE=$(printf '%s\r' "$RECORD_TEXT")
[ "$(cat "$SAVED")" = "$EXPECTED_FILE" ] ||
    fail "the saved record
$(cat -A "$SAVED")
differs from the moves seen
$RECORD_TEXT"
log "the saved record holds the moves seen; PASS"
