"""What the whole-program walks share: reading the running program through
the accessibility tree (AT-SPI), pressing keys and clicking through xdotool,
and collecting the failed steps so that one walk reports all of them.
The scripts find this module through PYTHONPATH (set by atspi_session in
tests/app/xvfb-env.sh)."""
import re
import subprocess
import sys
import time

import pyatspi

MAIN = "Orvane Version 2.0"
failures = []


def step(text):
    print(f"-- {text}", flush=True)


def fail(text):
    print(f"FAIL: {text}", flush=True)
    failures.append(text)


def finish(passed=None):
    """Ends the walk: non-zero when any step failed."""
    if failures:
        print(f"\n{len(failures)} step(s) failed")
        sys.exit(1)
    if passed:
        print(passed)
    sys.exit(0)


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


def wait_for(probe, timeout=10.0, interval=0.1):
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value or time.monotonic() > end:
            return value
        time.sleep(interval)


def has(a, state):
    return a.getState().contains(state)


def showing(a):
    return has(a, pyatspi.STATE_SHOWING)


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == "Orvane":
            return a
    return None


def top_windows():
    a = app()
    return [w for w in a if w is not None] if a else []


def windows(title):
    return [w for w in top_windows() if w.name == title and showing(w)]


def window(title):
    found = windows(title)
    return found[0] if found else None


def descendants(root, depth=12):
    # A table's cells are read through its table interface: chart tables hold
    # hundreds of them, so they are not walked.
    for child in root:
        if child is None:
            continue
        yield child
        if depth > 0 and child.getRole() != pyatspi.ROLE_TABLE:
            yield from descendants(child, depth - 1)


def find(root, role=None, name=None, *, shown=False, flags=0, depth=12):
    """The first descendant of that role whose name matches the pattern."""
    for a in descendants(root, depth):
        if role is not None and a.getRole() != role:
            continue
        if name is not None and not re.search(name, a.name or "", flags):
            continue
        if shown and not showing(a):
            continue
        return a
    return None


def extents(a):
    e = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def click(a):
    x, y, w, h = extents(a)
    xdo("mousemove", "--sync", x + w // 2, y + h // 2)
    xdo("click", "1")


def x_window(title):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def bring_to_front(title):
    # There is no window manager: raise and focus by hand, as a click on the
    # title bar would.
    wid = x_window(title)
    if wid:
        xdo("windowraise", wid)
        xdo("windowfocus", "--sync", wid)
        time.sleep(0.2)


def do_action(a, wanted):
    """Runs the object's action of that name ("Press", "Toggle"...); False
    when it has none."""
    try:
        act = a.queryAction()
    except NotImplementedError:
        return False
    for i in range(act.nActions):
        if act.getName(i).lower() == wanted.lower():
            return act.doAction(i)
    return False
