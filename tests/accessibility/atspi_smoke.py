#!/usr/bin/python3
"""The desktop program as a screen reader meets it: over AT-SPI.

Starts its own X server (Xvfb on a free display), a private D-Bus session,
the accessibility bus with its registry, and zu6400-utility --simulate; then
finds the main window and its five tabs by name with pyatspi, as Orca would,
and hears the status bar's message once the simulated tuner is found.
Everything it started is stopped by process group at the end. Exits 77
(skipped) only when a piece of the stack is not installed.

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
    for program in ("Xvfb", "dbus-daemon"):
        if shutil.which(program) is None:
            return program
    if not os.access(LAUNCHER, os.X_OK):
        return LAUNCHER
    try:
        import pyatspi  # noqa: F401  (only whether it is installed)
    except ImportError:
        return "python3-pyatspi"
    return None


class Stack:
    def __init__(self, home):
        self.home = home
        self.processes = []
        self.env = dict(os.environ, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home + "/config",
                        XDG_DATA_HOME=home + "/data", HOME=home)

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start_x(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
                   pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            self.env["DISPLAY"] = ":" + pipe.readline().strip()

    def start_session_bus(self):
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL,
                         text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

    def stop(self):
        for process in reversed(self.processes):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()


def find(accessible, test):
    """The descendants that pass test, depth first."""
    found = []
    for child in accessible:
        if child is None:
            continue
        if test(child):
            found.append(child)
        found += find(child, test)
    return found


def found(title, tabs, status):
    return (bool(title) and title.startswith("ZU6400 Utility") and all(t in tabs for t in TABS)
            and bool(status) and status.startswith("ZU6400 MCU version"))


def program_frame(pyatspi):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zu6400-utility":
            for child in app:
                if child is not None and child.getRole() == pyatspi.ROLE_FRAME:
                    return child
    return None


def main():
    piece = missing_piece()
    if piece:
        print(f"skipped: {piece} is not installed")
        return 77
    program = sys.argv[1]
    with tempfile.TemporaryDirectory() as home:
        os.chmod(home, 0o700)
        stack = Stack(home)
        try:
            stack.start_x()
            stack.start_session_bus()
            stack.start([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            stack.env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en")
            stack.start([program, "--simulate"], stderr=subprocess.DEVNULL)
            os.environ.update(stack.env)
            import pyatspi  # reads the bus addresses from the environment

            deadline = time.monotonic() + WAIT_SECONDS
            title, tabs, status = None, [], None
            while time.monotonic() < deadline and not found(title, tabs, status):
                frame = program_frame(pyatspi)
                if frame is not None:
                    title = frame.name
                    tabs = [t.name for t in find(frame, lambda a: a.getRole() == pyatspi.ROLE_PAGE_TAB)]
                    bars = find(frame, lambda a: a.getRole() == pyatspi.ROLE_STATUS_BAR)
                    status = bars[0].name if bars else None
                time.sleep(0.2)
        finally:
            stack.stop()
    print(f"main window {title!r}, tabs {tabs}, status bar {status!r}")
    return 0 if found(title, tabs, status) else 1


if __name__ == "__main__":
    sys.exit(main())
