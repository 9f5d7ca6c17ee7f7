#!/usr/bin/env bash
# The worksheet as a blind user meets it, through the real screen reader
# (Orca, speech off, debug log on) over the real program under Xvfb:
# - a row typed with Tab: each box is named right as it gets the focus, also
#   where the row's step moves the focus on (Size MM, 8, Tab lands in the
#   count, and Orca names the count, not Size Inch);
# - after a kill -9 and Yes to restore, the notice "Unsaved worksheet
#   restored, ..." is spoken; the events Orca received for the restore are
#   counted and printed.
#
# Usage: program_worksheet_speech.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/xvfb-env.sh"
require_tools orca
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_orca_program EXIT

start_xvfb

start_orca

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 HOME="$work/home"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$work/start"

status=0
"$atspi_python" - "$work" "$orvane" <<'PY' || status=$?
import os, re, signal, subprocess, sys, time
import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, click, fail, finish, step, wait_for, window, xdo

work, orvane = sys.argv[1], sys.argv[2]
log_path = os.path.join(work, "orca.log")
program_log = open(os.path.join(work, "orvane.log"), "ab")


class Speech:
    """Orca's spoken lines, read on as the log grows."""

    def __init__(self, path):
        self.path = path
        self.seen = 0

    def text(self):
        with open(self.path, errors="replace") as f:
            return f.read()

    def lines(self):
        return re.findall(r"SPEECH OUTPUT: '(.*?)'\s*(?:voice=\w+\s*)?\{", self.text())

    def mark(self):
        self.seen = len(self.lines())

    def since(self):
        return self.lines()[self.seen:]

    def wait(self, pattern, what, timeout=15):
        def spoken():
            for i, line in enumerate(self.since()):
                if re.search(pattern, line):
                    return self.seen + i + 1
            return None
        found = wait_for(spoken, timeout, 0.1)
        if found is None:
            fail(f"{what}: Orca did not speak /{pattern}/; it said {self.since()}")
            return False
        self.seen = found
        return True


speech = Speech(log_path)


def launch():
    program = subprocess.Popen([orvane], cwd=os.path.join(work, "start"), stdout=program_log,
                               stderr=program_log)
    if wait_for(lambda: window(MAIN), 20) is None:
        fail("the main window did not appear")
        program.kill()
        finish()
    return program


def find(root, role, name):
    return atspi_helpers.find(root, role, name, shown=True, flags=re.I, depth=14)


def need(root, role, name, what):
    a = wait_for(lambda: find(root, role, name), 5)
    if a is None:
        fail(f"no {what}")
        finish()
    return a


def focused_name(root):
    for a in atspi_helpers.descendants(root, 14):
        if a.getRole() == pyatspi.ROLE_TEXT and a.getState().contains(pyatspi.STATE_FOCUSED):
            return a.name
    return None


def tab_and_hear(sheet, expected):
    """Tab; Orca's last focus speech must name the box that has the focus."""
    speech.mark()
    start = speech.seen
    xdo("key", "Tab")
    speech.wait(rf"^{expected}\b", f"Tab to {expected}")
    time.sleep(1.0)  # any later, stale focus speech has arrived by now
    print(f"   Orca said {speech.lines()[start:]}", flush=True)
    box = r"^(Description|Size MM|Size Inch|Number of Beads) row \d+"
    after = [line for line in speech.since() if re.search(box, line) and not line.startswith(expected)]
    if after:
        fail(f"after naming {expected!r} Orca went on to say {after}")
    has = focused_name(sheet)
    if has is None or has.lower() != expected.lower():
        fail(f"Orca said {expected!r}; the focus is in {has!r}")


def sheet_window():
    return next((w for w in atspi_helpers.top_windows() if re.match(r"^Bead Worksheet\*?$", w.name or "")
                 and atspi_helpers.showing(w)), None)


# ---- a row typed with Tab -------------------------------------------------
step("start-up")
program = launch()
main = window(MAIN)
bring_to_front(MAIN)
speech.wait(r"Orvane Version", "the main window coming to the front", 20)
click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^worksheet$", "Worksheet button"))
sheet = wait_for(sheet_window, 5)
if sheet is None:
    fail("the Worksheet button did not open the worksheet")
    finish()
speech.wait(r"Project Name", "the worksheet's focused box")

step("Size MM row 1, 8, Tab: the count row 1 is named")
mm = need(sheet, pyatspi.ROLE_TEXT, r"^size mm row 1$", "Size MM row 1")
mm.queryComponent().grabFocus()
wait_for(lambda: mm.getState().contains(pyatspi.STATE_FOCUSED), 3)
xdo("type", "--delay", "40", "8")
tab_and_hear(sheet, "Number of Beads row 1")
step("the count, Tab: Description row 2")
xdo("type", "--delay", "40", "25")
tab_and_hear(sheet, "Description row 2")
step("Size Inch row 2, 1/8, Tab: Number of Beads row 2")
inch = need(sheet, pyatspi.ROLE_TEXT, r"^size inch row 2$", "Size Inch row 2")
inch.queryComponent().grabFocus()
wait_for(lambda: inch.getState().contains(pyatspi.STATE_FOCUSED), 3)
xdo("type", "--delay", "40", "1/8")
tab_and_hear(sheet, "Number of Beads row 2")

# ---- the restore notice ---------------------------------------------------
step("more rows, then kill -9")
for k in range(3, 11):
    box = need(sheet, pyatspi.ROLE_TEXT, rf"^description row {k}$", f"Description row {k}")
    box.queryComponent().grabFocus()
    wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), 3)
    xdo("type", "--delay", "5", f"Row {k}\t4\t{k}")
time.sleep(2.5)  # written for recovery by now
program.send_signal(signal.SIGKILL)
program.wait()

step("started again, Yes to restore: the notice is spoken")
program = launch()
question = wait_for(lambda: atspi_helpers.x_window("Restore Worksheet"), 10)
if not question:
    fail("no Restore Worksheet question")
    finish()
bring_to_front("Restore Worksheet")
events_before = len(re.findall(r"OBJECT EVENT", speech.text()))
deluge_before = len(re.findall(r"deluge", speech.text(), re.I))
speech.mark()
xdo("key", "Return")
speech.wait(r"Unsaved worksheet restored, Total Length in Inches \d", "the restore notice")
time.sleep(1.0)
events = len(re.findall(r"OBJECT EVENT", speech.text())) - events_before
dropped = len(re.findall(r"deluge", speech.text(), re.I)) - deluge_before
print(f"restore: {events} object events reached Orca; {dropped} log lines about a deluge", flush=True)

program.send_signal(signal.SIGKILL)
program.wait()
finish("the worksheet's focus moves and the restore notice were spoken")
PY

check_accessibility_log || { [ "$status" -ne 0 ] || status=1; }
[ "$status" -eq 0 ] || [ -z "${ORVANE_KEEP_ORCA_LOG:-}" ] || cp "$work/orca.log" "$ORVANE_KEEP_ORCA_LOG"
show_program_output "$status"
exit "$status"
