#!/usr/bin/env bash
# A German user at the real program: LANG=de_DE.UTF-8 and the German keyboard
# layout in the test's own X server. "2,5" typed in the converter's
# millimetre box is 2.5 mm, the keypad's decimal key (a comma on this layout)
# types the point too, and the desk calculator takes the comma as its point.
# The boxes are read through the accessibility tree (AT-SPI).
#
# Usage: program_decimal_comma.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools setxkbmap locale
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || { echo "SKIP: the de_DE.UTF-8 locale is not installed"; exit 77; }
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

start_xvfb
setxkbmap -layout de
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
start_atspi_program "$orvane" "$work/start"

status=0
"$atspi_python" - <<'PY' || status=$?
import re
import subprocess
import sys

import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, click, fail, finish, step, wait_for, window, xdo


def find(root, role=None, name=None):
    return atspi_helpers.find(root, role, name, flags=re.I)


def text_of(a):
    try:
        return a.queryText().getText(0, -1)
    except NotImplementedError:
        return a.name or ""


def expect(box, expected, what):
    got = wait_for(lambda: text_of(box) == expected, 5) and text_of(box)
    if got != expected:
        fail(f"{what}: the box shows {text_of(box)!r}, expected {expected!r}")


layout = subprocess.run(["setxkbmap", "-query"], capture_output=True, text=True).stdout
if not re.search(r"^layout:\s+de\b", layout, re.M):
    fail(f"the German layout is not set: {layout!r}")

main = wait_for(lambda: window(MAIN), 20)
if main is None:
    fail("the main window did not appear")
    finish()
mm = find(main, role=pyatspi.ROLE_TEXT, name=r"^millim")
inch = find(main, role=pyatspi.ROLE_TEXT, name=r"^inch")
if mm is None or inch is None:
    fail("the converter's Millimeters and Inches boxes were not found")
    finish()

step("converter: 2,5 typed on the German layout, then Enter")
bring_to_front(MAIN)
click(mm)
xdo("type", "--delay", "30", "2,5")
expect(mm, "2.5", "the comma typed in Millimeters")
xdo("key", "Return")
# 2.5 mm, not 25 mm (0.98425 in).
expect(inch, "0.09843", "Inches after 2,5 mm")

step("converter: the keypad's decimal key")
click(mm)
xdo("key", "ctrl+a", "BackSpace")
xdo("key", "--delay", "30", "KP_2", "KP_Separator", "KP_5", "Return")
expect(mm, "2.5", "the keypad's decimal key in Millimeters")
expect(inch, "0.09843", "Inches after the keypad's 2,5 mm")

step("desk calculator: 2,5 * 2 =")
bring_to_front(MAIN)
button = find(main, role=pyatspi.ROLE_PUSH_BUTTON, name=r"^math calculator$")
if button is None:
    fail("the main window has no Math Calculator button")
    finish()
click(button)
calc = wait_for(lambda: window("Calculator"), 5)
if calc is None:
    fail("the calculator did not open")
    finish()
bring_to_front("Calculator")
keypad = find(calc, role=pyatspi.ROLE_PANEL, name=r"^calculator$")
if keypad is not None:
    keypad.queryComponent().grabFocus()
xdo("type", "--delay", "30", "2,5*2")
xdo("key", "Return")
display = find(calc, role=pyatspi.ROLE_TEXT)


def shown():
    return (text_of(display) if display is not None else "").strip()


if display is None:
    fail("the calculator's display was not found")
elif not wait_for(lambda: shown() == "5", 5):
    fail(f"the calculator shows {shown()!r} after 2,5*2=, expected '5'")

finish("decimal comma: typed and keypad in the converter, typed in the calculator")
PY
show_program_output "$status"
exit "$status"
