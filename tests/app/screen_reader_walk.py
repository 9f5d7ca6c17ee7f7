# The walk for program_screen_reader.sh: a keyboard user's steps through the
# converter, the Weight and Bead pages, the Bench window (a list pick, Ctrl+Tab
# from a list, a missing input) and the desk calculator, each followed by what
# Orca spoke. Usage: <orca debug log>
import re
import sys
import time

import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, fail, finish, step, wait_for, window, xdo
from orca_speech import Speech

log_path = sys.argv[1]


speech = Speech(log_path)


def give_up(text):
    fail(text)
    finish()


def find(root, role, name):
    return atspi_helpers.find(root, role, name, shown=True, flags=re.I, depth=14)


def need(root, role, name, what):
    a = wait_for(lambda: find(root, role, name), 5)
    if a is None:
        give_up(f"no {what}")
    return a


def labelled_list(root, caption, what):
    """A list, by its name or by the caption that labels it (a list may be
    named by its current item)."""
    def probe():
        for a in atspi_helpers.descendants(root, depth=14):
            if a.getRole() != pyatspi.ROLE_COMBO_BOX or not atspi_helpers.showing(a):
                continue
            if re.search(caption, a.name or "", re.I):
                return a
            for relation in a.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    for i in range(relation.getNTargets()):
                        if re.search(caption, relation.getTarget(i).name or "", re.I):
                            return a
        return None
    a = wait_for(probe, 5)
    if a is None:
        give_up(f"no {what}")
    return a


def focus(a, what):
    a.queryComponent().grabFocus()
    if not wait_for(lambda: a.getState().contains(pyatspi.STATE_FOCUSED), 3):
        fail(f"{what} did not take the focus")


def enter(box, what, text, key="Return"):
    """Into the box, a fresh text, then Enter (or the key given)."""
    focus(box, what)
    xdo("key", "ctrl+a", "BackSpace")
    speech.mark()
    xdo("type", "--delay", "30", text)
    xdo("key", key)


def choose_page(main, name):
    tab = need(main, pyatspi.ROLE_PAGE_TAB, f"^{name}$", f"{name} page tab")
    atspi_helpers.click(tab)
    wait_for(lambda: tab.getState().contains(pyatspi.STATE_SELECTED), 3)


step("start-up: Orca speaks the main window")
main = wait_for(lambda: window(MAIN), 20)
if main is None:
    give_up("the main window did not appear")
bring_to_front(MAIN)
speech.wait(r"Orvane Version", "the main window coming to the front", 20)

step("converter: 4 mm, Enter")
mm = need(main, pyatspi.ROLE_TEXT, r"^millimeters$", "Millimeters box")
enter(mm, "Millimeters", "4")
speech.wait(r"Inches 0\.15748, Pearl Plate 31 - 32, Stone Size 16 - 17", "4 mm converted")

step("converter: Enter again speaks the same results again")
speech.mark()
xdo("key", "Return")
speech.wait(r"Inches 0\.15748, Pearl Plate 31 - 32, Stone Size 16 - 17", "the same conversion again")

step("Weight page: 2 troy ounces, Enter")
choose_page(main, "Weight")
troy = need(main, pyatspi.ROLE_TEXT, r"^troy ounces$", "Troy Ounces box")
enter(troy, "Troy Ounces", "2")
speech.wait(r"Grams 62\.2070", "2 troy ounces converted")

step("Bead page: 4 mm, Tab")
choose_page(main, "Bead Calculator")
bead_mm = need(main, pyatspi.ROLE_TEXT, r"^bead or stone size in millimeters$", "bead size box")
enter(bead_mm, "bead size in millimeters", "4", key="Tab")
speech.wait(r"Beads per inch \d", "the bead size worked out")

step("Metal Calculator: 1 mm wire, 100 mm long")
choose_page(main, "Weight")
speech.mark()
atspi_helpers.click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^metal", "Metal button"))
metal = wait_for(lambda: window("Bench"), 5)
if metal is None:
    give_up("the Metal Calculator did not open")
bring_to_front("Bench")
# Orca takes events only from the active window: type once it says so.
speech.wait(r"Bench", "the Bench window coming to the front")
length = need(metal, pyatspi.ROLE_TEXT, r"^length in mm$", "Metal Calculator length box")
across = need(metal, pyatspi.ROLE_TEXT, r"in mm$", "Metal Calculator diameter box")
enter(across, "diameter", "1")
# The diameter's own result first: a key still on its way while the focus
# moves over the accessibility bus would land in the length box.
speech.wait(r"in inches 0\.03937", "the diameter worked out")
enter(length, "length", "100")
speech.wait(r"Grams \d+\.\d+.*Troy ounces \d", "the wire's weight")
speech.report_events("length typed")

