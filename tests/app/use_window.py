#!/usr/bin/python3
"""Uses the running program through its accessibility objects, as where no window can be driven from outside
(Wayland): a profile drawn, every window opened (those with a Close button closed again), Program > Exit.
With --keyboard it also types Ctrl+K and Escape on the X display the compositor runs in. Prints each failure."""
import datetime
import math
import subprocess
import sys
import time

import pyatspi

from read_window import find_app

BUS = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
                      "org.a11y.Bus.GetAddress"], capture_output=True, text=True).stdout.strip()


def wait_for(test, seconds=10):
    for _ in range(seconds * 10):
        try:
            if test():
                return True
        except Exception:
            pass
        time.sleep(0.1)
    return False


def find(acc, role, name, depth=0):
    if acc.getRoleName() == role and acc.name == name:
        return acc
    for child in ([] if acc.getRoleName() == "table" or depth > 8 else acc):
        found = child is not None and find(child, role, name, depth + 1)
        if found:
            return found
    return None


def press(acc):
    # Not waiting for the answer: a modal window gives it only once it is closed.
    subprocess.Popen(["gdbus", "call", "--address", BUS, "--dest", acc.app.bus_name, "--object-path", acc.path,
                      "--method", "org.a11y.atspi.Action.DoAction", "0"], stdout=subprocess.DEVNULL)


def shown(app, title):
    return [w for w in app if w is not None and w.name.startswith(title) and w.getState().contains(pyatspi.STATE_SHOWING)]


def physical_today(birth):
    n = (datetime.date.today() - birth).days
    value, tomorrow = (100 * math.sin(2 * math.pi * d / 23) for d in (n, n + 1))
    return f"{int(math.copysign(math.floor(abs(value) + 0.5), value))} % {'rising' if tomorrow > value else 'falling'}"


def main():
    failures = []
    app = find_app(lambda a: a.name == "Rorovovo")
    wait_for(lambda: find(app, "frame", " Biorhythms"))
    frame = app and find(app, "frame", " Biorhythms")
    if not frame:
        print("the main window never appeared")
        return 1
    chart = find(frame, "table", "Chart")
    if not chart or chart.queryTable().nRows != 351:
        failures.append("the stored profile's chart is not drawn")
    for box, text in (("name", "Wayland Tester"), ("day", "01"), ("month", "01"), ("year", "1990")):
        find(frame, "text", box).queryEditableText().setTextContents(text)
    press(find(frame, "push button", "draw bio"))
    if chart and not wait_for(lambda: chart.queryTable().getAccessibleAt(60, 1).name ==
                              physical_today(datetime.date(1990, 1, 1))):
        failures.append("the chart does not read the person typed and drawn")
    if "--keyboard" in sys.argv:
        subprocess.run(["xdotool", "mousemove", "400", "300", "key", "ctrl+k"])
        if not wait_for(lambda: shown(app, "Critical days")):
            failures.append("Ctrl+K on the keyboard opened no critical-days window")
        subprocess.run(["xdotool", "key", "Escape"])
        if not wait_for(lambda: not shown(app, "Critical days")):
            failures.append("Escape left the critical-days window open")
    for role, item, title in (("menu item", "Critical days...", "Critical days"),
                              ("menu item", "Compatibility...", "Compatibility"), ("menu item", "Planner...", "Planner"),
                              ("menu item", "Reminders...", "Reminders"),
                              ("menu item", "Biorhythms interpretation...", "     Rhythm's interpretation"),
                              ("push button", "about", "Rorovovo   (v"),
                              ("menu item", "Add new profile...", "Profile editor")):
        press(find(frame, role, item))
        if not wait_for(lambda: shown(app, title)):
            failures.append(f"{item} opened no window")
            continue
        close = find(shown(app, title)[0], "push button", "Close")
        if close:
            press(close)
            if not wait_for(lambda: not shown(app, title)):
                failures.append(f"{title}: Close left it open")
    press(find(frame, "menu item", "Exit"))
    if not wait_for(lambda: not find_app(lambda a: a.name == "Rorovovo", tries=1), 15):
        failures.append("Program > Exit did not end the program")
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
