#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's start beside two plain Qt Widgets windows, on one private X server and sound
# server, and prints for each:
#   first paint      launch to the first teal pixel on the screen (board / window), 1 ms polls
#   its CPU          processor time the window's thread used until then: what a busy machine
#                    stretches into the first paint
#   peak memory      peak resident set size (VmHWM) three seconds later, once the move sound
#                    is loaded and has played
# "game" plays its set-up click to the sound server; "silent" is the game without a server;
# "unplayed" is the game without its sound player module beside it: the game less the
# sound stack.
# "lookalike" has what the game's window has (the same menus and items, tool buttons, option
# buttons, text box, labels and teal board, in the game's Song font and sizes) and no game,
# icon or sound behind it: the fair floor for the game. "bare" is a lone label in that font.
# Both take the font from the game's own ui/ChineseUi.cpp.
# Medians of 5 runs each (RUNS=N for more), alternating.
# Usage: scripts/measure-startup.sh [BUILD_DIR] [OTHER_GAME]
# OTHER_GAME, another build of the game, is measured beside them as "other".
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
GAME=$(cd "${1:-$ROOT/build}" && pwd)/quorvane
NAMES=(game silent unplayed lookalike bare)
[ -n "${2:-}" ] && NAMES+=(other)
WORK=$(mktemp -d)
chmod 700 "$WORK"
cleanup() { kill "${PIDS[@]}" 2>/dev/null || true; rm -rf "$WORK"; }
PIDS=()
trap cleanup EXIT
export HOME=$WORK XDG_RUNTIME_DIR=$WORK XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config
export PULSE_SERVER=unix:$WORK/pulse/native

cat >"$WORK/bare.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include "ChineseUi.h"
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QString::fromUtf8("黑方 白方 提示：所选方格不能落子"));
    window.setFont(SongFont(9));
    window.setPalette(QColor(0, 128, 128));
    window.setAutoFillBackground(true);
    window.resize(539, 392);
    window.show();
    return QApplication::exec();
}
CPP
cat >"$WORK/lookalike.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include "ChineseUi.h"
// The coordinate labels are painted beside the board, as the game paints them.
struct Area : QWidget {
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(SongFont(12, true));
        painter.setPen(QColor(0, 128, 128));
        for (int i = 0; i < 8; ++i) {
            painter.drawText(40 + 40 * i, 20, QString(QChar('A' + i)));
            painter.drawText(5, 52 + 40 * i, QString::number(i + 1));
        }
    }
};
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Quorvane");
    const std::vector<std::pair<const char*, std::vector<const char*>>> menus = {
        {"游戏(&G)", {"新游戏(&N)", "演示(&D)", "", "打开(&O)", "保存(&S)", "", "退出(&Q)"}},
        {"选项(&O)", {"落子声音(&S)", "", "棋盘规格(&S)"}},
        {"水平(&S)", {"专业(&E)", "良好(&G)", "一般(&F)", "较差(&P)", "极差(&I)"}},
        {"帮助(&H)", {"主题(&C)", "关于(&A)"}}};
    for (const auto& [title, items] : menus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        for (const char* item : items)
            if (*item) menu->addAction(QString::fromUtf8(item))->setCheckable(true);
            else menu->addSeparator();
    }
    auto* area = new Area;
    area->setFont(SongFont(12));
    window.setCentralWidget(area);
    auto* board = new QWidget(area);
    board->setPalette(QColor(0, 128, 128));
    board->setAutoFillBackground(true);
    board->setGeometry(26, 24, 320, 320);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QToolButton(area);
        button->setToolTip(QString::fromUtf8("步进播放"));
        button->setGeometry(356 + 36 * i, 24, 33, 33);
    }
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(i == 0 ? "玩家先行" : "电脑先行"), area);
        option->setFont(SongFont(9.75));
        option->setGeometry(360 + 88 * i, 64, 81, 20);
    }
    auto* record = new QPlainTextEdit("Size8 BE4 WD4 BD5 WE5 ", area);
    record->setReadOnly(true);
    record->setFont(SongFont(9.75));
    record->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    record->setGeometry(354, 88, 182, 257);
    const char* status[] = {"提示：轮你走棋，你执黑棋", "轮次：0", "玩家得分：2", "计算机得分：2"};
    const int lefts[] = {8, 172, 294, 416};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromUtf8(status[i]), area);
        label->setFont(SongFont(9));
        label->setGeometry(lefts[i], 352, i == 0 ? 160 : 120, 20);
    }
    window.setFixedSize(539, 374 + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
CPP
# Starts the program and waits for its first teal pixel; prints the milliseconds, the
# window thread's processor milliseconds and the program's process id.
cat >"$WORK/firstpaint.cpp" <<'CPP'
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
int main(int, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    const Window root = DefaultRootWindow(display);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) { execv(argv[1], argv + 1); _exit(127); }
    // Without a window manager the window sits at the top left corner, and every window
    // measured is teal at (100, 100): an empty cell of the game's board. One pixel a
    // millisecond keeps the X server, which the programs need too, nearly idle.
    for (bool teal = false; !teal;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (waitpid(pid, nullptr, WNOHANG) != 0) {
            std::fprintf(stderr, "%s ended before it painted\n", argv[1]);
            return 1;
        }
        XImage* image = XGetImage(display, root, 100, 100, 1, 1, AllPlanes, ZPixmap);
        teal = XGetPixel(image, 0, 0) == 0x008080;
        XDestroyImage(image);
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start).count();
    const std::string proc = "/proc/" + std::to_string(pid);
    long long ns = 0;  // processor time of the window's thread until then
    std::ifstream(proc + "/task/" + std::to_string(pid) + "/schedstat") >> ns;
    std::printf("%lld %lld %d\n", static_cast<long long>(ms), ns / 1000000, pid);
}
CPP
# shellcheck disable=SC2046
for base in bare lookalike; do
    g++ -O2 -fPIC -I"$ROOT/ui" -o "$WORK/$base" "$WORK/$base.cpp" "$ROOT/ui/ChineseUi.cpp" \
        $(pkg-config --cflags --libs Qt6Widgets)
