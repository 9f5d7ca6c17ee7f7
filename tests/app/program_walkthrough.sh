#!/usr/bin/env bash
# A user's walk through the real program under Xvfb: a size conversion in the
# converter, each secondary window opened and closed with Esc, a worksheet
# saved to a file, and the Exit button. Keys and clicks go through xdotool;
# the boxes are read through the accessibility tree (AT-SPI). Every step is
# mandatory: a missing window, box or button fails the walk.
#
# Usage: program_walkthrough.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools xprop
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

# The program's start folder decides where the worksheet dialogs open.
mkdir -p "$work/start/Worksheet"
start_atspi_program "$orvane" "$work/start"

status=0
"$atspi_python" - "$work" "$orvane_pid" <<'PY' || status=$?
import os, re, subprocess, sys, time
import pyatspi

import atspi_helpers
from atspi_helpers import (MAIN, bring_to_front, click, descendants, extents, fail, step, top_windows, wait_for,
                           window, x_window, xdo)

work, orvane_pid = sys.argv[1], int(sys.argv[2])


def find(root, role=None, name=None):
    return atspi_helpers.find(root, role, name, flags=re.I)


def text_of(a):
    try:
        return a.queryText().getText(0, -1)
    except NotImplementedError:
        pass
    inner = find(a, role=pyatspi.ROLE_TEXT)
    if inner is not None:
        return text_of(inner)
    return a.name or ""


def press_in_main(button_name):
    bring_to_front(MAIN)
    main = window(MAIN)
    button = find(main, role=pyatspi.ROLE_PUSH_BUTTON, name=f"^{re.escape(button_name)}$")
    if button is None:
        fail(f"the main window has no {button_name} button")
        return False
    click(button)
    return True


def type_keys(text):
    xdo("type", "--delay", "20", text)


def key(name):
    xdo("key", name)


# ---- start: the main window alone, with the program's icon ----------------
step("start-up")
main = wait_for(lambda: window(MAIN), 20)
if main is None:
    fail("the main window did not appear")
    sys.exit(1)
others = [w.name for w in top_windows() if w.getState().contains(pyatspi.STATE_SHOWING) and w.name != MAIN]
if others:
    fail(f"windows other than the main window are shown at start: {others}")
wid = wait_for(lambda: x_window(MAIN), 5)
icon = subprocess.run(["xprop", "-id", wid, "_NET_WM_ICON"], capture_output=True, text=True).stdout
if "not found" in icon or "=" not in icon:
    fail("the main window has no icon")

# ---- converter: 2.3 mm and Enter -------------------------------------------
step("converter: 2.3 and Enter in the millimetre box")
mm = find(main, role=pyatspi.ROLE_TEXT, name=r"^millim")
if mm is None:
    fail("the converter has no box named Millimeters in the main window")
else:
    inch = find(main, role=pyatspi.ROLE_TEXT, name=r"^inch")
    pearl = find(main, role=pyatspi.ROLE_COMBO_BOX, name=r"pearl")
    stone = find(main, role=pyatspi.ROLE_COMBO_BOX, name=r"stone")
    bring_to_front(MAIN)
    click(mm)
    type_keys("2.3")
    key("Return")
    if inch is None:
        fail("no box named Inches beside the millimetre box")
    else:
        got = wait_for(lambda: text_of(inch) == "0.09055", 5) and text_of(inch)
        if got != "0.09055":
            fail(f"inch box shows {text_of(inch)!r}, expected '0.09055'")
    for box, label, expected in ((pearl, "pearl plate", "16 - 17"), (stone, "stone size", "7 - 8")):
        if box is None:
            fail(f"no {label} box in the converter")
        elif text_of(box).strip() != expected:
            fail(f"{label} box shows {text_of(box)!r}, expected {expected!r}")
    if text_of(mm) != "2.3":
        fail(f"millimetre box changed to {text_of(mm)!r}")


# ---- each secondary window: open from the main window, close with Esc ------
def has_close_button(w):
    return find(w, role=pyatspi.ROLE_PUSH_BUTTON, name=r"^close$") is not None


def has_any_control(w):
    return any(True for _ in descendants(w, 1))


