#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The game beside two plain Qt Widgets windows, on one private X server and sound server:
#   first paint   launch to the first teal pixel on the screen (board / bare window), 5 ms polls
#   memory        peak resident set size (VmHWM) three seconds after the first paint
# "silent" is the game without a sound server: what is left when the sound costs nothing.
# "bare" is a lone label in the game's Chinese font; "window" holds what any window like the
# game's holds (a menu bar, tool buttons, radio buttons, a text box, labels, in that font)
# with no game, icon or sound: the fair floor for the game's memory.
# Medians of 5 runs each, alternating. Usage: scripts/measure-sound.sh [BUILD_DIR] [OTHER_GAME]
# OTHER_GAME, an older build of the game, is measured beside them as "other".
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
GAME=$(cd "${1:-$ROOT/build}" && pwd)/quorvane
NAMES=(game silent bare window)
[ -n "${2:-}" ] && NAMES+=(other)
WORK=$(mktemp -d)
chmod 700 "$WORK"
cleanup() { kill "${PIDS[@]}" 2>/dev/null || true; rm -rf "$WORK"; }
PIDS=()
trap cleanup EXIT
export HOME=$WORK XDG_RUNTIME_DIR=$WORK XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config
export PULSE_SERVER=unix:$WORK/pulse/native

# A bare window of the game's size with a line of Chinese in the game's font, filled teal
# like the board; and the first-paint poller.
cat >"$WORK/bare.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QString::fromUtf8("黑方 白方 提示：所选方格不能落子"));
    QFont font;
    font.setFamilies({"AR PL UMing CN"});
    window.setFont(font);
    window.setPalette(QColor(0, 128, 128));
    window.setAutoFillBackground(true);
    window.resize(545, 386);
    window.show();
    return QApplication::exec();
}
CPP
cat >"$WORK/window.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"游戏(&G)", "选项(&O)", "水平(&S)", "帮助(&H)"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QString::fromUtf8("新游戏(&N)"));
    auto* area = new QWidget;
    QFont font;
    font.setFamilies({"AR PL UMing CN"});
    font.setPointSize(12);
    area->setFont(font);
    area->setPalette(QColor(0, 128, 128));
    area->setAutoFillBackground(true);
    window.setCentralWidget(area);
    for (int i = 0; i < 5; ++i) (new QToolButton(area))->setGeometry(330 + 36 * i, 5, 34, 34);
    (new QRadioButton(QString::fromUtf8("玩家先行"), area))->setGeometry(330, 45, 90, 20);
    (new QRadioButton(QString::fromUtf8("电脑先行"), area))->setGeometry(420, 45, 90, 20);
    (new QPlainTextEdit("Size8 BE4 WD4 BD5 WE5", area))->setGeometry(330, 70, 180, 250);
    (new QLabel(QString::fromUtf8("提示：轮你走棋，你执黑棋  轮次：0  玩家得分：2"), area))
        ->setGeometry(0, 330, 539, 20);
    for (int i = 0; i < 8; ++i) (new QLabel(QString(QChar('A' + i)), area))->setGeometry(20 + 40 * i, 0, 20, 20);
    window.setFixedSize(539, 374 + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
CPP
cat >"$WORK/firstpaint.cpp" <<'CPP'
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>
int main(int, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    Window root = DefaultRootWindow(display);
    XWindowAttributes size;
    XGetWindowAttributes(display, root, &size);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) { execv(argv[1], argv + 1); _exit(127); }
    for (;;) {
        XImage* image = XGetImage(display, root, 0, 0, size.width, size.height, AllPlanes, ZPixmap);
        bool teal = false;
        for (int y = 0; y < size.height && !teal; y += 4)
            for (int x = 0; x < size.width && !teal; x += 4) teal = XGetPixel(image, x, y) == 0x008080;
        XDestroyImage(image);
        if (teal) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start).count();
    std::printf("%lld %d\n", static_cast<long long>(ms), pid);
}
CPP
# shellcheck disable=SC2046
for base in bare window; do
    g++ -O2 -fPIC -o "$WORK/$base" "$WORK/$base.cpp" $(pkg-config --cflags --libs Qt6Widgets)
done
g++ -O2 -o "$WORK/firstpaint" "$WORK/firstpaint.cpp" -lX11

exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
PIDS+=($!)
read -r -t 10 DISPLAY_NUMBER <&3
export DISPLAY=:$DISPLAY_NUMBER
pulseaudio -n --daemonize=no --exit-idle-time=-1 -L "module-null-sink sink_name=nul" \
    -L module-native-protocol-unix -L module-always-sink >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do [ -S "$WORK/pulse/native" ] && break; sleep 0.1; done

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
declare -A PAINT HWM
for _ in 1 2 3 4 5; do
    for name in "${NAMES[@]}"; do
        program=$GAME server=$PULSE_SERVER
        [ "$name" = bare ] || [ "$name" = window ] && program=$WORK/$name
        [ "$name" = other ] && program=$2
        [ "$name" = silent ] && server=unix:$WORK/none
        read -r ms pid < <(PULSE_SERVER=$server "$WORK/firstpaint" "$program")
        sleep 3
        PAINT[$name]+="$ms "
        HWM[$name]+="$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status") "
        kill "$pid"
        while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    done
done
printf '%-6s %18s %22s   %s\n' "" "first paint (ms)" "peak memory (KiB)" "runs: paint / memory"
for name in "${NAMES[@]}"; do
    printf '%-6s %18d %22d   %s/ %s\n' "$name" "$(tr ' ' '\n' <<<"${PAINT[$name]}" | grep . | median)" \
        "$(tr ' ' '\n' <<<"${HWM[$name]}" | grep . | median)" "${PAINT[$name]}" "${HWM[$name]}"
done