done
g++ -O2 -o "$WORK/firstpaint" "$WORK/firstpaint.cpp" -lX11
mkdir "$WORK/unplayed"
cp "$GAME" "$(dirname "$GAME")/Move.wav" "$WORK/unplayed/"

exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
PIDS+=($!)
read -r -t 10 DISPLAY_NUMBER <&3
export DISPLAY=:$DISPLAY_NUMBER
pulseaudio -n --daemonize=no --exit-idle-time=-1 -L "module-null-sink sink_name=nul" \
    -L module-native-protocol-unix -L module-always-sink >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do [ -S "$WORK/pulse/native" ] && break; sleep 0.1; done

median() { tr ' ' '\n' | grep . | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
declare -A PAINT CPU PEAK
for _ in $(seq "${RUNS:-5}"); do
    for name in "${NAMES[@]}"; do
        program=$GAME server=$PULSE_SERVER
        [ "$name" = bare ] || [ "$name" = lookalike ] && program=$WORK/$name
        [ "$name" = other ] && program=$2
        [ "$name" = unplayed ] && program=$WORK/unplayed/quorvane
        [ "$name" = silent ] && server=unix:$WORK/none
        read -r ms cpu pid < <(PULSE_SERVER=$server "$WORK/firstpaint" "$program")
        sleep 3
        PAINT[$name]+="$ms " CPU[$name]+="$cpu "
        PEAK[$name]+="$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status") "
        kill "$pid"
        while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    done
done
printf '%-10s %12s %10s %14s   %s\n' "" "first paint" "its CPU" "peak memory" \
    "runs: first paint (ms) / peak memory (KiB)"
for name in "${NAMES[@]}"; do
    printf '%-10s %9d ms %7d ms %10d KiB   %s/ %s\n' "$name" "$(median <<<"${PAINT[$name]}")" \
        "$(median <<<"${CPU[$name]}")" "$(median <<<"${PEAK[$name]}")" "${PAINT[$name]}" \
        "${PEAK[$name]}"
done
