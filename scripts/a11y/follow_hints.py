#!/usr/bin/env python3
"""Plays a dealt game as a player who does whatever the hint says.

  follow_hints.py WINDOW [MOST]   asks Move -> Hint (Ctrl+H) in the game's
                                  WINDOW, reads the hint from the status bar,
                                  makes that transfer with the keys, and goes
                                  on until the game is won, the hint says it
                                  cannot be, or MOST hints (default 300)

Prints each hint and ends with a verdict line. Exit status 0 when the game
was won without passing the same table twice, 1 otherwise.
"""
import re
import subprocess
import sys
import time

import pyatspi

from reader import table

PLACE_KEYS = {"Column": "12345678", "Room": "abcd"}


def keys(window, *names):
    for name in names:
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", name], check=True)
        time.sleep(0.15)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and "tavolin" in (app.name or "").lower():
            return app
    sys.exit("The game is not on the accessibility bus.")


def status_texts():
    found = pyatspi.findAllDescendants(application(), lambda o: o.getRoleName() == "status bar")
    bar = found[0] if found else None
    return [bar.getChildAtIndex(i).name or "" for i in range(bar.childCount)] if bar else []


def snapshot():
    """Every place with its cards, bottom to top: the whole table."""
    board = table()
    return tuple(tuple(board.getChildAtIndex(i).getChildAtIndex(k).name
                       for k in range(board.getChildAtIndex(i).childCount)) for i in range(16))


def settled():
    """The table once it has stopped changing (cards flying to the Piles)."""
    last, steady = snapshot(), 0
    while steady < 3:
        time.sleep(0.25)
        now = snapshot()
        steady = steady + 1 if now == last else 0
        last = now
    return last


def box_open(caption):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", caption],
                           capture_output=True, text=True)
    return found.stdout.split()


def place_key(words):
    match = re.search(r"(Column|Room|Pile) (\d)", words)
    kind, number = match.group(1), int(match.group(2))
    return "h" if kind == "Pile" else PLACE_KEYS[kind][number - 1]


def ask_hint(window):
    keys(window, "ctrl+h")
    for _ in range(40):
        texts = status_texts()
        for i, text in enumerate(texts):
            if text.startswith("Hint:"):
                return text, texts[i + 1] if i + 1 < len(texts) else ""
        time.sleep(0.1)
    return "", ""


def follow(window, most):
    seen = {settled()}
    for count in range(1, most + 1):
        first, second = ask_hint(window)
        print(f"{count:3}: {first} | {second}", flush=True)
        if "can no longer be won" in first or not second:
            print(f"verdict: no transfer hinted at hint {count}")
            return 1
        keys(window, place_key(first.split(" from ")[1]), place_key(second))
        if "to the empty" in second:
            time.sleep(0.5)
            for box in box_open("Transfer to empty Column"):
                keys(box, "n" if second.startswith("alone") else "y")
        now = settled()
        if box_open("Game Result"):
            print(f"verdict: won after {count} hints, {len(seen)} tables, none passed twice")
            return 0
        if now in seen:
            print(f"verdict: hint {count} came back to a table already passed")
            return 1
        seen.add(now)
    print(f"verdict: not won after {most} hints")
    return 1


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(follow(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 300))
