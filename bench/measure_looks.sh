#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of the real program on a private X server at the scales 1, 1.25, 1.5, 1.75 and
# 2, under the default palette, Adwaita dark (GTK 3 theme) and Fusion with qt6ct's dark
# colours: the main window at sides 8 and 26, the keyboard cursor, and the About box. Each
# picture is measured by looks_probe (grid line and frame widths in device pixels, cursor
# size, text contrast) and kept for people to look at.
# Usage: bench/measure_looks.sh [BUILD_DIR [OUT_DIR]]   (default: build, BUILD_DIR/e2e-artifacts/looks)
# Needs the targets quorvane, e2e_tool and looks_probe built in BUILD_DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$build/e2e-artifacts/looks}
"$root/scripts/install-deps.sh" imagemagick qt6-gtk-platformtheme gnome-themes-extra qt6ct
mkdir -p "$out"
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

export HOME=$work XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:/nonexistent DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP SESSION_MANAGER
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/qt6ct"
cat >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf" <<EOF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
EOF
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
cp "$root/tests/fuzz-corpus/game-26.zvr" "$work/game-26.zvr"

# window_of TITLE: the id of the visible window with exactly that title.
window_of() { xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
# Until the board shows its starting discs, so the picture is of a finished paint.
wait_board() {
    for _ in $(seq 200); do
        env -u QT_SCALE_FACTOR -u QT_QPA_PLATFORMTHEME "$build/tests/e2e/e2e_tool" "$1" 2>/dev/null |
            grep -q 'WB' && return 0
        sleep 0.1
    done
    echo "no board seen" >&2
    exit 1
}
shoot() { sleep 0.3; import -window "$1" "$out/$2.png"; }

# take SIDE ARGUMENTS...: the window at scale $scale under $theme, started with ARGUMENTS and
# showing a board of SIDE; then its keyboard cursor and, at side 8, the About box.
take() {
    local side=$1 name=$theme-$scale
    shift
    env "${theme_env[@]}" QT_SCALE_FACTOR="$scale" "$build/quorvane" "$@" >"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
    wait_board "$side"
    wid=$(window_of Quorvane)
    shoot "$wid" "window$side-$name"
    xdotool windowfocus --sync "$wid"
    xdotool key shift+Tab
    shoot "$wid" "cursor$side-$name"
    if [ "$side" = 8 ]; then
        xdotool key alt+h a
        shoot "$(window_of 关于)" "about-$name"
    fi
    kill "$game"
    wait "$game" 2>/dev/null || true
}

for theme in light adwaita-dark fusion-dark; do
    case $theme in
    light) theme_env=() ;;
    adwaita-dark) theme_env=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark) ;;
    fusion-dark) theme_env=(QT_QPA_PLATFORMTHEME=qt6ct) ;;
    esac
    for scale in 1 1.25 1.5 1.75 2; do
        name=$theme-$scale
        take 8
        take 26 /open "$work/game-26.zvr"
        for picture in window8 window26; do
            echo "== $picture $name"
            "$build/bench/looks_probe" window "$out/$picture-$name.png"
        done
        for picture in cursor8 cursor26; do
            echo "== $picture $name"
            "$build/bench/looks_probe" window "$out/$picture-$name.png" | grep -E 'board|cursor'
        done
        echo "== about $name"
        "$build/bench/looks_probe" about "$out/about-$name.png"
    done
done
