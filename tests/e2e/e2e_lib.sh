# Shared by the end-to-end scripts; sourced, never run. Gives each test a private X server,
# a throw-away home folder, the game started and stopped by its own PID, and small helpers
# over xdotool and e2e_tool.
#
# The caller exports QUORVANE (the game), E2E_TOOL and E2E_ARTIFACTS (a folder for the
# screenshots kept), and calls e2e_setup NAME first.
# shellcheck disable=SC2034  # the readings and places below are for the sourcing scripts
set -euo pipefail

E2E_XDO_TIMEOUT=10  # seconds any single xdotool call may take
GAME_PIDS=()
XVFB_PID=""
WORK=""
ARTIFACTS=""

log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*"; }

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "$ARTIFACTS" ]; then
        "$E2E_TOOL" grab "$ARTIFACTS/failure.png" 2>/dev/null &&
            printf 'screenshot: %s\n' "$ARTIFACTS/failure.png" >&2
        xdo search --onlyvisible --name '.' 2>/dev/null | while read -r wid; do
            printf 'window %s "%s"\n' "$wid" "$(xdo getwindowname "$wid" 2>/dev/null)" >&2
        done
    fi
    exit 1
}

xdo() { timeout "$E2E_XDO_TIMEOUT" xdotool "$@"; }

# referee ARGS...: e2e_tool's answer; a tool that fails must never read as "no moves".
# Call it as X=$(referee ...): the failure then ends the script.
referee() { "$E2E_TOOL" "$@" || fail "e2e_tool $* failed"; }

e2e_cleanup() {
    local pid
    for pid in "${GAME_PIDS[@]}"; do
        # Only while that PID is still the game: a game that quit may have left it to another.
        if tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline" | head -1 | grep -qxF "$QUORVANE"; then
            kill "$pid" 2>/dev/null || true
        fi
    done
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if [ -n "$WORK" ]; then
        cp "$WORK"/game*.log "$WORK/xvfb.log" "$ARTIFACTS/" 2>/dev/null || true
        rm -rf "$WORK"
    fi
    return 0
}

# e2e_setup NAME: the home folder, the artifacts folder and the X server of one test.
e2e_setup() {
    local name=$1 tool
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh)"
    done
    [ -x "$QUORVANE" ] || fail "no game at $QUORVANE"
    [ -x "$E2E_TOOL" ] || fail "no e2e_tool at $E2E_TOOL"
    ARTIFACTS="$E2E_ARTIFACTS/$name"
    rm -rf "$ARTIFACTS"
    mkdir -p "$ARTIFACTS"
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-e2e.XXXXXX")
    trap e2e_cleanup EXIT

    # Nothing may reach the real home folder, a desktop session or a sound device.
    export HOME="$WORK/home"
    export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config"
    export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    export PULSE_SERVER="unix:/nonexistent" DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent"
    unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP SESSION_MANAGER
    mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"

    start_xvfb || start_xvfb || start_xvfb || fail "cannot start Xvfb: $(cat "$WORK/xvfb.log")"
    log "$name on display $DISPLAY"
}

# start_xvfb: a private X server on a free display (DISPLAY, XVFB_PID), or status 1.
# The number is drawn at random from a high range rather than taken lowest-first: the lowest
# are the ones other X servers are most likely to hold, and a client tries a display's
# abstract socket, which a lock file in /tmp does not guard, before its file in /tmp.
start_xvfb() {
    local display
    for _ in $(seq 1 20); do
        display=$((200 + RANDOM % 800))
        [ -e "/tmp/.X$display-lock" ] || grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix ||
            break
    done
    : >"$WORK/display"
    # -displayfd reports the number once the server accepts connections.
    Xvfb ":$display" -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$WORK/display" ] || ! kill -0 "$XVFB_PID" 2>/dev/null && break
        sleep 0.1
    done
    export DISPLAY=":$display"
    [ -s "$WORK/display" ] && xdo getdisplaygeometry >/dev/null 2>&1 && return 0
    # Taken meanwhile, or not answering: give this one up.
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
    return 1
}

# start_game [ARGUMENTS...]: runs the game and finds its main window (MAIN_WID).
start_game() {
    local attempt
    for attempt in 1 2; do
        "$QUORVANE" "$@" >"$WORK/game.log" 2>&1 &
        GAME_PID=$!
        GAME_PIDS+=("$GAME_PID")
        find_main_window "$GAME_PID" && return 0
        # Now and then a fresh Xvfb refuses a client (seen twice in some hundred starts);
        # that is not the game's fault, so the start is tried again, and said.
        if [ "$attempt" -eq 1 ] && grep -q 'could not connect to display' "$WORK/game.log"; then
            log "the X server refused the game (Xvfb alive: $(kill -0 "$XVFB_PID" 2>/dev/null &&
                echo yes || echo no)); starting it again"
            cp "$WORK/game.log" "$ARTIFACTS/game-refused.log"
            sleep 0.5
            continue
        fi
        fail "the game ended at start: $(cat "$WORK/game.log")"
    done
}

# find_main_window PID: the visible window of that process titled with the game's name;
# returns 1 when the process ends first.
find_main_window() {
    local pid=$1 wid
    MAIN_WID=""
    for _ in $(seq 1 150); do
        for wid in $(xdo search --all --onlyvisible --pid "$pid" --name '^Quorvane$' 2>/dev/null); do
            MAIN_WID=$wid
        done
        [ -n "$MAIN_WID" ] && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    fail "no window of the game appeared"
}

