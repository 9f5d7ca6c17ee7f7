# The walk for program_screen_reader_german.sh: a German user's first steps
# with Orca (the converter, the Weight page, the desk calculator), each result
# heard in German. What German says is read from the translation file, so the
# walk follows the translators' words.
# Usage: <orca debug log> <German .ts>
import re
import sys

import pyatspi

import atspi_helpers
from atspi_helpers import bring_to_front, fail, finish, step, wait_for, xdo
from orca_speech import Speech
from ts_texts import pattern, read_translations

speech = Speech(sys.argv[1])
german = read_translations(sys.argv[2])


def say(*english):
    return pattern(german, *english)


def find(root, role, name):
    return wait_for(lambda: atspi_helpers.find(root, role, name, shown=True, flags=re.I, depth=14), 5)


def main_window():
    for w in atspi_helpers.top_windows():
        if w.name.startswith("Orvane") and atspi_helpers.showing(w):
            return w
    return None


def enter(box, text):
    box.queryComponent().grabFocus()
    wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), 3)
    xdo("key", "ctrl+a", "BackSpace")
    speech.mark()
    xdo("type", "--delay", "30", text)
    xdo("key", "Return")


step("start-up: Orca speaks the German main window")
main = wait_for(main_window, 20)
if main is None:
    fail("the main window did not appear")
    finish()
bring_to_front(main.name)
speech.wait(r"Orvane", "the main window coming to the front")

step("converter: 4 mm, Enter")
mm = find(main, pyatspi.ROLE_TEXT, f"^{say('millimeters', 'Millimeters')}$")
if mm is None:
    fail(f"no box named /{say('millimeters', 'Millimeters')}/")
else:
    enter(mm, "4")
    speech.wait(f"{say('Inches', 'inches')} 0\\.15748", "4 mm in inches, in German")

step("Weight page: 2 troy ounces, Enter")
tab = find(main, pyatspi.ROLE_PAGE_TAB, f"^{say('Weight')}$")
if tab is None:
    fail(f"no page tab /{say('Weight')}/")
else:
    atspi_helpers.click(tab)
    troy = find(main, pyatspi.ROLE_TEXT, f"^{say('troy ounces', 'Troy Ounces')}$")
    if troy is None:
        fail(f"no box /{say('troy ounces', 'Troy Ounces')}/")
    else:
        enter(troy, "2")
        speech.wait(f"{say('Grams', 'grams')} 62\\.2070", "2 troy ounces in grams, in German")

step("calculator: 12 * 3 =")
bring_to_front(main.name)
speech.mark()
xdo("key", "F9")
calc = wait_for(lambda: next((w for w in atspi_helpers.top_windows() if atspi_helpers.showing(w)
                              and re.search(say("Calculator"), w.name or "")), None), 5)
if calc is None:
    fail("F9 did not open the calculator")
else:
    bring_to_front(calc.name)
    speech.wait(say("Calculator"), "the calculator's German title")
    speech.mark()
    xdo("type", "--delay", "60", "12*3")
    xdo("key", "Return")
    speech.wait(r"^notification 36\.?$", "12 * 3 =")

finish("Orca spoke the German results")
