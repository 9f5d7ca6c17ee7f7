#!/usr/bin/env bash
# Typed rows are not lost, in the real program under Xvfb: Exit with unsaved
# rows asks (Esc cancels and keeps the program and the rows, Discard ends it,
# Save runs the save dialog, writes the file and ends), and a program killed
# with kill -9 two seconds after a row was typed offers the row back at the
# next start; after Yes the worksheet holds it, read through the
# accessibility tree. The questions are answered with keys, as a user would.
#
# Usage: program_unsaved_worksheet.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

# Each run is started by the walk itself; the recovery file lands in
# $XDG_STATE_HOME (a folder under $work, set by start_xvfb).
start_xvfb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 HOME="$work/home"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$work/start/Worksheet"
"$atspi_python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null

status=0
"$atspi_python" - "$work" "$orvane" <<'PY' || status=$?
import os, re, signal, subprocess, sys, time
import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, click, descendants, extents, fail, find, showing, step, top_windows, wait_for, window, xdo
import worksheet_program
from worksheet_program import SHEET, ended, focus, open_sheet, sheet_window, text_of, typed_boxes, x_window_like

work, orvane = sys.argv[1], sys.argv[2]
start = os.path.join(work, "start")
recovery = os.path.join(os.environ["XDG_STATE_HOME"], "Orvane", "worksheet-orvane.json")
log = open(os.path.join(work, "orvane.log"), "ab")


def launch():
    return worksheet_program.launch(orvane, start, log)


def type_row(project, desc, mm, count):
    sheet = open_sheet()
    if sheet is None:
        return None
    focus(SHEET)
    boxes = typed_boxes(sheet)
    if len(boxes) < 5:
        fail(f"the worksheet shows {len(boxes)} typed boxes")
        return None
    for box, text in ((boxes[0], project), (boxes[1], desc), (boxes[2], mm)):
        click(box)
        xdo("type", "--delay", "20", text)
    xdo("key", "Tab")  # leaving the size box lands in the count box
    xdo("type", "--delay", "20", count)
    return sheet


def press_exit():
    focus(r"^Orvane Version 2\.0$")
    click(find(window(MAIN), role=pyatspi.ROLE_PUSH_BUTTON, name="^Exit$"))


def answer_question(keys, title="Unsaved Worksheet"):
    if not focus(f"^{title}$"):
        fail(f"no {title!r} question")
        return False
    xdo("key", keys)
    if not wait_for(lambda: x_window_like(f"^{title}$") is None, 5):
        fail(f"the key {keys} did not answer the {title!r} question")
        return False
    return True


# ---- Exit asks: Esc cancels, Discard ends ----------------------------------
step("Exit with unsaved rows asks; Esc keeps the program and the rows")
program = launch()
sheet = type_row("Unsaved", "Crystal", "4", "36")
press_exit()
answer_question("Escape")
if ended(program, 1) is not None:
    fail("Cancel ended the program")
if sheet is not None:
    boxes = typed_boxes(sheet)
    if [text_of(b) for b in boxes[:2]] != ["Unsaved", "Crystal"]:
        fail(f"after Cancel the worksheet shows {[text_of(b) for b in boxes[:5]]}")
if not wait_for(lambda: os.path.exists(recovery), 3):
    fail(f"the unsaved rows were not kept in {recovery}")

step("Discard ends the program and leaves no recovery file")
press_exit()
answer_question("alt+d")
code = ended(program)
if code != 0:
    fail(f"after Discard the program ended with {code}")
if os.path.exists(recovery):
    fail("a normal Exit left the recovery file behind")

# ---- Save saves, then ends -------------------------------------------------
step("Exit, Save: the save dialog, the file, the end")
program = launch()
type_row("Saved on exit", "Pearl", "6", "20")
press_exit()
if answer_question("Return"):  # Save is the default button
    if not focus("^Save Bead Worksheet$"):
        fail("Save did not open the save dialog")
    else:
        target = os.path.join(start, "Worksheet", "on-exit")
        xdo("key", "ctrl+a")
        xdo("type", "--delay", "10", target)
        xdo("key", "Return")
        code = ended(program)
        if code != 0:
            fail(f"after saving the program ended with {code}")
        expected = b"Saved on exit\r\n1\tPearl\t6\t\t20\r\n" + b"".join(b"%d\t\t\t\t\r\n" % k for k in range(2, 11))
        got = open(target + ".bws", "rb").read() if os.path.exists(target + ".bws") else None
        if got != expected:
            fail(f"the saved file is {got!r}, expected {expected!r}")
if program.poll() is None:
    program.kill()
    program.wait()

# ---- kill -9, then the rows come back --------------------------------------
step("killed two seconds after a row was typed")
program = launch()
type_row("After a crash", "Seed beads", "4", "12")
time.sleep(2)
program.send_signal(signal.SIGKILL)
program.wait()

step("the next start offers the row back; Yes opens the worksheet with it")
program = launch()
if answer_question("Return", "Restore Worksheet"):  # Yes is the default
    sheet = wait_for(sheet_window, 5)
    if sheet is None:
        fail("after Yes no worksheet window is shown")
    else:
        if sheet.name != "Bead Worksheet*":
            fail(f"the restored worksheet is titled {sheet.name!r}, not marked unsaved")
        got = [text_of(b) for b in typed_boxes(sheet)[:5]]
        if got != ["After a crash", "Seed beads", "4", "", "12"]:
            fail(f"the restored worksheet shows {got}")
        length = find(sheet, role=pyatspi.ROLE_TEXT, name="^Length Inches row 1$")
        if length is None or text_of(length) != "1.89":
            fail(f"the restored row's length is {length and text_of(length)!r}, expected '1.89'")
    press_exit()
    answer_question("alt+d")
    if ended(program) != 0:
        fail("the program did not end after Discard")
    if os.path.exists(recovery):
        fail("the recovery file is still there after a normal Exit")
if program.poll() is None:
    program.kill()
    program.wait()

atspi_helpers.finish("unsaved worksheet: all passed")
PY

show_program_output "$status"
exit "$status"
