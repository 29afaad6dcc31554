#!/usr/bin/python3
"""Reads what a screen reader reads of a program, over the AT-SPI bus.

atspi_probe.py APP tree
    prints the program's accessible tree as JSON: for each object its name,
    role, states, actions, children and, for text objects, text and caret.
atspi_probe.py APP focus SECONDS ROLE [NAME]
    open menus are not children of the program (a screen reader meets them
    through focus events): prints "ready", waits up to SECONDS for the focus
    to reach an object of the program with that role (and name), then
    prints the tree of its parent (the menu, the colour grid) as JSON;
    exit code 1 when none came.
atspi_probe.py APP announced SECONDS NAME
    what a screen reader hears of notifications: prints "ready", then the
    name of every object of the program in the notification role that shows
    (one a line) until one named NAME did; exit code 1 when none did within
    SECONDS. The program need not be on the bus yet.
atspi_probe.py APP do ROLE NAME ACTION
    carries out the named action of the first showing object with that role
    and name; exit code 1 when there is none.

APP is the application's accessible name, compared without letter case.
Exit code 2 when the program is not on the bus (yet).
"""
import json
import sys

import pyatspi


def find_app(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or "").lower() == name.lower():
            return app
    return None


def describe(node, depth=0):
    states = node.getState()
    entry = {
        "name": node.name or "",
        "role": node.getRoleName(),
        "states": sorted(pyatspi.stateToString(s) for s in states.getStates()),
        "description": node.description or "",
    }
    try:
        action = node.queryAction()
        entry["actions"] = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        entry["actions"] = []
    try:
        text = node.queryText()
        entry["text"] = text.getText(0, -1)
        entry["caret"] = text.caretOffset
    except NotImplementedError:
        pass
    if depth < 25:
        children = []
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                children.append(describe(child, depth + 1))
        entry["children"] = children
    return entry


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def watch_focus(seconds, role, name):
    from gi.repository import GLib

    found = []

    def on_focus(event):
        source = event.source
        if found or source is None or not event.detail1:
            return
        try:
            if source.getApplication().name.lower() != sys.argv[1].lower():
                return
            if source.getRoleName() != role or (name is not None and source.name != name):
                return
            menu = source.parent
            found.append(describe(menu if menu is not None else source))
        except Exception:  # an object gone while it was asked
            return
        pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    print("ready", flush=True)
    pyatspi.Registry.start()
    if not found:
        return 1
    json.dump(found[0], sys.stdout, ensure_ascii=False)
    return 0


def watch_announcements(seconds, wanted):
    from gi.repository import GLib

    heard = []

    def on_showing(event):
        source = event.source
        if source is None or not event.detail1:
            return
        try:
            if source.getApplication().name.lower() != sys.argv[1].lower():
                return
            if source.getRoleName() != "notification":
                return
            heard.append(source.name)
        except Exception:  # an object gone while it was asked
            return
        print(source.name, flush=True)
        if source.name == wanted:
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    print("ready", flush=True)
    pyatspi.Registry.start()
    return 0 if wanted in heard else 1


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 64
    if sys.argv[2] == "announced" and len(sys.argv) == 5:
        return watch_announcements(float(sys.argv[3]), sys.argv[4])
    app = find_app(sys.argv[1])
    if app is None:
        return 2
    if sys.argv[2] == "tree":
        json.dump(describe(app), sys.stdout, ensure_ascii=False)
        return 0
    if sys.argv[2] == "focus" and len(sys.argv) in (5, 6):
        return watch_focus(float(sys.argv[3]), sys.argv[4], sys.argv[5] if len(sys.argv) == 6 else None)
    if sys.argv[2] == "do" and len(sys.argv) == 6:
        role, name, wanted = sys.argv[3:6]
        for node in walk(app):
            if node.getRoleName() == role and node.name == name \
                    and node.getState().contains(pyatspi.STATE_SHOWING):
                action = node.queryAction()
                for i in range(action.nActions):
                    if action.getName(i) == wanted:
                        return 0 if action.doAction(i) else 1
        return 1
    print(__doc__, file=sys.stderr)
    return 64


if __name__ == "__main__":
    sys.exit(main())
