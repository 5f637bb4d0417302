#!/usr/bin/python3
"""Uses the running program through its accessibility objects, as on a desktop where no window can be driven from
outside (Wayland): the main window and its chart, a profile drawn, every window opened and the ones with a Close
button closed, then Program > Exit. With --keyboard it also types Ctrl+K and Escape on the display's keyboard
(xdotool on the X display the compositor runs in). Prints what failed; exits 1 on any failure."""
import datetime
import math
import subprocess
import sys
import time

import pyatspi

failures = []


def wait_for(find, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            found = find()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def descendant(acc, role, name, depth=0):
    try:
        if acc.getRoleName() == role and (name is None or acc.name == name):
            return acc
        if acc.getRoleName() == "table" or depth > 8:
            return None
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            found = child is not None and descendant(child, role, name, depth + 1)
            if found:
                return found
    except Exception:
        pass
    return None


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Rorovovo":
            return app
    return None


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount) if app.getChildAtIndex(i) is not None]


A11Y_BUS = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
                           "org.a11y.Bus.GetAddress"], capture_output=True, text=True).stdout.strip()


def press(acc):
    # Without waiting for the answer: a modal window answers only once it is closed.
    subprocess.Popen(["gdbus", "call", "--address", A11Y_BUS, "--dest", acc.app.bus_name, "--object-path", acc.path,
                      "--method", "org.a11y.atspi.Action.DoAction", "0", "--timeout", "60"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def physical_today(birth):
    n = (datetime.date.today() - birth).days
    value = 100 * math.sin(2 * math.pi * n / 23)
    rising = 100 * math.sin(2 * math.pi * (n + 1) / 23) > value
    return f"{int(math.copysign(math.floor(abs(value) + 0.5), value))} % {'rising' if rising else 'falling'}"


def main():
    keyboard = "--keyboard" in sys.argv
    app = wait_for(program, 20)
    main_window = app and wait_for(lambda: descendant(app, "frame", " Biorhythms"))
    if not main_window:
        print("the main window never appeared")
        return 1
    chart = wait_for(lambda: descendant(main_window, "table", "Chart"))
    if not chart or chart.queryTable().nRows != 351:
        failures.append("the stored profile's chart is not drawn")

    # A person typed in and drawn.
    for box, text in (("name", "Wayland Tester"), ("day", "01"), ("month", "01"), ("year", "1990")):
        field = descendant(main_window, "text", box)
        if field is None:
            failures.append(f"no {box} box")
            continue
        field.queryEditableText().setTextContents(text)
    press(descendant(main_window, "push button", "draw bio"))
    want = physical_today(datetime.date(1990, 1, 1))
    if chart and not wait_for(lambda: chart.queryTable().getAccessibleAt(60, 1).name == want):
        failures.append(f"after drawing 01.01.1990 the chart reads {chart.queryTable().getAccessibleAt(60, 1).name!r}, "
                        f"expected {want!r}")

    if keyboard:
        subprocess.run(["xdotool", "mousemove", "400", "300"])
        subprocess.run(["xdotool", "key", "ctrl+k"])
        critical = wait_for(lambda: [w for w in windows(app) if w.name == "Critical days"])
        if not critical:
            failures.append("Ctrl+K on the keyboard opened no critical-days window")
        subprocess.run(["xdotool", "key", "Escape"])
        if not wait_for(lambda: not [w for w in windows(app) if w.name == "Critical days"
                                     and w.getState().contains(pyatspi.STATE_SHOWING)]):
            failures.append("Escape left the critical-days window open")

    # Every window: opened from its menu item; those with a Close button closed with it.
    for item, title in (("Critical days...", "Critical days"), ("Compatibility...", "Compatibility"),
                        ("Planner...", "Planner"), ("Reminders...", "Reminders"),
                        ("Biorhythms interpretation...", "     Rhythm's interpretation"),
                        ("Add new profile...", "Profile editor")):
        menu_item = descendant(main_window, "menu item", item)
        if menu_item is None:
            failures.append(f"no menu item {item!r}")
            continue
        press(menu_item)
        window = wait_for(lambda: [w for w in windows(app) if w.name.startswith(title)
                                   and w.getState().contains(pyatspi.STATE_SHOWING)])
        if not window:
            failures.append(f"{item} opened no window {title!r}")
            continue
        close = descendant(window[0], "push button", "Close")
        if close is not None:
            press(close)
            if not wait_for(lambda: not window[0].getState().contains(pyatspi.STATE_SHOWING)):
                failures.append(f"{title}: Close left it open")

    press(descendant(main_window, "menu item", "Exit"))
    if not wait_for(lambda: program() is None, 15):
        failures.append("Program > Exit did not end the program")
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