secondary = [
    ("Fractions", "Fractions and Stone Size", has_close_button, "has no Close button"),
    ("Worksheet", "Bead Worksheet", has_close_button, "has no Close button"),
    ("Math Calculator", "Calculator", has_any_control, "holds no calculator"),
    ("Help", "Help", has_close_button, "has no Close button"),
]
for button, title, complete, missing in secondary:
    step(f"{title}: open and close with Esc")
    if not press_in_main(button):
        continue
    w = wait_for(lambda: window(title), 5)
    if w is None or not wait_for(lambda: x_window(title), 5):
        fail(f"the {button} button did not show the window {title!r}")
        continue
    if not complete(w):
        fail(f"the window {title!r} {missing}")
    bring_to_front(title)
    key("Escape")
    if not wait_for(lambda: window(title) is None and x_window(title) is None, 5):
        fail(f"Esc did not close the window {title!r}")
    if window(MAIN) is None:
        fail(f"closing {title!r} hid the main window")

# ---- worksheet: fill a row, save, compare the file's bytes -----------------
step("worksheet: save to a file")
press_in_main("Worksheet")
sheet = wait_for(lambda: window("Bead Worksheet"), 5)
save = sheet and find(sheet, role=pyatspi.ROLE_PUSH_BUTTON, name=r"^save$")
if not sheet:
    fail("the Worksheet button did not show the worksheet")
elif not save:
    fail("the worksheet window has no Save button")
else:
    bring_to_front("Bead Worksheet")
    # The typed boxes in reading order: the project name, then per row the
    # description, millimetres, inches and number of beads.
    boxes = [a for a in descendants(sheet) if a.getRole() == pyatspi.ROLE_TEXT
             and a.getState().contains(pyatspi.STATE_EDITABLE)
             and a.getState().contains(pyatspi.STATE_SHOWING)]
    boxes.sort(key=lambda a: (extents(a)[1], extents(a)[0]))
    if len(boxes) < 5:
        fail(f"the worksheet shows {len(boxes)} typed boxes, expected the project name and the rows")
    else:
        project, desc1, mm1, _inch1, nob1 = boxes[:5]
        click(project)
        type_keys("Walkthrough")
        click(desc1)
        type_keys("Crystal rondelle")
        click(mm1)
        type_keys("4")
        key("Tab")  # leaving the size box puts the focus into the count box
        type_keys("36")
        if text_of(nob1) != "36":
            fail(f"the bead count went elsewhere: count box shows {text_of(nob1)!r}")
        target = os.path.join(work, "start", "Worksheet", "walk")
        click(save)
        if not wait_for(lambda: x_window("Save Bead Worksheet"), 5):
            fail("Save did not open the 'Save Bead Worksheet' dialog")
        else:
            bring_to_front("Save Bead Worksheet")
            key("ctrl+a")  # the name field may propose a name: replace it
            type_keys(target)
            key("Return")
            if not wait_for(lambda: x_window("Information"), 5):
                fail("no 'Information' box after saving")
            else:
                bring_to_front("Information")
                key("Return")
            saved = target + ".bws"
            if not wait_for(lambda: os.path.exists(saved), 5):
                fail(f"{saved} was not written")
            else:
                expected = b"Walkthrough\r\n1\tCrystal rondelle\t4\t\t36\r\n" + b"".join(
                    b"%d\t\t\t\t\r\n" % k for k in range(2, 11))
                got = open(saved, "rb").read()
                if got != expected:
                    fail(f"saved file is {got!r}, expected {expected!r}")
    # Saved, the title names the file.
    titled = "walk.bws - Bead Worksheet"
    if not wait_for(lambda: x_window(titled), 5):
        fail(f"the saved worksheet's window is not titled {titled!r}")
    bring_to_front(titled)
    key("Escape")
    wait_for(lambda: window(titled) is None, 5)

# ---- exit ------------------------------------------------------------------
step("Exit button")
press_in_main("Exit")

atspi_helpers.finish()
PY

# The Exit button must end the program by itself, with exit code 0.
code=""
for _ in $(seq 100); do
  if ! kill -0 "$orvane_pid" 2>/dev/null; then
    wait "$orvane_pid" && code=0 || code=$?
    break
  fi
  sleep 0.1
done
if [ -z "$code" ]; then
  echo "FAIL: the program did not end after the Exit button"
  status=1
elif [ "$code" -ne 0 ]; then
  echo "FAIL: the program ended with exit code $code"
  status=1
else
  echo "-- the program ended with exit code 0"
fi
show_program_output "$status"
exit "$status"
