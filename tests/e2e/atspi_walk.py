"""Walks Quorvex's accessibility tree over AT-SPI, as a screen reader does: finds the named
inputs and the Find button of the entry window, runs one request through them and reads the
sign from the result window. Run with Debian's python3 (pyatspi)."""
import sys
import time

import pyatspi


def application(name, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def find(app, role, name):
    for node in walk(app):
        if node.getRole() == role and node.name == name:
            return node
    return None


def main():
    passed = failed = 0

    def check(what, condition):
        nonlocal passed, failed
        print(("PASS: " if condition else "FAIL: ") + what)
        passed += 1 if condition else 0
        failed += 0 if condition else 1

    app = application("Quorvex")
    check("the program is on the accessibility bus", app is not None)
    if app is None:
        print(f"{passed} passed, {failed} failed")
        return 1
    name = find(app, pyatspi.ROLE_TEXT, "Name")
    check("the name box is announced as \"Name\"", name is not None)
    # On Linux a list's name is its current entry; its caption comes through the
    # labelled-by relation, which screen readers announce with it.
    captions = {}
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    captions[relation.getTarget(0).name] = node.name
    for caption, shown in (("Date", "1"), ("Month", "January"), ("Year", "1900")):
        check(f"the {caption.lower()} list is labelled \"{caption}\" and reads \"{shown}\"",
              captions.get(caption) == shown)
    find_button = find(app, pyatspi.ROLE_PUSH_BUTTON, "Find My Zevod Astrology Sign")
    check("the Find button is announced by its caption", find_button is not None)
    links = [n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LINK]
    check("the link labels are links named by their texts",
          any(text.startswith("Home Business Opportunity") or text.startswith("Co-brand") for text in links)
          and any("Harrowfen board" in text for text in links))
    if name is None or find_button is None:
        print(f"{passed} passed, {failed} failed")
        return 1

    name.queryEditableText().setTextContents("ANN")
    action = find_button.queryAction()
    presses = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
    check("the Find button can be pressed", bool(presses))
    if presses:
        action.doAction(presses[0])
    sign = None
    end = time.time() + 10
    while sign is None and time.time() < end:
        sign = find(app, pyatspi.ROLE_LABEL, "Pisces")
        time.sleep(0.2)
    check("the request shows \"Pisces\" for 1 January 1900", sign is not None)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
