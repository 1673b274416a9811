"""Reads the game's board through AT-SPI after a typed move (see atspi-board)."""
import subprocess
import sys
import time

import pyatspi

def find(root, test, depth=0):
    if root is None or depth > 12:
        return None
    if test(root):
        return root
    for index in range(root.childCount):
        found = find(root.getChildAtIndex(index), test, depth + 1)
        if found is not None:
            return found
    return None


def game_application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name.lower().startswith("velmora"):
                return application
        time.sleep(0.1)
    sys.exit("the game did not appear on the accessibility bus")


def press(*keys):
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.5)


def pump(seconds, until=lambda: False):
    deadline = time.time() + seconds
    while time.time() < deadline and not until():
        pyatspi.Registry.pumpQueuedEvents()
        time.sleep(0.05)


def main():
    typed_move, opponent = sys.argv[1], sys.argv[2]
    application = game_application()
    time.sleep(1)
    window = application.getChildAtIndex(0)
    board = find(window, lambda a: a.description and "\n" in a.description or a.name in ("盤", "Board"))
    if board is None:
        sys.exit("no board among the window's controls")
    heard = []
    for change in ("accessible-description", "accessible-name"):
        pyatspi.Registry.registerEventListener(
            lambda event, change=change: heard.append((change, board.description if "description" in change else board.name))
            if event.source == board else None,
            "object:property-change:" + change)
    # A match between two people (the first item of the first menu) or
    # against the computer (the second), chosen from the menu bar by keys;
    # the box that tells whose move it is is closed with Enter.
    press("F10", *(["Down", "Down"] if opponent == "computer" else ["Down"]), "Return", "Return")
    before = board.description
    heard.clear()
    press("ctrl+m")
    subprocess.run(["xdotool", "type", "--delay", "50", typed_move], check=True)
    press("Return")
    # The person's move, and the computer's reply when it plays.
    changes = 2 if opponent == "computer" else 1
    pump(15, lambda: sum(1 for kind, _ in heard if kind == "accessible-description") >= changes)
    # The field closes with an empty Enter and the board takes the keys: T
    # tells both clocks.
    press("Return", "t")
    pump(2, lambda: any(kind == "accessible-name" for kind, _ in heard))
    print("name:", board.name)
    print("role:", board.getRoleName())
    for kind, text in heard:
        print("heard (%s):" % kind)
        print(text)
    if board.description == before or not any(kind == "accessible-description" for kind, _ in heard):
        sys.exit(1)


main()
