#!/usr/bin/python3
"""A whole round played as a screen-reader user plays it.

The real game runs under Xvfb, on a private D-Bus session with its own AT-SPI
bus, in a folder of its own with a known cash file. This script reads the table
only through the accessibility tree (pyatspi) and plays only with keys,
synthesised by AT-SPI itself: it starts the round with Space on the focused
"Start" button, deals while its hand is below 17, stops, and checks what the
tree told it along the way: the cards dealt, the totals by the rules of the
hand, the status line as spoken, and the cash before and after the settlement.
It ends the game with Ctrl+Q and finds the cash saved.

    screen_reader_round.py GAME
"""

import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

SYSTEM_PYTHON = "/usr/bin/python3"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
SPACE, TAB, Q = 0x20, 0xFF09, 0x71
CONTROL_MASK = 1 << 2


class Failed(Exception):
    pass


def need_tools():
    """Says which Debian package is missing, rather than skipping."""
    missing = []
    for tool, package in (("Xvfb", "xvfb"), ("dbus-run-session", "dbus-daemon")):
        if shutil.which(tool) is None:
            missing.append(f"{tool} (package {package})")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(f"{BUS_LAUNCHER} (package at-spi2-core)")
    probe = subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True)
    if probe.returncode != 0:
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


def outside(game):
    """The display, then this script again inside a private D-Bus session."""
    need_tools()
    xvfb, display = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="korvane-a11y-run-")
    try:
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime)
        for leftover in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            env.pop(leftover, None)
        return subprocess.run(["dbus-run-session", "--", SYSTEM_PYTHON, __file__, "--inside", game],
                              env=env, timeout=180).returncode
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(runtime, ignore_errors=True)


# The rules of the hand, as a player learns them from the README.
def rank_value(card_name):
    rank = card_name.split(" of ")[0]
    if rank == "Ace":
        return 11
    if rank in ("Jack", "Queen", "King"):
        return 10
    return int(rank)


def hand_value(cards):
    total = sum(rank_value(c) for c in cards)
    aces = sum(1 for c in cards if c.startswith("Ace "))
    while total > 21 and aces:
        total -= 10
        aces -= 1
    return total


def expected_outcome(player, dealer):
    """'win', 'lose' or 'same', and whether the player's win is a Korvane."""
    player_korvane = len(player) == 2 and hand_value(player) == 21
    if player_korvane:
        return "win", True
    if len(dealer) == 2 and hand_value(dealer) == 21:
        return "lose", False
    p, d = hand_value(player), hand_value(dealer)
    if p > 21:
        return "lose", False
    if d > 21 or p > d:
        return "win", False
    return ("same" if p == d else "lose"), False


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


def check(condition, message, screen=None):
    if not condition:
        raise Failed(message + (f"\nthe tree:\n{screen.dump()}" if screen else ""))


def play_turn(screen):
    """Deals while below 17, then stops; checks each total against the cards."""
    while screen.focused() == "Deal a card":
        mine = screen.cards("Your card")
        total = int(screen.named("Your total"))
        check(total == hand_value(mine), f"your total {total} for {mine}", screen)
        if total >= 17:
            screen.press(TAB)
            screen.wait_focus(("Stop",), 5)
            screen.press(SPACE)
            return
        screen.press(SPACE)
        # The card and its total come to the screen together.
        wait_until(lambda: len(screen.cards("Your card")) > len(mine), "one more card", 5,
                   screen.pump)


