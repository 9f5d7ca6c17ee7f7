#!/usr/bin/env bash
# Typed rows outlive the end of the program, in the real program under Xvfb:
# rows typed steadily, key after key without a pause, and then kill -9: every
# row finished more than 1.5 s before the kill is in the recovery file and
# comes back exactly after Yes at the next start. SIGTERM, SIGHUP and SIGINT
# 0.3 s after the last key: the program writes the rows at once and ends.
#
# Usage: program_worksheet_recovery.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

start_xvfb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 HOME="$work/home"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$work/start/Worksheet"
"$atspi_python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null

status=0
"$atspi_python" - "$work" "$orvane" <<'PY' || status=$?
import json, os, re, signal, subprocess, sys, threading, time
import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, click, descendants, extents, fail, find, showing, step, top_windows, wait_for, window, xdo
import worksheet_program
from worksheet_program import SHEET, ended, focus, open_sheet, sheet_window, text_of, typed_boxes, x_window_like

work, orvane = sys.argv[1], sys.argv[2]
start = os.path.join(work, "start")
folder = os.path.join(os.environ["XDG_STATE_HOME"], "Orvane")
recovery = os.path.join(folder, "worksheet-orvane.json")
log = open(os.path.join(work, "orvane.log"), "ab")
KEY_MS = 120  # a steady typist


def launch():
    return worksheet_program.launch(orvane, start, log)


def open_sheet_at_first_description():
    sheet = open_sheet()
    if sheet is None:
        return None
    focus(SHEET)
    click(typed_boxes(sheet)[1])
    return sheet


def row(k):
    # Description, size in mm (Tab lands in the count), count; Tab to the next row.
    return (f"Row {k}", "4", str(10 + k))


def type_rows(rows, finished):
    """Types the rows key by key at a steady pace; notes when each row ends."""
    for k in range(1, rows + 1):
        desc, mm, count = row(k)
        try:
            xdo("type", "--delay", KEY_MS, f"{desc}\t{mm}\t{count}\t")
        except subprocess.CalledProcessError:
            return  # the program went away under the keys
        finished.append((k, time.monotonic()))


def recovered_rows():
    try:
        with open(recovery, encoding="utf-8") as f:
            return json.load(f)["rows"]
    except (OSError, ValueError, KeyError):
        return None


def answer(title, keys):
    if not focus(f"^{title}$"):
        fail(f"no {title!r} question")
        return False
    xdo("key", keys)
    return bool(wait_for(lambda: x_window_like(f"^{title}$") is None, 5))


def discard_and_exit(program):
    focus(r"^Orvane Version 2\.0$")
    click(find(window(MAIN), role=pyatspi.ROLE_PUSH_BUTTON, name="^Exit$"))
    if x_window_like("^Unsaved Worksheet$") or wait_for(lambda: x_window_like("^Unsaved Worksheet$"), 2):
        answer("Unsaved Worksheet", "alt+d")
    if ended(program) is None:
        program.kill()
        program.wait()


# ---- steady typing, then kill -9 ------------------------------------------
step("rows typed steadily without a pause, then kill -9")
program = launch()
open_sheet_at_first_description()
finished = []
typist = threading.Thread(target=type_rows, args=(10, finished))
begun = time.monotonic()
typist.start()
time.sleep(4.5)
killed_at = time.monotonic()
program.send_signal(signal.SIGKILL)
program.wait()
typist.join()
safe = [k for k, at in finished if at < killed_at - 1.5]
print(f"rows finished at {[(k, round(at - begun, 2)) for k, at in finished]}, killed at "
      f"{killed_at - begun:.2f} s; rows to be kept: {safe}", flush=True)
if len(safe) < 2:
    fail(f"the typing was too slow to test: rows {safe} finished 1.5 s before the kill")
kept = recovered_rows()
if kept is None:
    fail(f"no readable recovery file {recovery} after the kill")
else:
    for k in safe:
        desc, mm, count = row(k)
        want = {"description": desc, "mm": mm, "inch": "", "beads": count}
        if kept[k - 1] != want:
            fail(f"row {k} kept as {kept[k - 1]}, typed as {want}")

step("the next start offers the rows back exactly")
program = launch()
if answer("Restore Worksheet", "Return"):
    sheet = wait_for(sheet_window, 5)
    if sheet is None:
        fail("after Yes no worksheet window is shown")
    else:
        for k in safe:
            desc, mm, count = row(k)
            got = [text_of(find(sheet, role=pyatspi.ROLE_TEXT, name=f"^{column} row {k}$"))
                   for column in ("Description", "Size MM", "Size Inch", "Number of Beads")]
            if got != [desc, mm, "", count]:
                fail(f"row {k} restored as {got}")
discard_and_exit(program)

# ---- logout and Ctrl+C ----------------------------------------------------
for name, number in (("SIGTERM", signal.SIGTERM), ("SIGHUP", signal.SIGHUP), ("SIGINT", signal.SIGINT)):
    step(f"{name} 0.3 s after the last key: the rows are written and the program ends")
    if os.path.exists(recovery):
        os.remove(recovery)
    program = launch()
    open_sheet_at_first_description()
    type_rows(1, [])
    xdo("type", "--delay", 20, "Last")
    time.sleep(0.3)
    program.send_signal(number)
    code = ended(program, 5)
    if code is None:
        fail(f"{name} did not end the program")
        program.kill()
        program.wait()
    elif code != 128 + number:
        fail(f"after {name} the program ended with {code}")
    kept = recovered_rows()
    if kept is None:
        fail(f"after {name} no readable recovery file")
    elif kept[0] != {"description": "Row 1", "mm": "4", "inch": "", "beads": "11"} or \
            kept[1]["description"] != "Last":
        fail(f"after {name} the recovery file holds {kept[:2]}")
    mode = os.stat(recovery).st_mode & 0o777 if os.path.exists(recovery) else None
    if mode is not None and mode != 0o600:
        fail(f"the recovery file is {oct(mode)}, not 0600")

atspi_helpers.finish("worksheet recovery: all passed")
PY

show_program_output "$status"
exit "$status"
