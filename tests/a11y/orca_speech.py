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

def key(name, expect=None, seconds=20):
    """Types keys ("type TEXT" types text); with `expect`, waits until Orca says a text matching it,
    else until Orca has been quiet for a second. Returns what Orca said meanwhile."""
    before, said = len(spoken()), None
    for window in subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvane$"], env=env, capture_output=True,
                                 text=True).stdout.split() if name == "refocus" else []:  # focus lost with a closed dialog
        subprocess.call(["xdotool", "windowfocus", window], env=env)
    if name.startswith("type "):
        subprocess.check_call(["xdotool", "type", name[5:]], env=env)
    for k in [] if name.startswith("type ") or name == "refocus" else name.split():  # a menu takes its time
        subprocess.check_call(["xdotool", "key", k], env=env) or time.sleep(1 if k.startswith(("alt+", "Esc")) else 0.1)
    found = not expect or wait_for(lambda: any(re.search(expect, s) for s in spoken()[before:]), seconds)
    while not expect and said != len(spoken()):
        said, _ = len(spoken()), time.sleep(1)
    time.sleep(0.3)
    transcript.append((name, spoken()[before:]))
    assert found, "after %s Orca never said %r; it said %r" % (name, expect, transcript[-1][1])
    return transcript[-1][1]

def launch(*command):
    before = len(spoken())
    start(*command)
    assert wait_for(lambda: "Quorvane frame." in spoken()[before:], 30), "Orca never met the game's window"
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

RESULT = "提示：(双方罚步|棋盘已满|子被吃尽)，"

def checks(game):
    launch(game)
    for name, expect in [("shift+Tab", "E5 白棋"), ("Up", None), ("Down", "最后落子"), ("Home", "A5 空"),
                         ("Return", "提示：所选方格不能落子"), ("Up Up End Left Left Left Left", "D3 空"),
                         ("Return", "你：D3 黑棋，翻转 1 子"), ("", "计算机：C3 白棋，翻转 1 子。玩家得分：3，计算机得分：3。轮你走棋"),
                         ("F10", "游戏"), ("Escape", None), ("Insert+KP_Enter Insert+KP_Enter", "轮次：2"),
                         ("alt+g q", None)]:
        key(name, expect)
    assert transcript[1][1] == ["E4 黑棋."], transcript[1]  # the focused cell, not its whole row
    # A 4x4 game where the player has nowhere to go: replayed to its end, then played on.
    launch(game, "/open", write("pass.zvr", "Size4 BC2 WB2 BB3 WC3 BB1 WA1 BA2 WC1 BD1 WA3 BA4 WD3 \r\n"))
    for name, expect in [("Tab Tab space", "快进结尾"), ("alt+g o", None), ("ctrl+a", None),
                         ("type " + write("bad.zvr", "Size4 nonsense\r\n"), None), ("Return", None), ("refocus", None)]:
        key(name, expect)
    while "棋盘 panel." not in key("shift+Tab"): assert len(transcript) < 30, "no way to the board"
    assert "提示：轮你走棋，你执黑棋." in sum((said for name, said in transcript[-12:]), []), "no hint on the replayed board"
    for name, expect in [("Return", "你被罚步一次"), ("Return", "计算机：")]:
        key(name, expect)
    while "新游戏(N)" not in key("alt+g"): key("Escape")  # the box's focus may still be on its way back
    key("d")
    # The demo plays to the end; a pass box on the way is closed as a player would.
    while not wait_for(lambda: re.search(RESULT, " ".join(spoken())), 4):
        key("Return" if spoken()[-1].endswith("button.") else "", None)
        assert len(transcript) < 40, "no result line at the end of the demo"
    key("alt+g q", None)

def turned(board, cell, me):
    """The discs a move of `me` on `cell` turns."""
    out = []
    for dr, dc in [(a, b) for a in (-1, 0, 1) for b in (-1, 0, 1) if a or b]:
        run, (r, c) = [], (cell[0] + dr, cell[1] + dc)
        while board.get((r, c)) not in (None, ".", me):
            run, r, c = run + [(r, c)], r + dr, c + dc
        out += run if run and board.get((r, c)) == me else []
    return out if board[cell] == "." else []

def whole_game(game):
    """Black against the computer by the keyboard, knowing the board only from what Orca says."""
    launch(game)
    board = {(r, c): "." for r in range(1, 9) for c in range(1, 9)} | {(4, 5): "B", (4, 4): "W", (5, 4): "B", (5, 5): "W"}
    cursor, said = (5, 5), key("shift+Tab", "E5")
    while not re.search(RESULT, " ".join(said)):
        moves = sorted(board, key=lambda cell: len(turned(board, cell, "B")))
        if turned(board, moves[-1], "B"):
            (row, col), (r, c) = moves[-1], cursor
            path = ["Down" if row > r else "Up"] * abs(row - r) + ["Right" if col > c else "Left"] * abs(col - c)
            key(" ".join(path), "%s%d 空" % (chr(64 + col), row))
        said = key("Return", "计算机：|button|" + RESULT, 15)
        while said[-1].endswith("button."):  # a pass box, closed
            said += key("Return", "计算机：|button|" + RESULT, 15)
        for column, row, colour, count in re.findall(r"：([A-H])(\d) (.)棋，翻转 (\d+) 子", " ".join(said)):
            cell, me = (int(row), ord(column) - 64), "B" if colour == "黑" else "W"
            assert len(turned(board, cell, me)) == int(count), (cell, board, count)  # the count as heard
            for c in turned(board, cell, me) + [cell]:
                board[c] = me
            cursor = cell

try:
    setup()
    whole_game(sys.argv[1]) if sys.argv[2:] == ["--game"] else checks(sys.argv[1])
    for name, said in transcript:
        print("%-16s %s" % (name, " | ".join(said)))
finally:
    [(process.kill(), process.wait()) for process in reversed(started)]
    shutil.rmtree(work, ignore_errors=True)
print("ok")
