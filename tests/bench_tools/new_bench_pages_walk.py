# The walk for program_new_bench_pages_speech.sh: the Bench window opened from
# the Weight page, then on each of the Ring Resizing, Alloying, Seed Beads and
# Bezel Strip pages a keyboard user's example and what Orca spoke of it; the
# pages' controls checked for their roles and names on the way (a list with a
# pick is named by its text, its caption reaching Orca as its label).
# Usage: <orca debug log>
import re
import sys
import time

import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, fail, finish, step, wait_for, window, xdo

log_path = sys.argv[1]
seen = 0


def spoken_lines():
    with open(log_path, errors="replace") as f:
        text = f.read()
    return re.findall(r"SPEECH OUTPUT: '(.*?)'\s*(?:voice=\w+\s*)?\{", text)


def mark():
    global seen
    seen = len(spoken_lines())


def hear(pattern, what, timeout=30):
    """Waits until Orca speaks a line matching the pattern after the mark."""
    global seen

    def spoken():
        for i, line in enumerate(spoken_lines()[seen:]):
            if re.search(pattern, line):
                return seen + i + 1
        return None

    found = wait_for(spoken, timeout, 0.1)
    if found is None:
        fail(f"{what}: Orca did not speak /{pattern}/; it said {spoken_lines()[seen:]}")
        return
    seen = found


def give_up(text):
    fail(text)
    finish()


def need(root, role, name, what):
    a = wait_for(lambda: atspi_helpers.find(root, role, name, shown=True, flags=re.I, depth=14), 5)
    if a is None:
        give_up(f"no {what} ({pyatspi.roleToString(role) if hasattr(pyatspi, 'roleToString') else role})")
    return a


def focus(a, what):
    a.queryComponent().grabFocus()
    if not wait_for(lambda: a.getState().contains(pyatspi.STATE_FOCUSED), 3):
        fail(f"{what} did not take the focus")


def enter(box, what, text):
    focus(box, what)
    xdo("key", "ctrl+a", "BackSpace")
    xdo("type", "--delay", "30", text)
    xdo("key", "Return")


def choose_page(root, name):
    # Qt's page tabs carry no selected state: the page's own controls showing
    # are the sign that it came up.
    atspi_helpers.click(need(root, pyatspi.ROLE_PAGE_TAB, f"^{name}$", f"{name} page tab"))


step("the Bench window, opened from the Weight page")
main = wait_for(lambda: window(MAIN), 20)
if main is None:
    give_up("the main window did not appear")
bring_to_front(MAIN)
weight_tab = need(main, pyatspi.ROLE_PAGE_TAB, r"^Weight$", "Weight page tab")
atspi_helpers.click(weight_tab)
atspi_helpers.click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^metal", "Metal button"))
bench = wait_for(lambda: window("Bench"), 5)
if bench is None:
    give_up("the Bench window did not open")
bring_to_front("Bench")

step("Ring Resizing: US 000 to 00, the length to add spoken")
choose_page(bench, "Ring Resizing")
for name in (r"^North America$", r"^Sterling silver$"):
    need(bench, pyatspi.ROLE_COMBO_BOX, name, name)
for name in (r"^Thickness in mm$", r"^Width in inches$", r"^Density in g/cm"):
    need(bench, pyatspi.ROLE_TEXT, name, name)
need(bench, pyatspi.ROLE_COMBO_BOX, r"^Ring size now$", "Ring size now list")
need(bench, pyatspi.ROLE_COMBO_BOX, r"^Ring size wanted$", "Ring size wanted list")
# The lists reached by their captions' Alt letters, the sizes picked with keys.
focus(need(bench, pyatspi.ROLE_TEXT, r"^Thickness in mm$", "Thickness box"), "Thickness")
now = need(bench, pyatspi.ROLE_COMBO_BOX, r"^Ring size now$", "Ring size now list")
xdo("key", "alt+n")
if not wait_for(lambda: now.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail("Alt+N did not reach the Ring size now list")
xdo("key", "Home")
wanted = need(bench, pyatspi.ROLE_COMBO_BOX, r"^Ring size wanted$", "Ring size wanted list")
xdo("key", "alt+w")
if not wait_for(lambda: wanted.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail("Alt+W did not reach the Ring size wanted list")
mark()
xdo("key", "Home")
time.sleep(0.5)
xdo("key", "Down")
# pi x (10.820 - 10.008) = 2.551 mm, 0.100 inch
hear(r"Length to add in mm 2\.55, Length to add in inches 0\.100", "the length to add")

step("Alloying: 10 g of 18 ct down to 14 ct")
choose_page(bench, "Alloying")
need(bench, pyatspi.ROLE_COMBO_BOX, r"^Lower the karat with alloy$", "Task list")
grams = need(bench, pyatspi.ROLE_TEXT, r"^Weight in grams$", "Weight box")
mark()
enter(grams, "Weight", "10")
karat = need(bench, pyatspi.ROLE_TEXT, r"^Gold's karat$", "Gold's karat box")
if not wait_for(lambda: karat.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail("Enter in the weight did not move on to the karat")
xdo("type", "--delay", "30", "18")
xdo("key", "Return")
xdo("type", "--delay", "30", "14")
xdo("key", "Return")
hear(r"Alloy to add in grams 2\.86, Resulting weight in grams 12\.86", "the alloy to add")

step("Seed Beads: 15/0 picked, its counts spoken")
choose_page(bench, "Seed Beads")
need(bench, pyatspi.ROLE_COMBO_BOX, r"^Loom or square stitch$", "Stitch list")
need(bench, pyatspi.ROLE_TEXT, r"^Grams to buy$", "Grams to buy box")
size = need(bench, pyatspi.ROLE_COMBO_BOX, r"^Bead size$", "Bead size list")
focus(size, "Bead size")
mark()
xdo("key", "Home")
hear(r"Beads per gram 250, Beads per 10 g tube 2500, Beads per inch 25\.4", "the 15/0 counts")

step("Bezel Strip: a 10 mm round stone, 0.3 mm strip")
choose_page(bench, "Bezel Strip")
need(bench, pyatspi.ROLE_COMBO_BOX, r"^Round$", "Stone shape list")
diameter = need(bench, pyatspi.ROLE_TEXT, r"^Diameter in mm$", "Diameter box")
mark()
enter(diameter, "Diameter", "10")
thickness = need(bench, pyatspi.ROLE_TEXT, r"^Strip thickness in mm$", "Strip thickness box")
if not wait_for(lambda: thickness.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail("Enter in the diameter did not move on to the thickness")
xdo("type", "--delay", "30", "0.3")
xdo("key", "Return")
# pi x (10 + 0.3) = 32.358 mm, 1.274 inches
hear(r"Strip length in mm 32\.36, Strip length in inches 1\.274", "the strip length")

finish("each new page's result was spoken")
