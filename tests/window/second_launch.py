# SPDX-License-Identifier: GPL-3.0-or-later
"""A second launch on a real X display: for a folder whose table is open it brings
that table's window to the front; when the open table does not answer (stopped),
the second launch shows the box that says the table is open, and leaves the other
folder's table where it lies. (Its status and the cash file untouched are
process_test's, the channel itself raise_channel_test's.) Xvfb runs no window
manager, so the root's children are the stacking order.

    second_launch.py GAME"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from accessibility_session import Failed, start_xvfb, wait_until  # noqa: E402



def viewable_windows(env):
    """(window, pid) of the mapped top-level windows, topmost first."""
    tree = subprocess.run(["xwininfo", "-root", "-children"], env=env, capture_output=True,
                          text=True, check=True).stdout
    found = []
    for window in re.findall(r"^\s+(0x[0-9a-f]+) ", tree, re.M):
        look = subprocess.run(["xwininfo", "-id", window], env=env, capture_output=True, text=True)
        if "IsViewable" not in look.stdout:
            continue
        prop = subprocess.run(["xprop", "-id", window, "_NET_WM_PID"], env=env,
                              capture_output=True, text=True).stdout
        pid = re.search(r"= (\d+)", prop)
        if pid:
            found.append((window, int(pid.group(1))))
    return found


def topmost(env, games):
    """The pid of whichever of the games' windows lies on top."""
    pids = [game.pid for game in games]
    for _, pid in viewable_windows(env):
        if pid in pids:
            return pid
    return None


def shows_window(env, process):
    return any(pid == process.pid for _, pid in viewable_windows(env))


def run(game, scratch, env, games):
    def launch(folder):
        games.append(subprocess.Popen([game], cwd=os.path.join(scratch, folder), env=env))
        return games[-1]

    tables = {}
    for folder in ("A", "B"):
        tables[folder] = launch(folder)
        wait_until(lambda: shows_window(env, tables[folder]), f"the table of {folder}", 20)
    a, b = tables["A"], tables["B"]
    if topmost(env, [a, b]) != b.pid:
        raise Failed("the table opened last does not lie on top")

    # A second launch in A: A's table comes up over B's, and the second one goes.
    second = launch("A")
    try:
        second.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failed("the second launch in A did not end: it did not raise the open table")
    wait_until(lambda: topmost(env, [a, b]) == a.pid, "A's table to come to the front", 10)

    # A table that does not answer: the second launch tells the player and waits.
    b.send_signal(signal.SIGSTOP)
    try:
        second = launch("B")
        wait_until(lambda: shows_window(env, second), "the box of the second launch in B", 20)
        if second.poll() is not None:
            raise Failed("the second launch in B ended without a word")
        second.send_signal(signal.SIGTERM)
        second.wait(timeout=10)
        if topmost(env, [a, b]) != a.pid:
            raise Failed("a launch in B raised A's table")
    finally:
        b.send_signal(signal.SIGCONT)


def main():
    game = os.path.abspath(sys.argv[1])
    for tool in ("xwininfo", "xprop"):
        if shutil.which(tool) is None:
            raise Failed(f"missing: {tool} (package x11-utils) -- `make deps` installs it")
    xvfb, display = start_xvfb()
    scratch = tempfile.mkdtemp(prefix="korvane-second-launch-")
    games = []
    try:
        for folder in ("A", "B", "run", "tmp", "home"):
            os.mkdir(os.path.join(scratch, folder), 0o700)
        env = {key: value for key, value in os.environ.items()
               if key not in ("DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER", "WAYLAND_DISPLAY")}
        env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", NO_AT_BRIDGE="1",
                   XDG_RUNTIME_DIR=os.path.join(scratch, "run"), TMPDIR=os.path.join(scratch, "tmp"),
                   HOME=os.path.join(scratch, "home"), XDG_CACHE_HOME=os.path.join(scratch, "home"),
                   XDG_CONFIG_HOME=os.path.join(scratch, "home"),
                   PULSE_SERVER=os.path.join(scratch, "no-sound"))
        run(game, scratch, env, games)
    finally:
        for process in games:  # whatever a failure left running
            if process.poll() is None:
                process.kill()
                process.wait()
        xvfb.kill()
        xvfb.wait()
        shutil.rmtree(scratch, ignore_errors=True)
    print("a second launch raises the open table of its folder, and only that one")


if __name__ == "__main__":
    try:
        main()
    except Failed as failure:
        print(f"second_launch: {failure}")
        sys.exit(1)
