#!/usr/bin/python3
# The running window as a screen reader meets it: through the accessibility bus alone, on a
# private X server and a private session bus, with keys typed by xdotool.
import os, shutil, subprocess, sys, tempfile, time
from gi.repository import Gio, GLib

PROGRAM = sys.argv[1]
work = tempfile.mkdtemp()
os.chmod(work, 0o700)
env = dict(os.environ, HOME=work, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work, XDG_DATA_HOME=work,
           PULSE_SERVER="unix:/nonexistent", QT_QPA_PLATFORM="xcb")
env.pop("AT_SPI_BUS_ADDRESS", None)  # it hides a Qt 6.4 program from the registry
started = []

def start(*args, **kw):
    started.append(subprocess.Popen(args, **dict(dict(env=env), **kw)))
    return started[-1]

def wait_for(what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = what()
            if found:
                return found
        except GLib.Error:
            pass
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what.__doc__)

def main():
    read, write = os.pipe()
    start("Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
          "-noreset", pass_fds=[write])
    env["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1", stdout=subprocess.PIPE)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    session = Gio.DBusConnection.new_for_address_sync(env["DBUS_SESSION_BUS_ADDRESS"],
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    def a11y_address():
        "the accessibility bus"
        return session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                 None, None, Gio.DBusCallFlags.NO_AUTO_START, 2000, None).unpack()[0]
    address = wait_for(a11y_address)
    start("/usr/libexec/at-spi2-registryd", env=dict(env, AT_SPI_BUS_ADDRESS=address))
    a11y = Gio.DBusConnection.new_for_address_sync(address,
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    start(PROGRAM, env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    def call(node, iface, method, args=None):
        return a11y.call_sync(node[0], node[1], iface, method, args, None, 0, 5000, None).unpack()
    def get(node, prop, iface="org.a11y.atspi.Accessible"):
        return call(node, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (iface, prop)))[0]
    def children(node):
        return call(node, "org.a11y.atspi.Accessible", "GetChildren")[0]
    def find(node, pred):
        if pred(node):
            return node
        for child in children(node):
            found = find(child, pred) if get(child, "ChildCount") < 100 or pred(child) else None
            if found:
                return found
    def role(node):
        return call(node, "org.a11y.atspi.Accessible", "GetRoleName")[0]
    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    def board():
        "the board table"
        return find(root, lambda n: role(n) == "table")
    table = wait_for(board)
    cells = [call(table, "org.a11y.atspi.Accessible", "GetChildAtIndex", GLib.Variant("(i)", (i,)))[0]
             for i in range(get(table, "ChildCount"))]
    names = [get(c, "Name") for c in cells]
    assert (len(cells), get(table, "NRows", "org.a11y.atspi.Table")) == (64, 8), len(cells)
    assert (names[3 * 8 + 3], names[3 * 8 + 4], names[4 * 8 + 2]) == ("D4 白棋", "E4 黑棋", "C5 空"), names
    def focused():
        "a focused cell"
        hits = [get(c, "Name") for c in cells if call(c, "org.a11y.atspi.Accessible", "GetState")[0][0] & (1 << 12)]
        return hits[0] if len(hits) == 1 else None
    status = find(root, lambda n: role(n) == "label" and get(n, "Name").startswith("提示："))
    assert get(status, "Name") == "提示：轮你走棋，你执黑棋", get(status, "Name")
    wid = subprocess.check_output(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Quorvane"], env=env).split()[0]
    subprocess.check_call(["xdotool", "windowfocus", "--sync", wid], env=env)
    for keys, expected in [([], "E5 白棋"), (["Up", "Left"], "D4 白棋"), (["Home"], "A4 空"),
                           (["End", "Up", "Left", "Left", "Left", "Left"], "D3 空")]:
        subprocess.check_call(["xdotool", "key"] + keys if keys else ["true"], env=env)
        assert wait_for(lambda: focused() == expected and expected, 5), expected
    subprocess.check_call(["xdotool", "key", "Return"], env=env)
    # The cursor follows the computer's reply, and its cell says it holds the last move.
    def replied():
        "the computer's reply"
        return focused() == "C3 白棋"
    wait_for(replied)
    assert (get(cells[2 * 8 + 2], "Description"), get(cells[2 * 8 + 3], "Name")) == ("最后落子", "D3 黑棋")
    assert get(status, "Name") == "提示：轮你走棋，你执黑棋"

try:
    main()
finally:
    for process in reversed(started):
        process.terminate()
        process.wait()
    shutil.rmtree(work, ignore_errors=True)
print("ok")
