#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole round played as a screen-reader user plays it.

The real game runs under Xvfb, on a private D-Bus session with its own AT-SPI
bus, in a folder of its own with a known cash file. This script reads the table
only through the accessibility tree (pyatspi) and plays only with keys,
synthesised by AT-SPI itself: it starts the round with Space on the focused
"Start" button, deals while its hand is below 17, stops, and checks what the
tree told it along the way: the cards dealt, the totals by the rules of the
hand, the status line as spoken, and the cash before and after the settlement.
It ends the game with Ctrl+Q and finds the cash saved. The desktop speaks Danish
numbers (a decimal comma), and the cash has a fraction: the table and its file
still write it with a point.

    screen_reader_round.py GAME
"""

import os
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave nothing behind in the source tree
from accessibility_session import Failed, Game, run_in_session, wait_until

SPACE, TAB = 0x20, 0xFF09


# What the status line tells of a settled round, and what it does to the cash.
OUTCOMES = {"YOU WIN": 1, "Korvane": 2, "YOU LOSE": -1, "SAME": 0}


def check(condition, message, screen=None):
    if not condition:
        raise Failed(message + (f"\nthe tree:\n{screen.dump()}" if screen else ""))


def play_turn(screen):
    """Deals while below 17, then stops."""
    while screen.focused() == "1  DEAL":
        mine = screen.cards("Your card")
        if int(screen.named("Your total")) >= 17:
            screen.press(TAB)
            screen.wait_focus(("2  STOP",), 5)
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
    after_deal = screen.wait_focus(("1  DEAL", "Start a round"), 15)
    seen_in_turn = set()
    if after_deal == "1  DEAL":
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
    check(status in OUTCOMES, f"a settled round's status, not '{status}'", screen)
    wait_until(lambda: "Status: " + status in screen.spoken,
               f"'{status}' announced as it appeared (heard {screen.spoken})", 5, screen.pump)
    wait_until(lambda: dealers[0] in screen.spoken,
               f"the hole card '{dealers[0]}' announced as it was turned", 5, screen.pump)
    moved = OUTCOMES[status] * bet
    cash_after = float(screen.named("Cash"))
    check(cash_after == cash_before + moved, f"the cash moved by {moved}", screen)
    if moved:
        wait_until(lambda: f"Cash: {screen.named('Cash')}" in screen.values,
                   "the new cash announced as a value", 5, screen.pump)
    won = screen.named("Rounds won by you" if moved > 0 else "Rounds won by the dealer")
    check(status == "SAME" or won == "1", "the win is counted", screen)
    return screen.named("Cash")


COMMA_LOCALE = "da_DK.UTF-8"


def inside(program):
    folder = tempfile.mkdtemp(prefix="korvane-a11y-")
    try:
        locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
        check("da_DK.utf8" in locales,
              f"the locale {COMMA_LOCALE} is missing; make test generates it with localedef")
        with open(os.path.join(folder, "Korvane.cash"), "wb") as cash:
            cash.write(b"1000.5\r\n0\r\n")
        with Game(program, folder, COMMA_LOCALE) as game:
            cash_after = play_round(game.screen)
            # Ctrl+Q closes the window as its close button does: the cash is saved.
            code = game.close_by_keys()
        check(code == 0, f"the game ended with {code}")
        with open(os.path.join(folder, "Korvane.cash"), "rb") as cash:
            saved = cash.read()
        check(saved == cash_after.encode() + b"\r\n0\r\n", f"the cash file holds {saved!r}")
        print("a whole round by keys and the accessibility tree:", cash_after)
        return 0
    except Failed as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        return inside(sys.argv[2])
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        return run_in_session(os.path.abspath(__file__), [os.path.abspath(sys.argv[1])])
    except Failed as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
