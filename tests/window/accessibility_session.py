# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's window on a real accessibility bus, for tests that use it as a
screen-reader user does: Xvfb, a private D-Bus session, the AT-SPI bus launcher,
and the tree read through pyatspi with the system Python."""

import os
import select
import shutil
import subprocess
import tempfile
import time

SYSTEM_PYTHON = "/usr/bin/python3"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
CONTROL_MASK = 1 << 2


class Failed(Exception):
    pass


def need_tools():
    """Says which Debian package is missing, rather than skipping."""
    missing = [f"{tool} (package {package})" for tool, package in
               (("Xvfb", "xvfb"), ("dbus-run-session", "dbus-daemon"), (BUS_LAUNCHER, "at-spi2-core"))
               if shutil.which(tool) is None]
    if subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True).returncode:
        missing.append("pyatspi for the system Python (package python3-pyatspi)")
    if missing:
        raise Failed("missing: " + "; ".join(missing) + " -- `make deps` installs them")


def wait_until(condition, what, seconds, pump=None):
    """Polls until condition() holds, or fails with what was awaited."""
    deadline = time.monotonic() + seconds
    while True:
        if pump:
            pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed(f"waited {seconds} s for {what}")
        time.sleep(0.02)


def start_xvfb():
    """Xvfb on the first free display, which it tells through a pipe. It must not
    reset when its first client (the bus launcher) leaves: a reset refuses the
    game's connection and wipes the bus's address from the root window."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[write_end])
    os.close(write_end)
    told = b""
    deadline = time.monotonic() + 20
    while not told.endswith(b"\n"):
        if not select.select([read_end], [], [], max(0, deadline - time.monotonic()))[0]:
            xvfb.kill()
            raise Failed("Xvfb did not start within 20 s")
        chunk = os.read(read_end, 16)
        if not chunk:
            raise Failed("Xvfb ended before telling its display")
        told += chunk
    os.close(read_end)
    return xvfb, ":" + told.decode().strip()


def run_in_session(script, arguments):
    """A display, then `script --inside ARGUMENTS` in a private D-Bus session on it."""
    need_tools()
    xvfb, display = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="korvane-a11y-run-")
    try:
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime)
        for leftover in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            env.pop(leftover, None)
        command = ["dbus-run-session", "--", SYSTEM_PYTHON, script, "--inside", *arguments]
        return subprocess.run(command, env=env, timeout=180).returncode
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(runtime, ignore_errors=True)


class Game:
    """The game started in `folder` inside the session, with the accessibility bus
    up first; `screen` reads its window once it is on the bus."""

    def __init__(self, program, folder, locale=None):
        self.program, self.folder, self.locale = program, folder, locale
        self.launcher = self.process = self.screen = None

    def __enter__(self):
        self.launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
        from gi.repository import Gio, GLib
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def bus_up():
            reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                      "org.freedesktop.DBus", "NameHasOwner",
                                      GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                      Gio.DBusCallFlags.NONE, -1, None)
            return reply.unpack()[0]
        wait_until(bus_up, "the accessibility bus", 20)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        if self.locale:
            env["LC_ALL"] = self.locale
        self.process = subprocess.Popen([self.program], cwd=self.folder, env=env)
        import pyatspi

        def on_the_bus():
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.clear_cache()  # the list of programs as the registry has it now
            for app in desktop:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None
        app = wait_until(on_the_bus, "the game on the accessibility bus", 30)
        self.screen = Screen(pyatspi, GLib, app)
        return self

    def close_by_keys(self):
        """Ctrl+Q, and the game's end; its exit code."""
        registry = self.screen.pyatspi.Registry
        registry.generateKeyboardEvent(CONTROL_MASK, None, self.screen.pyatspi.KEY_LOCKMODIFIERS)
        self.screen.press(ord("q"))
        registry.generateKeyboardEvent(CONTROL_MASK, None, self.screen.pyatspi.KEY_UNLOCKMODIFIERS)
        wait_until(lambda: self.process.poll() is not None, "the game to close on Ctrl+Q", 15)
        return self.process.returncode

    def __exit__(self, *_):
        for process in (self.process, self.launcher):
            if process is not None and process.poll() is None:
                process.terminate()
                process.wait()


class Screen:
    """The game's window as the accessibility tree shows it."""

    def __init__(self, pyatspi, glib, app):
        self.pyatspi, self.glib, self.app = pyatspi, glib, app
        self.spoken = []  # each name a screen reader was told had changed
        self.values = []  # each object a screen reader was told had a new value
        pyatspi.Registry.registerEventListener(self._heard, "object:property-change:accessible-name",
                                               "object:property-change:accessible-value")

    def _heard(self, event):
        try:
            heard = self.values if event.type.endswith("value") else self.spoken
            heard.append(event.source.name)
        except Exception:  # the object may be gone already
            pass

    def pump(self):
        while self.glib.MainContext.default().iteration(False):
            pass

    def objects(self):
        """(role, name, description, focused, accessible) for everything in the window."""
        self.app.clear_cache()
        found = []

        def walk(node):
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is None:
                    continue
                focused = child.getState().contains(self.pyatspi.STATE_FOCUSED)
                found.append((child.getRoleName(), child.name, child.description, focused, child))
                walk(child)
        walk(self.app)
        return found

    def focused(self):
        return next((o[1] for o in self.objects() if o[3]), None)

    def named(self, prefix):
        """The text after 'prefix: ' of the one label that starts so."""
        for role, name, _, _, _ in self.objects():
            if role == "label" and (name == prefix or name.startswith(prefix + ": ")):
                return name[len(prefix) + 2:]
        raise Failed(f"no label '{prefix}' in the tree:\n{self.dump()}")

    def value_of(self, prefix):
        for role, name, _, _, acc in self.objects():
            if role == "label" and name.startswith(prefix + ": "):
                return acc.queryValue().currentValue
        raise Failed(f"no label '{prefix}'")

    def cards(self, row):
        """The names of the cards in a row ('Dealer's card', 'Your card'), left to right."""
        places = [(o[2], o[1]) for o in self.objects() if o[0] == "image" and o[2].startswith(row)]
        return [name for _, name in sorted(places, key=lambda p: int(p[0].split()[-1]))]

    def dump(self):
        return "\n".join(f"  {o[0]} {o[1]!r} {o[2]!r}{' (focused)' if o[3] else ''}"
                         for o in self.objects())

    def press(self, keysym):
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)

    def wait_focus(self, names, seconds):
        return wait_until(lambda: self.focused() in names and self.focused(),
                          f"the focus on one of {names}", seconds, self.pump)
