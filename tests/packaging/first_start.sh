#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The built package, for a user whose game never ran: the mime database made from the
# package's files types a record as application/x-zorvel-record, and opening the record
# the way a file manager does starts the program with "/open" and the path. Then the real
# program's first quit registers the type for the user with an entry that validates.
#   first_start.sh PACKAGE.deb
set -euo pipefail

deb=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-first-start.XXXXXX")
# The quit's registration refreshes the databases in detached processes: they go first.
trap 'for _ in {1..50}; do grep -qsE "$work/hom[e]" /proc/[0-9]*/cmdline || break; sleep 0.1; done; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
# The sound and the help text are found beside the program, through links into share/.
for f in games/quorvane lib/quorvane/Move.wav lib/quorvane/readme.txt \
         share/doc/quorvane/README.md share/man/man6/quorvane.6.gz; do
    [ -e "$usr/$f" ] || fail "the package lacks /usr/$f"
done
[ "$("$usr/games/quorvane" --version)" = "Quorvane 3.0.0" ] || fail "--version"

export HOME=$work/home XDG_DATA_DIRS=$usr/share:/usr/share XDG_RUNTIME_DIR=$work/run
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent PULSE_SERVER=unix:/nonexistent
unset XDG_CURRENT_DESKTOP QT_QPA_PLATFORM
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# What the triggers of shared-mime-info and desktop-file-utils do at installation.
update-mime-database "$usr/share/mime"
update-desktop-database "$usr/share/applications"

record="$work/my records/it's a \$game & more.zvr"
mkdir -p "$(dirname "$record")"
printf 'Size8 BE4 WD4 BD5 WE5 \r\n' >"$record"
type=$(gio info -a standard::content-type "$record" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-zorvel-record ] || fail "a record is typed $type"

# The program replaced by one that writes down its arguments, one to a line.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/args.tmp" && mv "%s/args.tmp" "%s/args"\n' \
    "$work" "$work" "$work" >"$work/bin/quorvane"
chmod +x "$work/bin/quorvane"
# The thumbnailer entry names the packaged helper by its full path.
thumbnailer=$(sed -n 's/^Exec=\(.*\) %i %o %s$/\1/p' "$usr"/share/thumbnailers/*.thumbnailer)
"$work/root$thumbnailer" "$record" "$work/thumb.png" 64 || fail "the thumbnailer: $thumbnailer"
PATH="$work/bin:$PATH" gio open "$record"
for _ in $(seq 100); do [ -e "$work/args" ] && break; sleep 0.1; done
[ "$(cat "$work/args" 2>/dev/null)" = "$(printf '/open\n%s' "$record")" ] ||
    fail "opening the record ran: $(cat "$work/args" 2>/dev/null)"

# The first quit, on a private X server, the way a session ending ends it: once the window
# shows, SIGTERM, which runs the same quit routine as the Game menu's Quit.
xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" sh -c '"$1" >"$2" 2>&1 &
    timeout 30 xdotool search --sync --onlyvisible --pid $! --name "^Quorvane\$" >/dev/null &&
    kill -TERM $! && wait $!' sh "$usr/games/quorvane" "$work/game.log" ||
    fail "the game did not quit: $(cat "$work/game.log")"
entry=$XDG_DATA_HOME/applications/quorvane-zorfile.desktop
desktop-file-validate "$entry" || fail "the registered entry does not validate"
grep -qxF "TryExec=$usr/lib/quorvane/quorvane" "$entry" || fail "TryExec: $(grep TryExec "$entry")"
echo "first start ok"
