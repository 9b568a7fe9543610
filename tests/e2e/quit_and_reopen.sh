#!/usr/bin/env bash
# Quitting through the menu ends the program at once with status 0 and leaves the record
# file type registered for the user; opening a record through that registration (the way a
# desktop does) starts the program with the record loaded for replay.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup quit-and-reopen

start_game
wait_screen --board "$(referee start 8)" --timeout 30000
game_menu q
wait_exit "$GAME_PID" 5
[ "$EXIT_STATUS" -eq 0 ] || fail "the game ended with status $EXIT_STATUS after Quit"
log "Quit ended the game with status 0"

shopt -s nullglob
MIME_XML=("$XDG_DATA_HOME"/mime/packages/*.xml)
DESKTOP=("$XDG_DATA_HOME"/applications/*.desktop)
[ ${#MIME_XML[@]} -eq 1 ] || fail "expected one mime package, found: ${MIME_XML[*]:-none}"
[ ${#DESKTOP[@]} -eq 1 ] || fail "expected one desktop entry, found: ${DESKTOP[*]:-none}"
grep -q '<glob pattern="\*\.zvr"/>' "${MIME_XML[0]}" || fail "no *.zvr glob in ${MIME_XML[0]}"
MIME_TYPE=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "${MIME_XML[0]}")
[ -n "$MIME_TYPE" ] || fail "no mime type in ${MIME_XML[0]}"
grep -q "^MimeType=.*$MIME_TYPE;" "${DESKTOP[0]}" || fail "the desktop entry is not for $MIME_TYPE"
EXEC_LINE=$(grep '^Exec=' "${DESKTOP[0]}") || fail "the desktop entry has no Exec key"
case $EXEC_LINE in *" /open "*) ;; *) fail "the open command lacks /open: $EXEC_LINE" ;; esac
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "${DESKTOP[0]}" || fail "desktop-file-validate refuses ${DESKTOP[0]}"
fi
log "registered $MIME_TYPE; $EXEC_LINE"

# A 6x6 record in a folder and under a name with spaces: a new game would be 8x8 with the
# replay buttons disabled, so the board's side tells whether the record was opened.
mkdir -p "$WORK/my records"
RECORD="$WORK/my records/Six by six.zvr"
printf 'Size6 BD3 WC3 BC4 WD4 \r\n' >"$RECORD"

# The program refreshes the desktop's databases in the background when it quits.
for _ in $(seq 1 100); do
    grep -qs zvr "$XDG_DATA_HOME/mime/globs2" &&
        grep -qs "$MIME_TYPE" "$XDG_DATA_HOME/applications/mimeinfo.cache" && break
    sleep 0.1
done

# reopened HOW: the game started by the launcher shows the record; then it quits again.
reopened() {
    local args
    mapfile -d '' args <"/proc/$GAME_PID/cmdline"
    [ ${#args[@]} -eq 3 ] && [ "${args[1]}" = "/open" ] && [ "${args[2]}" = "$RECORD" ] ||
        fail "$1 started the game as: ${args[*]}"
    wait_screen --size 6 --board "$(referee start 6)" --buttons 11111 --timeout 30000
    keep_screenshot "reopened-by-$1.png"
    log "$1: the 6x6 record is loaded for replay"
    game_menu q
    if [ "$1" = exec-line ]; then
        wait_exit "$GAME_PID" 5
        [ "$EXIT_STATUS" -eq 0 ] || fail "the game ended with status $EXIT_STATUS after Quit"
        return 0
    fi
    for _ in $(seq 1 100); do
        kill -0 "$GAME_PID" 2>/dev/null || return 0
        sleep 0.05
    done
    fail "the game started by $1 did not quit"
}

# The Exec line expanded by the freedesktop desktop-entry rules, quoting and all.
"$E2E_TOOL" exec "${DESKTOP[0]}" "$RECORD" >"$WORK/command" || fail "cannot expand $EXEC_LINE"
mapfile -d '' COMMAND <"$WORK/command"
"${COMMAND[@]}" >"$WORK/game-exec.log" 2>&1 &
GAME_PID=$!
GAME_PIDS+=("$GAME_PID")
find_main_window "$GAME_PID" || fail "the game ended at start: $(cat "$WORK/game-exec.log")"
reopened exec-line

# And through the desktop's own launcher, which finds the program by the file's type.
if command -v gio >/dev/null; then
    grep -qs zvr "$XDG_DATA_HOME/mime/globs2" || fail "the mime database was not refreshed"
    gio open "$RECORD" || fail "gio open failed"
    MAIN_WID=$(find_window '^Quorvane$')
    [ -n "$MAIN_WID" ] || fail "gio open started no game window"
    GAME_PID=$(xdo getwindowpid "$MAIN_WID") || fail "the game window has no PID"
    GAME_PIDS+=("$GAME_PID")
    reopened gio-open
else
    log "gio is not installed: the desktop launcher was not tried"
fi
cp "$ARTIFACTS/reopened-by-exec-line.png" "$ARTIFACTS/final.png"
log "PASS"