def play_round(screen):
    screen.wait_focus(("Start a round",), 20)
    cash_before = float(screen.named("Cash"))
    check(screen.value_of("Cash") == cash_before, "the cash's value follows its name", screen)
    bet = float(screen.named("Bet"))
    screen.press(SPACE)
    wait_until(lambda: screen.focused() != "Start a round", "the round to start", 5, screen.pump)
    check(screen.focused() != "Sounds", "the focus never falls to Sounds", screen)
    after_deal = screen.wait_focus(("Deal a card", "Start a round"), 15)
    seen_in_turn = set()
    if after_deal == "Deal a card":
        check(screen.named("Status") == "Your Turn", "the turn is announced", screen)
        check(screen.cards("Dealer's card")[0] == "Face-down card", "the hole card lies face down",
              screen)
        check(screen.named("Dealer's total") == "0", "the dealer's total gives nothing away",
              screen)
        seen_in_turn = {text for o in screen.objects() for text in (o[1], o[2])}
        play_turn(screen)
        screen.wait_focus(("Start a round",), 20)
    status = screen.named("Status")
    mine, dealers = screen.cards("Your card"), screen.cards("Dealer's card")
    print(f"you: {mine}; dealer: {dealers}; status: {status}")
    check("Face-down card" not in dealers, "the dealer's cards are all turned", screen)
    check(dealers[0] not in seen_in_turn, "nothing told the hole card before it was turned")
    check(int(screen.named("Your total")) == hand_value(mine), "your final total", screen)
    check(int(screen.named("Dealer's total")) == hand_value(dealers), "the dealer's total", screen)
    outcome, korvane = expected_outcome(mine, dealers)
    shown = {"win": "Korvane" if korvane else "YOU WIN", "lose": "YOU LOSE", "same": "SAME"}
    check(status == shown[outcome], f"the status for a {outcome}", screen)
    wait_until(lambda: "Status: " + status in screen.spoken,
               f"'{status}' announced as it appeared (heard {screen.spoken})", 5, screen.pump)
    wait_until(lambda: dealers[0] in screen.spoken,
               f"the hole card '{dealers[0]}' announced as it was turned", 5, screen.pump)
    moved = {"win": 2 * bet if korvane else bet, "lose": -bet, "same": 0}[outcome]
    cash_after = float(screen.named("Cash"))
    check(cash_after == cash_before + moved, f"the cash moved by {moved}", screen)
    if moved:
        wait_until(lambda: f"Cash: {screen.named('Cash')}" in screen.values,
                   "the new cash announced as a value", 5, screen.pump)
    won = screen.named("Rounds won by you" if outcome == "win" else "Rounds won by the dealer")
    check(outcome == "same" or won == "1", "the win is counted", screen)
    return screen.named("Cash")


def inside(game):
    folder = tempfile.mkdtemp(prefix="korvane-a11y-")
    launcher = game_process = None
    try:
        with open(os.path.join(folder, "Korvane.cash"), "wb") as cash:
            cash.write(b"1000\r\n0\r\n")
        launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
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
        game_process = subprocess.Popen([game], cwd=folder, env=env)
        import pyatspi

        def the_game():
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.clear_cache()  # the list of programs as the registry has it now
            for app in desktop:
                if app is not None and app.get_process_id() == game_process.pid:
                    return app
            return None
        app = wait_until(the_game, "the game on the accessibility bus", 30)
        screen = Screen(pyatspi, GLib, app)
        cash_after = play_round(screen)
        # Ctrl+Q closes the window as its close button does: the cash is saved.
        pyatspi.Registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
        screen.press(Q)
        pyatspi.Registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)
        wait_until(lambda: game_process.poll() is not None, "the game to close on Ctrl+Q", 15)
        check(game_process.returncode == 0, f"the game ended with {game_process.returncode}")
        with open(os.path.join(folder, "Korvane.cash"), "rb") as cash:
            saved = cash.read()
        check(saved == cash_after.encode() + b"\r\n0\r\n", f"the cash file holds {saved!r}")
        print("a whole round by keys and the accessibility tree:", cash_after)
        return 0
    except Failed as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1
    finally:
        for process in (game_process, launcher):
            if process is not None and process.poll() is None:
                process.terminate()
                process.wait()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        return inside(sys.argv[2])
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        return outside(os.path.abspath(sys.argv[1]))
    except Failed as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
