"""What the whole-program worksheet walks share: starting the real program
and waiting for its main window, finding and focusing windows without a
window manager, and the worksheet's typed boxes in reading order."""
import re
import subprocess
import sys
import time

import pyatspi

from atspi_helpers import MAIN, click, descendants, extents, fail, find, showing, top_windows, wait_for, window, xdo

SHEET = r"^Bead Worksheet\*?$"  # the mark shows while rows are unsaved


def launch(orvane, start, log):
    """The program started from the folder `start`, its output in `log`;
    the walk ends when its main window does not appear."""
    program = subprocess.Popen([orvane], cwd=start, stdout=log, stderr=log)
    if wait_for(lambda: window(MAIN), 20) is None:
        fail("the main window did not appear")
        program.kill()
        sys.exit(1)
    return program


def ended(program, timeout=10):
    try:
        return program.wait(timeout)
    except subprocess.TimeoutExpired:
        return None


def x_window_like(pattern):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def focus(pattern):
    # No window manager: raise and focus by hand, as a click would.
    wid = wait_for(lambda: x_window_like(pattern), 5)
    if not wid:
        return False
    xdo("windowraise", wid)
    xdo("windowfocus", "--sync", wid)
    time.sleep(0.3)
    return True


def sheet_window():
    return next((w for w in top_windows() if re.match(SHEET, w.name or "") and showing(w)), None)


def text_of(a):
    try:
        return a.queryText().getText(0, -1)
    except NotImplementedError:
        return a.name or ""


def typed_boxes(sheet):
    # The project name, then per row description, millimetres, inches, count.
    boxes = [a for a in descendants(sheet) if a.getRole() == pyatspi.ROLE_TEXT
             and a.getState().contains(pyatspi.STATE_EDITABLE) and showing(a)]
    boxes.sort(key=lambda a: (extents(a)[1], extents(a)[0]))
    return boxes


def open_sheet():
    """The worksheet, opened from the main window's Worksheet button."""
    focus(r"^Orvane Version 2\.0$")
    button = find(window(MAIN), role=pyatspi.ROLE_PUSH_BUTTON, name="^Worksheet$")
    if button is None:
        fail("the main window has no Worksheet button")
        return None
    click(button)
    sheet = wait_for(sheet_window, 5)
    if sheet is None:
        fail("the Worksheet button did not show the worksheet")
    return sheet
