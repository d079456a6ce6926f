"""Drives Quorvex over the AT-SPI accessibility bus, as a screen reader does: types a name into
the named box, presses Find, reads the sign from the result window and goes Back. Run with
Debian's python3 (pyatspi)."""
import sys
import time

import pyatspi

passed = failed = 0


def check(what, condition):
    global passed, failed
    print(("PASS: " if condition else "FAIL: ") + what)
    passed, failed = passed + bool(condition), failed + (not condition)
    return condition


def walk(node, depth=0):
    if node is not None and depth < 40:
        yield node
        for child in node:
            yield from walk(child, depth + 1)


def wait_for(what, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    return None


def find(role, name, showing=True):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quorvex":
            for node in walk(app):
                if node.getRole() == role and node.name == name and (
                        not showing or node.getState().contains(pyatspi.STATE_SHOWING)):
                    return node
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    return "press" in names and action.doAction(names.index("press"))


def main():
    name = wait_for(lambda: find(pyatspi.ROLE_TEXT, "Name"))
    find_button = find(pyatspi.ROLE_PUSH_BUTTON, "Find My Zevod Astrology Sign")
    if check("the name box and the Find button are announced by their names", name and find_button):
        name.queryEditableText().setTextContents("ANN")
        check("the Find button can be pressed", press(find_button))
        check("the request shows \"Pisces\" for 1 January 1900",
              wait_for(lambda: find(pyatspi.ROLE_LABEL, "Pisces")))
        back = find(pyatspi.ROLE_PUSH_BUTTON, "Back")
        check("Back can be pressed", back and press(back))
        check("Back shows the entry window again",
              wait_for(lambda: find(pyatspi.ROLE_PUSH_BUTTON, "Find My Zevod Astrology Sign")))
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
