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


def main():
    typed_move = sys.argv[1]
    application = game_application()
    time.sleep(1)
    window = application.getChildAtIndex(0)
    board = find(window, lambda a: a.description and "\n" in a.description or a.name in ("盤", "Board"))
    if board is None:
        sys.exit("no board among the window's controls")
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append(event.any_data) if event.source == board else None,
        "object:property-change:accessible-description")
    # The match between two people, chosen from the menu bar by keys; the box
    # that tells whose move it is, if one opens, is closed with Enter.
    for key in ["F10", "Down", "Return", "Return"]:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.5)
    before = board.description
    heard.clear()
    subprocess.run(["xdotool", "key", "ctrl+m"], check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "50", typed_move], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    deadline = time.time() + 5
    while time.time() < deadline and board.description == before:
        pyatspi.Registry.pumpQueuedEvents()
        time.sleep(0.05)
    print("name:", board.name)
    print("role:", board.getRoleName())
    print("description:")
    print(board.description)
    print("told of a change:", "yes" if heard else "no")
    if not heard or board.description == before:
        sys.exit(1)


main()