step("Bench: a shape picked from its list is heard with the results it changed")
# The caption's Alt letter takes the caret into the list, as a user would.
labelled_list(metal, r"^shape$", "Shape list")
speech.mark()
xdo("key", "alt+h")
speech.wait(r"Shape", "Alt+H into the Shape list")
speech.mark()
xdo("key", "Down")
speech.wait(r"Shape Square wire, Volume \(mm.\) \d", "the picked shape with its volume")
speech.report_events("shape picked")

step("Bench: Ctrl+Tab from a list turns the page")
labelled_list(metal, r"^metal$", "Metal list")
speech.mark()
xdo("key", "alt+m")
speech.wait(r"Metal", "Alt+M into the Metal list")
speech.mark()
xdo("key", "ctrl+Tab")
speech.wait(r"Model weight", "the Casting page's first box after Ctrl+Tab")
speech.report_events("Ctrl+Tab")

step("Bench: Pricing with hours but no rate says what is missing")
choose_page(metal, "Pricing")
hours = need(metal, pyatspi.ROLE_TEXT, r"^labour hours$", "Labour hours box")
enter(hours, "labour hours", "2")
speech.wait(r"Enter the hourly rate", "the missing hourly rate")
speech.report_events("hours typed without a rate")

step("calculator: 12 * 3 =")
bring_to_front(MAIN)
speech.mark()
xdo("key", "F9")
calc = wait_for(lambda: window("Calculator"), 5)
if calc is None:
    give_up("F9 did not open the calculator")
bring_to_front("Calculator")
keypad = need(calc, pyatspi.ROLE_PANEL, r"^calculator$", "calculator keypad")
focus(keypad, "the calculator")
speech.mark()
xdo("type", "--delay", "60", "12*3")
xdo("key", "Return")
speech.wait(r"^notification 36\.?$", "12 * 3 =")

step("calculator memory: M+, CE, MR, MC")
speech.mark()
xdo("key", "ctrl+p")
speech.wait(r"Memory 36", "M+")
xdo("key", "Delete")
speech.wait(r"^notification 0\.?$", "CE")
xdo("key", "ctrl+r")
speech.wait(r"^notification 36\.?$", "MR")
xdo("key", "ctrl+l")
speech.wait(r"Memory cleared", "MC")

step("calculator: 7, Esc, F9 again; nothing old is spoken on opening")
speech.mark()
xdo("type", "7")
speech.wait(r"^notification 7\.?$", "7")
xdo("key", "Escape")
if not wait_for(lambda: window("Calculator") is None, 5):
    fail("Esc did not close the calculator")
bring_to_front(MAIN)
speech.mark()
reopened_at = speech.seen
xdo("key", "F9")
if wait_for(lambda: window("Calculator"), 5) is None:
    give_up("F9 did not open the calculator again")
time.sleep(3)  # long enough for Orca to read out whatever the window shows
stale = [line for line in speech.lines()[reopened_at:] if re.search(r"^notification (7|0)\.?$", line)]
if stale:
    fail(f"opening the calculator again, Orca repeated {stale}")
xdo("key", "Escape")

step("worksheet: opened, Orca speaks the window and its focused box, nothing selected")
bring_to_front(MAIN)
speech.mark()
opened_at = speech.seen
atspi_helpers.click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^worksheet$", "Worksheet button"))
if wait_for(lambda: window("Bead Worksheet"), 5) is None:
    give_up("the Worksheet button did not open the worksheet")
speech.wait(r"Project Name", "the worksheet's focused box")
stray = [line for line in speech.lines()[opened_at:speech.seen] if re.search(r"\bselected\b", line)]
if stray:
    fail(f"opening the worksheet, Orca said {stray}")

step("worksheet: a row's size, Enter; then Clear All")
sheet = window("Bead Worksheet")
row_mm = need(sheet, pyatspi.ROLE_TEXT, r"^size mm row 1$", "worksheet row 1 size box")
enter(row_mm, "worksheet row 1 size", "12")
speech.wait(r"Beads per Inch row 1 2\.12", "row 1 worked out")
speech.mark()
atspi_helpers.click(need(sheet, pyatspi.ROLE_PUSH_BUTTON, r"^clear all$", "Clear All button"))
speech.wait(r"Worksheet cleared", "Clear All")

finish("every result was spoken")