# find_window NAME [PID]: prints the first visible window whose name matches NAME (of that
# process when given), waiting up to 15 s; prints nothing when none appeared.
find_window() {
    local found="" by_pid=()
    [ -n "${2:-}" ] && by_pid=(--pid "$2")
    for _ in $(seq 1 150); do
        found=$(xdo search --all --onlyvisible "${by_pid[@]}" --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$found" ] && break
        sleep 0.1
    done
    printf '%s' "$found"
}

# wait_screen [e2e_tool wait options...]: waits for the screen to show them and keeps the
# reading in BOARD_X BOARD_Y BOARD_PX BOARD_N CELLS MARKER BUTTONS (and MOVE for --move-by).
wait_screen() {
    local output
    if ! output=$("$E2E_TOOL" wait --shot "$WORK/last.png" "$@"); then
        cp "$WORK/last.png" "$ARTIFACTS/failure.png" 2>/dev/null || true
        fail "the screen never showed what was expected (wait $*)"
    fi
    parse_reading "$output"
}

parse_reading() {
    local key a b c d
    MOVE=""
    while read -r key a b c d; do
        case $key in
            board) BOARD_X=$a BOARD_Y=$b BOARD_PX=$c BOARD_N=$d ;;
            cells) CELLS=$a ;;
            marker) MARKER="$a,$b" ;;
            buttons) BUTTONS=$a ;;
            move) MOVE="$a $b" ;;
            seen-ms) SEEN_MS=$a ;;
        esac
    done <<<"$1"
}

# expect_labels SHOT MOVES PLAYER COMPUTER: the move number and the scores the status labels
# of that screenshot show.
expect_labels() {
    local labels shown
    labels=$("$E2E_TOOL" labels "$1") || fail "cannot read the status labels of $1"
    shown=$(awk '{printf "%s ", $2}' <<<"$labels")
    [ "$shown" = "$2 $3 $4 " ] ||
        fail "the labels show move, player, computer = $shown; expected $2 $3 $4"
}

keep_screenshot() { "$E2E_TOOL" grab "$ARTIFACTS/$1" || fail "cannot take a screenshot"; }

# Screen point of a cell's centre, or of a point in the main window's client area, from the
# last reading (the board stands at client (26, 24)).
cell_point() {
    echo "$((BOARD_X + ($2 * 2 - 1) * BOARD_PX / (BOARD_N * 2))) \
$((BOARD_Y + ($1 * 2 - 1) * BOARD_PX / (BOARD_N * 2)))"
}
click_cell() {
    local point
    point=$(cell_point "$1" "$2")
    # shellcheck disable=SC2086
    xdo mousemove $point click 1 || fail "cannot click row $1 column $2"
}
click_client() {
    xdo mousemove $((BOARD_X - 26 + $1)) $((BOARD_Y - 24 + $2)) click 1 ||
        fail "cannot click client point $1,$2"
    # Away from the controls, so that no tooltip covers what is read next.
    xdo mousemove 790 590
}

# Centres of the replay buttons and option buttons, client coordinates.
REPLAY_TOP=(372 40) REPLAY_STEP=(407 40) REPLAY_AUTO=(442 40) REPLAY_BOTTOM=(477 40)
REPLAY_STOP=(512 40) OPT_COMPUTER=(460 74)

visible_windows() { xdo search --onlyvisible --pid "$1" 2>/dev/null || true; }

# open_menu KEYS: opens a menu of the main window with its Alt key combination and waits
# until it shows; game_menu LETTER picks an item of the Game menu (Alt+G) by its letter.
open_menu() {
    local before count
    xdo windowfocus --sync "$MAIN_WID" || fail "cannot focus the main window"
    before=$(visible_windows "$GAME_PID" | wc -l)
    xdo key "$1"
    for _ in $(seq 1 50); do
        count=$(visible_windows "$GAME_PID" | wc -l)
        [ "$count" -gt "$before" ] && return 0
        sleep 0.1
    done
    fail "$1 opened no menu"
}
game_menu() {
    open_menu alt+g
    xdo key "$1"
}

# close_message_box: waits for a message box of the game, answers it with Return, and
# gives the focus back to the main window (without a window manager nobody else does).
close_message_box() {
    local wid box=""
    for _ in $(seq 1 100); do
        for wid in $(visible_windows "$GAME_PID"); do
            [ "$wid" != "$MAIN_WID" ] && [ "$(xdo getwindowname "$wid")" = "Quorvane" ] && box=$wid
        done
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "no message box appeared"
    "$E2E_TOOL" grab "$WORK/box.png" && cp "$WORK/box.png" "$ARTIFACTS/last-message-box.png"
    xdo windowfocus --sync "$box" || fail "cannot focus the message box"
    xdo key Return
    for _ in $(seq 1 50); do
        visible_windows "$GAME_PID" | grep -qx "$box" || break
        sleep 0.1
    done
    visible_windows "$GAME_PID" | grep -qx "$box" && fail "the message box did not close"
    xdo windowfocus --sync "$MAIN_WID" || fail "cannot focus the main window again"
}

# wait_exit PID SECONDS: a child of this shell that must end in time; its status goes to
# EXIT_STATUS.
wait_exit() {
    local pid=$1
    EXIT_STATUS=0
    for _ in $(seq 1 $(($2 * 20))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && fail "process $pid still runs after $2 s"
    wait "$pid" || EXIT_STATUS=$?
}
