#!/usr/bin/python3
"""Reads the running program's main window as a screen reader does and checks what it says.

Usage: read_window.py <application name> <expected total days> <expected name>
   or: read_window.py --dump <process id>   (prints every object of that process as role|name|text)
"""
import math
import sys
import time

import pyatspi


def walk(acc, out):
    try:
        role, name, description = acc.getRoleName(), acc.name, acc.description
    except Exception:
        return out
    try:
        text = acc.queryText().getText(0, -1)
    except Exception:
        text = None
    out.append((role, name, description, text))
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            walk(child, out)
    return out


def find_all(acc, role, out=None):
    out = [] if out is None else out
    try:
        if acc.getRoleName() == role:
            out.append(acc)
            return out  # a table's cells hold no further tables
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            if child is not None:
                find_all(child, role, out)
    except Exception:
        pass
    return out


def find_app(matches, tries=100):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(tries):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and matches(app):
                return app
        time.sleep(0.1)
    return None


def process_id(app):
    try:
        return app.get_process_id()
    except Exception:
        return None


def dump(pid):
    app = find_app(lambda a: process_id(a) == pid)
    if app is None:
        print("the program never appeared on the accessibility bus")
        return 1
    for role, name, _, text in walk(app, []):
        print(f"{role}|{name}|{text if text is not None else ''}")
    return 0


def main():
    if sys.argv[1] == "--dump":
        return dump(int(sys.argv[2]))
    app_name, total_days, person = sys.argv[1], sys.argv[2], sys.argv[3]
    app = find_app(lambda a: a.name == app_name)
    if app is None:
        print("the program never appeared on the accessibility bus")
        return 1
    nodes = []
    for _ in range(50):
        nodes = walk(app, [])
        if any(n[1] == "total days" and n[3] == total_days for n in nodes):
            break
        time.sleep(0.1)
    by_name = {n[1]: n for n in nodes if n[1]}
    failures = []

    def expect(what, got, want):
        if got != want:
            failures.append(f"{what}: heard {got!r}, expected {want!r}")

    expect("window", " Biorhythms" in by_name and by_name[" Biorhythms"][0], "frame")
    for field, want in (("name", person), ("total days", total_days)):
        expect(field, by_name.get(field, (None,) * 4)[3], want)
    for field in ("Physical day", "Emotional day", "Intellectual day", "Intuitional day"):
        text = by_name.get(field, (None,) * 4)[3] or ""
        if not (len(text) == 2 and text.isdigit()):
            failures.append(f"{field}: heard {text!r}, expected two digits")
    hints = [n[2] for n in nodes if n[2] in (" Cycle going up ", " Cycle going down ")]
    expect("indicator hints", len(hints), 4)
    buttons = {n[1] for n in nodes if n[0] == "push button"}
    for caption in ("add new profile", "about", "help", "close", "biorhythm today's interpretation"):
        if caption not in buttons:
            failures.append(f"picture button {caption!r} not heard by name")
    # The chart as a table: a row a day, today's the 61st; its physical cell as the day count gives it.
    tables = [acc for acc in find_all(app, "table") if acc.name == "Chart"]
    if len(tables) != 1:
        failures.append(f"chart table: heard {len(tables)} tables named 'Chart'")
    else:
        table = tables[0].queryTable()
        expect("chart table size", (table.nRows, table.nColumns), (351, 6))
        expect("chart columns", [table.getColumnDescription(c) for c in range(table.nColumns)],
               ["Date", "Physical", "Emotional", "Intellectual", "Intuitional", "Critical"])
        value = 100 * math.sin(2 * math.pi * int(total_days) / 23)
        percent = int(math.copysign(math.floor(abs(value) + 0.5), value))
        rising = math.sin(2 * math.pi * (int(total_days) + 1) / 23) * 100 > value
        expect("today's physical cell", table.getAccessibleAt(60, 1).name,
               f"{percent} % {'rising' if rising else 'falling'}")
    menus = [n[1] for n in nodes if n[0] == "menu item"]
    for caption in ("Program", "Profiles", "Options", "|", "Help", "Draw extra* rythms", "Check new versions *"):
        if caption not in menus:
            failures.append(f"menu item {caption!r} not heard")
    for f in failures:
        print(f)
    print(f"{len(nodes)} accessible objects read, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
