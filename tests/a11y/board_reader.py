#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The running window as a screen reader meets it: through the accessibility bus alone, on a
# private X server and session bus, with keys typed by xdotool. Properties are read one by
# one with Get: GetAll crashes a Qt 6.4 program, and libatspi's cache returns stale values.
import os, shutil, subprocess, sys, tempfile, time
from gi.repository import Gio, GLib

work = tempfile.mkdtemp()
env = dict(os.environ, HOME=work, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work, XDG_DATA_HOME=work,
           PULSE_SERVER="unix:/nonexistent", QT_QPA_PLATFORM="xcb")
env.pop("AT_SPI_BUS_ADDRESS", None)  # it hides a Qt 6.4 program from the registry
started = []

def start(*args, **kw):
    started.append(subprocess.Popen(args, **{"env": dict(env), **kw}))
    return started[-1]

def wait_for(label, what, seconds=20):
    for _ in range(seconds * 5):
        try:
            if found := what():
                return found
        except GLib.Error:
            pass
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + label)

def connect(address):
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    return Gio.DBusConnection.new_for_address_sync(address, flags)

def main():
    read, write = os.pipe()
    start("Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp", pass_fds=[write])
    env["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1", stdout=subprocess.PIPE)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    address = wait_for("the accessibility bus", lambda: connect(env["DBUS_SESSION_BUS_ADDRESS"]).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
        Gio.DBusCallFlags.NO_AUTO_START, 2000, None).unpack()[0])
    start("/usr/libexec/at-spi2-registryd", env=dict(env, AT_SPI_BUS_ADDRESS=address))
    a11y = connect(address)
    start(sys.argv[1], env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    def call(node, method, args=None, iface="org.a11y.atspi.Accessible"):
        return a11y.call_sync(node[0], node[1], iface, method, args, None, 0, 5000, None).unpack()[0]
    def get(node, prop, iface="org.a11y.atspi.Accessible"):
        return call(node, "Get", GLib.Variant("(ss)", (iface, prop)), "org.freedesktop.DBus.Properties")
    def find(node, role, name=""):
        if call(node, "GetRoleName") == role and get(node, "Name").startswith(name):
            return node
        for child in call(node, "GetChildren") if get(node, "ChildCount") < 100 else []:
            if found := find(child, role, name):
                return found
    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    table = wait_for("the board", lambda: find(root, "table"))
    cells = [call(table, "GetChildAtIndex", GLib.Variant("(i)", (i,))) for i in range(get(table, "ChildCount"))]
    name = lambda row, col: get(cells[(row - 1) * 8 + col - 1], "Name")
    assert (len(cells), get(table, "NRows", "org.a11y.atspi.Table")) == (64, 8), len(cells)
    assert (name(4, 4), name(4, 5), name(5, 3)) == ("D4 白棋", "E4 黑棋", "C5 空")

    def focused():  # the name of the one cell in the focused state
        names = [get(c, "Name") for c in cells if call(c, "GetState")[0] & (1 << 12)]
        return names[0] if len(names) == 1 else None
    window = subprocess.check_output(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Quorvane"], env=env)
    subprocess.check_call(["xdotool", "windowfocus", "--sync", window.split()[0]], env=env)
    for keys, expected in [(["shift+Tab"], "E5 白棋"), (["Up", "Left"], "D4 白棋"), (["Home"], "A4 空"),
                           (["End", "Up", "Left", "Left", "Left", "Left"], "D3 空"),
                           (["Return"], "C3 白棋")]:  # the cursor follows the computer's reply
        subprocess.check_call(["xdotool", "key"] + keys, env=env)
        wait_for(expected, lambda: focused() == expected, 10)
    assert (get(cells[2 * 8 + 2], "Description"), name(3, 4)) == ("最后落子", "D3 黑棋")
    status = find(root, "label", "提示：")  # status line 0
    assert get(status, "Name") == "提示：轮你走棋，你执黑棋", get(status, "Name")

try:
    main()
finally:
    for process in reversed(started):
        process.terminate()
        process.wait()
    shutil.rmtree(work, ignore_errors=True)
print("ok")
