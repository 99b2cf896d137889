#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# What a screen reader reads of the running game: every showing object of the application named
# suispo on the accessibility bus, one JSON object a line (role, name, description, text, place
# and size on the screen). Used by the system tests that check the window as a screen reader
# sees it. Exits 77 when pyatspi is missing and 1 when no such application answers.
import json
import sys
import time

try:
    import pyatspi
except ImportError:
    print("python3-pyatspi is not installed (scripts/test.sh installs it)", file=sys.stderr)
    sys.exit(77)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""
    except Exception:  # an object that went away while read
        return ""


def extents_of(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return [box.x, box.y, box.width, box.height]
    except Exception:
        return None


def walk(node, depth, out):
    try:
        states = node.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
    except Exception:
        return
    if not showing and depth > 1:
        return
    out.append({
        "role": node.getRoleName(),
        "name": node.name or "",
        "description": node.description or "",
        "text": text_of(node),
        "extents": extents_of(node),
        "depth": depth,
    })
    for index in range(node.childCount):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        if child is not None:
            walk(child, depth + 1, out)


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        time.sleep(0.1)
    return None


def main():
    name = sys.argv[1] if len(sys.argv) > 1 else "suispo"
    application = find_application(name, 20)
    if application is None:
        print(f"no application named {name} on the accessibility bus", file=sys.stderr)
        return 1
    out = []
    for index in range(application.childCount):
        walk(application.getChildAtIndex(index), 1, out)
    for row in out:
        print(json.dumps(row, ensure_ascii=False))
    return 0


if __name__ == "__main__":
    sys.exit(main())
