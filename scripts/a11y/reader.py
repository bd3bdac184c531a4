#!/usr/bin/env python3
"""Reads the game's table through AT-SPI, as a screen reader does.

  reader.py tree [--places]   the table: places with roles and states, their
                              cards (unless --places)
                              and the information panel
  reader.py move              a legal move as two points to click, "x1 y1 x2 y2":
                              a Column's top card onto another Column's, else
                              onto a free Room
  reader.py listen SECONDS    every name change of the table's places and
                              what the table says while it listens, as a
                              reader hears them
"""
import re
import sys

import pyatspi

RANKS = ["Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"]
RED = {"Hearts", "Diamonds"}


def table():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or "tavolin" not in (app.name or "").lower():
            continue
        found = pyatspi.findDescendant(app, lambda o: o.name == "Table" and o.childCount >= 16)
        if found:
            return found
    sys.exit("No table found: is the game running with accessibility on?")


def states(obj):
    names = {pyatspi.STATE_SELECTED: "selected", pyatspi.STATE_FOCUSED: "focused",
             pyatspi.STATE_SELECTABLE: "selectable"}
    held = obj.getState()
    return [word for state, word in names.items() if held.contains(state)]


def describe(obj):
    text = f"{obj.getRoleName()}: {obj.name!r}"
    extra = states(obj) + ([obj.description] if obj.description else [])
    return text + (f"  [{', '.join(extra)}]" if extra else "")


def print_tree(places_only):
    board = table()
    print(describe(board))
    for i in range(board.childCount):
        part = board.getChildAtIndex(i)
        print("  " + describe(part))
        if i < 16 and not places_only:
            for k in range(part.childCount):
                print("    " + describe(part.getChildAtIndex(k)))
        if part.getRoleName() == "label" and part.description:
            print("    " + part.description)


def centre(obj):
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + min(box.height, 40) // 2


def rank_suit(name):
    match = re.match(r"(\w+) of (\w+)", name)
    return RANKS.index(match.group(1)), match.group(2)


def fits(card, onto):
    (rank, suit), (onto_rank, onto_suit) = rank_suit(card), rank_suit(onto)
    return rank + 1 == onto_rank and (suit in RED) != (onto_suit in RED)


def find_move():
    board = table()
    places = [board.getChildAtIndex(i) for i in range(16)]
    tops = [p.getChildAtIndex(p.childCount - 1) if p.childCount else None for p in places[8:]]
    for card in filter(None, tops):
        for onto in filter(None, tops):
            if card is not onto and fits(card.name, onto.name):
                return centre(card), centre(onto)
    room = next(p for p in places[:4] if p.childCount == 0)
    card = next(c for c in filter(None, tops) if not c.name.startswith("Ace"))
    return centre(card), centre(room)


def listen(seconds):
    # Qt sends no text with the event: like a screen reader, ask the object
    # for its name when the event comes.
    def heard(event):
        if event.source.getRoleName() in ("list", "notification"):
            print(f"heard: {event.source.getRoleName()}: {event.source.name!r}", flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    # What the game says: a notification appearing in its own status line.
    pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")
    from gi.repository import GLib
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else "tree"
    if command == "tree":
        print_tree("--places" in sys.argv)
    elif command == "move":
        (x1, y1), (x2, y2) = find_move()
        print(x1, y1, x2, y2)
    elif command == "listen":
        listen(float(sys.argv[2]))
    else:
        sys.exit(__doc__)
