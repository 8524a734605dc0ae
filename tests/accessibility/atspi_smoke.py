#!/usr/bin/python3
"""The desktop program as a screen reader meets it: over AT-SPI.

Starts an X server (Xvfb on a free display), a private D-Bus session, the
accessibility bus with its registry and zu6400-utility --simulate; then, as
Orca would, finds with pyatspi the main window, its five tabs by name and the
status bar's message once the simulated tuner is found. Everything started
is stopped by its process group. Exits 77 (skipped) only when a piece of the
stack is not installed.

usage: atspi_smoke.py PATH_TO_ZU6400_UTILITY
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TABS = ["Port", "Firmware", "Operate", "Configuration", "Command Tester"]
WAIT_SECONDS = 60  # how long the stack may take to come up on a busy machine


def missing_piece():
    for program in ("Xvfb", "dbus-daemon", "dbus-send", LAUNCHER):
        if shutil.which(program) is None:
            return program
    try:
        import pyatspi  # noqa: F401  (only whether it is installed)
    except ImportError:
        return "python3-pyatspi"
    return None


def start(started, env, args, **kwargs):
    started.append(subprocess.Popen(args, env=env, start_new_session=True, stderr=subprocess.DEVNULL, **kwargs))
    return started[-1]


def start_stack(started, env, program):
    # -noreset: the server would otherwise restart when its last client leaves
    # (the launcher sets its root window property and goes), refusing the
    # program that connects at that moment.
    read, write = os.pipe()
    start(started, env, ["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-noreset", "-screen", "0", "1280x1024x24"],
          pass_fds=(write,))
    os.close(write)
    with os.fdopen(read) as pipe:
        env["DISPLAY"] = ":" + pipe.readline().strip()
    bus = start(started, env, ["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                text=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    start(started, env, [LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL)
    wait_for_accessibility_bus(env)
    start(started, dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en"),
          [program, "--simulate"])


def wait_for_accessibility_bus(env):
    """The program asks for the accessibility bus as it starts: asked before
    the launcher owns its name, D-Bus would start a second launcher beside
    ours. The bus itself is asked, as a call to the launcher would do the same."""
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
           "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"]
    deadline = time.monotonic() + WAIT_SECONDS
    while "boolean true" not in subprocess.run(ask, env=env, capture_output=True, text=True).stdout:
        if time.monotonic() > deadline:
            break
        time.sleep(0.1)


def stop(started):
    for process in reversed(started):
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=10)
        except ProcessLookupError:
            pass
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def find(accessible, role):
    """The descendants in the role, depth first."""
    found = []
    for child in accessible:
        if child is not None:
            found += ([child] if child.getRole() == role else []) + find(child, role)
    return found


def look(pyatspi):
    """The main window's title, its tabs and its status bar's message."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zu6400-utility":
            for frame in find(app, pyatspi.ROLE_FRAME):
                bars = find(frame, pyatspi.ROLE_STATUS_BAR)
                return frame.name, [t.name for t in find(frame, pyatspi.ROLE_PAGE_TAB)], bars[0].name if bars else ""
    return "", [], ""


def found(title, tabs, status):
    return title.startswith("ZU6400 Utility") and all(t in tabs for t in TABS) and status.startswith("ZU6400 MCU version")


def main():
    piece = missing_piece()
    if piece:
        print(f"skipped: {piece} is not installed")
        return 77
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home)
        started = []
        try:
            start_stack(started, env, sys.argv[1])
            os.environ.update(env)
            import pyatspi  # finds the accessibility bus from the environment

            deadline = time.monotonic() + WAIT_SECONDS
            seen = look(pyatspi)
            while not found(*seen) and time.monotonic() < deadline:
                time.sleep(0.2)
                seen = look(pyatspi)
        finally:
            stop(started)
    print("main window %r, tabs %r, status bar %r" % seen)
    return 0 if found(*seen) else 1


if __name__ == "__main__":
    sys.exit(main())
