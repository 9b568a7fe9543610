#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The game followed by ear: Orca, the screen reader, with speech-dispatcher and espeak-ng
# speaking into a null audio output, on a private X server, session bus and accessibility
# bus. Keys are typed by xdotool; what Orca said is read from its debug log ("SPEECH OUTPUT").
#   orca_speech.py GAME            the checks; fails when a spoken text is missing
#   orca_speech.py GAME --game     a whole 8x8 game by keyboard, printed as key and speech
import os, re, shutil, subprocess, sys, tempfile, time

subprocess.check_call([os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../scripts/install-deps.sh"),
                       "orca", "speech-dispatcher", "speech-dispatcher-audio-plugins", "speech-dispatcher-espeak-ng",
                       "espeak-ng", "python3-pyatspi", "gir1.2-atspi-2.0", "openbox"])
work = tempfile.mkdtemp()
log = os.path.join(work, "orca.log")
env = dict(os.environ, HOME=work, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work + "/config",
           XDG_DATA_HOME=work + "/data", XDG_CACHE_HOME=work + "/cache", LANG="C.UTF-8",
           PULSE_SERVER="unix:/nonexistent", QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SPEECHD_ADDRESS="unix_socket:" + work + "/speechd.sock")
[env.pop(name, None) for name in ("AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "WAYLAND_DISPLAY")]
started = []
transcript = []  # (key, [what was said]) in order

def start(*args, **kw):
    output = open(os.path.join(work, "output.txt"), "a")
    started.append(subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stderr=output, **{"stdout": output, **kw}))
    return started[-1]

def spoken():
    return re.findall(r"SPEECH OUTPUT: '(.*?)'", open(log, encoding="utf-8").read()) if os.path.exists(log) else []

def wait_for(what, seconds):
    deadline = time.time() + seconds
    while not what() and time.time() < deadline:
        time.sleep(0.1)
    return bool(what())

# Types keys; with `expect`, waits until Orca says a text matching it, else until Orca has
# been quiet for a second. Returns what Orca said meanwhile.
def key(name, expect=None, seconds=20):
    before, said = len(spoken()), None
    for k in name.split():  # a menu takes its time
        subprocess.check_call(["xdotool", "key", k], env=env) or time.sleep(1 if k.startswith(("Esc", "F10")) else 0.1)
    found = not expect or wait_for(lambda: any(re.search(expect, s) for s in spoken()[before:]), seconds)
    while not expect and said != len(spoken()):
        said, _ = len(spoken()), time.sleep(1)
    time.sleep(0.3)
    transcript.append((name, spoken()[before:]))
    assert found, "after %s Orca never said %r; it said %r" % (name, expect, transcript[-1][1])
    return transcript[-1][1]

# The game, on its own: a game started before is ended as a session ends it.
def launch(*command):
    before = len(spoken())
    for game in [p for p in started if p.args[0] == command[0]]:
        game.terminate(), game.wait()
    start(*command)
    assert wait_for(lambda: any(re.match("(Quorvane frame|玩家先行)", s) for s in spoken()[before:]), 30), "Orca never met the window: %r" % spoken()[before:]
    time.sleep(1)

def write(path, text):
    with open(os.path.join(work, path), "w", newline="") as f:
        return f.write(text) and f.name

def setup():
    os.makedirs(work + "/config/speech-dispatcher")
    write("config/speech-dispatcher/speechd.conf",
          'AudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" ""\nDefaultModule espeak-ng\n')
    write(".libao", "default_driver=null\n")
    reader, writer = os.pipe()
    start("Xvfb", "-displayfd", str(writer), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset",
          pass_fds=[writer])
    env["DISPLAY"] = ":" + os.read(reader, 16).decode().strip()
    bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1", stdout=subprocess.PIPE).stdout
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.readline().decode().strip()
    start("openbox"), start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    start("speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method", "unix_socket",
          "--socket-path", work + "/speechd.sock", "--config-dir", work + "/config/speech-dispatcher")
    # Orca buffers its log; opened line by line it can be followed while Orca runs.
    start("/usr/bin/python3", "-c", "import builtins, runpy, sys\nopen = builtins.open\n"
          "builtins.open = lambda f, m='r', *a, **k: open(f, m, 1, 'utf-8') if f == sys.argv[2] else open(f, m, *a, **k)\n"
          "runpy.run_path('/usr/bin/orca', run_name='__main__')", "--debug-file", log)
    assert wait_for(lambda: "Screen reader on." in spoken(), 40), "Orca did not start"

def box_open():  # a message box over the window: a second visible window of the game's title
    search = ["xdotool", "search", "--onlyvisible", "--name", "^Quorvane$"]
    return len(subprocess.run(search, env=env, stdout=subprocess.PIPE).stdout.split()) > 1

RESULT = "提示：(双方罚步|棋盘已满|子被吃尽)，"
MOVED = "计算机：|button|" + RESULT  # what follows the player's Return on a legal cell

# The discs a move of `me` on `cell` turns.
def turned(board, cell, me):
    out = []
    for dr, dc in [(a, b) for a in (-1, 0, 1) for b in (-1, 0, 1) if a or b]:
        run, (r, c) = [], (cell[0] + dr, cell[1] + dc)
        while board.get((r, c)) not in (None, ".", me):
            run, r, c = run + [(r, c)], r + dr, c + dc
        out += run if run and board.get((r, c)) == me else []
    return out if board[cell] == "." else []

# The position as a player knows it by ear: from the start and the moves announced.
class Board:
    def __init__(self, n):
        m = n // 2
        self.cursor = (m + 1, m + 1)  # the cursor starts on the last starting disc
        self.cells = {(r, c): "." for r in range(1, n + 1) for c in range(1, n + 1)}
        self.cells |= {(m, m + 1): "B", (m, m): "W", (m + 1, m): "B", (m + 1, m + 1): "W"}

    def go(self, cell):
        (row, col), (r, c) = cell, self.cursor
        path = ["Down" if row > r else "Up"] * abs(row - r) + ["Right" if col > c else "Left"] * abs(col - c)
        key(" ".join(path), "%s%d " % (chr(64 + col), row))

    def heard(self, said):
        for column, row, colour, count in re.findall(r"：([A-Z])(\d+) (.)棋，翻转 (\d+) 子", " ".join(said)):
            cell, me = (int(row), ord(column) - 64), "B" if colour == "黑" else "W"
            assert len(turned(self.cells, cell, me)) == int(count), (cell, self.cells, count)  # as heard
            for c in turned(self.cells, cell, me) + [cell]:
                self.cells[c] = me
            self.cursor = cell  # the cursor follows the last move

    def play(self, cell=None):  # None: a pass, from wherever the cursor is
        cell and self.go(cell)
        said = key("Return", MOVED, 15)
        while box_open():  # a pass box, closed
            said += key("Return", MOVED + "|轮你走棋", 15)
            wait_for(lambda: not box_open(), 3)
        self.heard(said)
        return said

# Keys, each once Orca has said what the one before brought. Menus open by F10, not Alt:
# with Orca listening, Qt 6.4 sometimes takes the release of Alt as a second press and closes
# the menu that the letter opened.
def steps(*pairs):
    for name, expect in pairs:
        key(name, expect)

def to_board(cell):
    window = subprocess.check_output(["xdotool", "search", "--onlyvisible", "--name", "^Quorvane$"], env=env)
    subprocess.call(["xdotool", "windowfocus", window.split()[0]], env=env)  # taken by a closed box
    while not any(s.startswith(cell) for s in key("shift+Tab")): assert len(transcript) < 40, "no way to the board"

def checks(game):
    launch(game)
    steps(("shift+Tab", "E5 白棋"), ("Up", None), ("Down", "最后落子"), ("Home", "A5 空"),
          ("Return", "提示：所选方格不能落子"), ("Up Up End Left Left Left Left", "D3 空"),
          ("Return", "你：D3 黑棋，翻转 1 子"), ("", "计算机：C3 白棋，翻转 1 子。玩家得分：3，计算机得分：3。轮你走棋"),
          ("F10", "游戏"), ("Escape Escape", None), ("Insert+KP_Enter Insert+KP_Enter", "轮次：2"))
    assert [s.rstrip(".") for s in transcript[1][1]] == ["E4 黑棋"], transcript[1]  # the focused cell, not its whole row
    # A new 4x4 game, by Stop on an opened record, where the expert's replies leave the player
    # nowhere to go after B1 D3 A2. Its own window: after Orca's Insert, Qt 6.4's menus close as
    # they open.
    launch(game, "/open", write("four.zvr", "Size4 BC2 WB2 BB3 WC3 \r\n"))
    steps(("Tab", "停止播放"), ("space", None))
    to_board("C3 白棋")
    board = Board(4)
    for cell in [(1, 2), (3, 4), (2, 1)]:
        board.play(cell)
    key("Return", "你被罚步一次")
    board.heard(key("Return", "计算机：|" + RESULT))
    # The demo plays to the end; a pass box on the way is closed as a player would.
    steps(("F10", "游戏"), ("Down", "新游戏"), ("Down", "演示"), ("Return", None))
    while not wait_for(lambda: re.search(RESULT, " ".join(spoken())), 4):
        key("Return" if box_open() else "")
        assert len(transcript) < 60, "no result line at the end of the demo"

# Black against the computer by the keyboard, knowing the board only from what Orca says.
def whole_game(game):
    launch(game)
    board, said = Board(8), key("shift+Tab", "E5")
    while not re.search(RESULT, " ".join(said)):
        moves = sorted(board.cells, key=lambda cell: len(turned(board.cells, cell, "B")))
        said = board.play(moves[-1] if turned(board.cells, moves[-1], "B") else None)

try:
    setup()
    whole_game(sys.argv[1]) if sys.argv[2:] == ["--game"] else checks(sys.argv[1])
finally:
    for name, said in transcript:  # also when a check failed: what led up to it
        print("%-16s %s" % (name, " | ".join(said)))
    [(process.kill(), process.wait()) for process in reversed(started)]
    shutil.rmtree(work, ignore_errors=True)
print("ok")
