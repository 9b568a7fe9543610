#!/usr/bin/env bash
# Builds the Debian package, checks what it holds, unpacks it and starts the unpacked game.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'kill "${game_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" -G DEB >/dev/null
deb=$(ls "$work"/out/quorvane_*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/lib/quorvane/quorvane ./usr/lib/quorvane/Move.wav ./usr/lib/quorvane/readme.txt \
         ./usr/lib/quorvane/quorvane.png ./usr/bin/quorvane ./usr/share/applications/quorvane.desktop; do
    grep -qxF "$f" <<<"$contents" || { echo "package lacks $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6multimedia6 fonts-arphic-uming; do
    grep -q "$d" <<<"$depends" || { echo "Depends lacks $d: $depends"; exit 1; }
done

dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/quorvane.desktop"
fi

# The unpacked game must start and keep running; it is ended by its PID.
mkdir -p "$work/home"
HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/home" \
    QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent \
    "$work/root/usr/bin/quorvane" >"$work/log" 2>&1 &
game_pid=$!
sleep 2
kill -0 "$game_pid" || { echo "the unpacked game did not stay up:"; cat "$work/log"; exit 1; }
echo "package ok: $(basename "$deb")"
