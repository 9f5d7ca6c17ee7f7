"""Drives the running program through AT-SPI and xdotool (see
program_metal_calculator.sh): every step types as a user does and reads the
boxes as a screen reader does. Exits non-zero on the first missing control
and after all steps when any result was wrong."""

import re
import sys
import time

import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, descendants, fail, finish, showing, step, wait_for, window, windows, xdo

METAL = "Metal Calculator"


def give_up(text):
    fail(text)
    sys.exit(1)


def find(root, role=None, name=None):
    return atspi_helpers.find(root, role, name, shown=True, flags=re.I)


def need(root, role, name, what):
    a = wait_for(lambda: find(root, role, name), 5)
    if a is None:
        give_up(f"no {what}")
    return a


def labelled(root, role, caption):
    """A list box, found by the caption that labels it (a list's own name is its current item)."""
    for a in descendants(root):
        if a.getRole() != role or not showing(a):
            continue
        for relation in a.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    if re.search(caption, relation.getTarget(i).name or "", re.I):
                        return a
    give_up(f"no list labelled {caption!r}")


def click(a):
    atspi_helpers.click(a)
    time.sleep(0.1)


def text_of(a):
    try:
        return a.queryText().getText(0, -1)
    except NotImplementedError:
        return a.name or ""


def type_into(box, text):
    """Click into the box, empty it, type and press Enter."""
    click(box)
    xdo("key", "ctrl+a")
    xdo("key", "BackSpace")
    # Ctrl+A may be refused by the box's key filter: empty it key by key.
    for _ in range(len(text_of(box))):
        xdo("key", "End", "BackSpace")
    if text:
        xdo("type", "--delay", "20", text)
    xdo("key", "Return")
    time.sleep(0.2)


def expect(box, wanted, what):
    got = wait_for(lambda: text_of(box) == wanted and text_of(box), 5) or text_of(box)
    if got != wanted:
        fail(f"{what} shows {got!r}, expected {wanted!r}")


def pick(combo, keys):
    """Open the list, move in it with the keyboard and take the item with Enter."""
    click(combo)
    time.sleep(0.3)
    for k in keys:
        xdo("key", k)
    xdo("key", "Return")
    time.sleep(0.3)


# ---- the Weight page -------------------------------------------------------
step("start-up")
main = wait_for(lambda: window(MAIN), 20)
if main is None:
    give_up("the main window did not appear")
bring_to_front(MAIN)

step("Weight page")
tab = find(main, pyatspi.ROLE_PAGE_TAB, r"^weight$")
if tab is not None:
    click(tab)
else:
    # The page strip is named after its active page.
    strip = next((a for a in descendants(main, 3) if "Pages:" in (a.description or "")), None)
    if strip is None:
        give_up("no page strip in the main window")
    strip.queryComponent().grabFocus()
    for _ in range(12):
        before = strip.name
        if re.search("^weight$", before or "", re.I):
            break
        # Ctrl+Tab, as a page may take the focus into its first box.
        xdo("key", "ctrl+Tab")
        wait_for(lambda: strip.name != before, 3)
    if not re.search("^weight$", strip.name or "", re.I):
        give_up(f"the arrows did not reach the Weight page (at {strip.name!r})")
grams = need(main, pyatspi.ROLE_TEXT, r"^grams$", "Grams box on the Weight page")
troy = need(main, pyatspi.ROLE_TEXT, r"^troy ounces$", "Troy Ounces box on the Weight page")
dwt = need(main, pyatspi.ROLE_TEXT, r"^pennyweights$", "Pennyweights box on the Weight page")
grains = need(main, pyatspi.ROLE_TEXT, r"^grains$", "Grains box on the Weight page")

step("100 grams -> troy ounces -> grams")
type_into(grams, "100")
expect(troy, "3.2151", "Troy Ounces")
expect(dwt, "64.3015", "Pennyweights")
expect(grains, "1543.2358", "Grains")
type_into(troy, text_of(troy))
back = text_of(grams)
try:
    if abs(float(back) - 100) > 0.00005 * 31.1034768 + 0.00005:
        fail(f"100 g came back as {back} g through 3.2151 troy ounces")
except ValueError:
    fail(f"Grams shows {back!r} after Enter in Troy Ounces")

# ---- the Metal Calculator --------------------------------------------------
step("Metal button opens the Metal Calculator")
click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^metal", "Metal button on the Weight page"))
metal = wait_for(lambda: window(METAL), 5)
if metal is None:
    give_up("the Metal button did not show the Metal Calculator")
bring_to_front(METAL)

step("every control says what it is")
for a in descendants(metal):
    if not showing(a) or a.getRole() not in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX):
        continue
    named = bool(a.name) or any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in a.getRelationSet())
    if not named:
        fail(f"a {a.getRoleName()} in the Metal Calculator has no name")

step("100 mm of 1.0 mm round sterling wire")
metal_list = labelled(metal, pyatspi.ROLE_COMBO_BOX, r"^metal$")
if metal_list.name != "Sterling silver":
    pick(metal_list, ["Home", "Down"])
expect(need(metal, pyatspi.ROLE_TEXT, r"^density", "Density box"), "10.36", "Density")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^diameter in mm$", "Diameter in mm box"), "1.0")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^length in mm$", "Length in mm box"), "100")
expect(need(metal, pyatspi.ROLE_TEXT, r"^grams$", "Grams result"), "0.8137", "Grams")
expect(need(metal, pyatspi.ROLE_TEXT, r"^volume", "Volume result"), "78.54", "Volume")

step("a size 7 ring blank from 1.5 mm stock")
shape = labelled(metal, pyatspi.ROLE_COMBO_BOX, r"^shape$")
pick(shape, ["End"])
if not wait_for(lambda: shape.name == "Ring blank", 3):
    give_up(f"the Shape list shows {shape.name!r} after End, not 'Ring blank'")
pick(labelled(metal, pyatspi.ROLE_COMBO_BOX, r"^ring size"), ["7"])
expect(need(metal, pyatspi.ROLE_TEXT, r"^inner diameter in mm$", "Inner diameter box"), "17.323", "Inner diameter")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^width in mm$", "Width in mm box"), "4")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^thickness in mm$", "Thickness in mm box"), "1.5")
expect(need(metal, pyatspi.ROLE_TEXT, r"^blank length \(mm\)$", "Blank length result"), "59.13", "Blank length")
expect(need(metal, pyatspi.ROLE_TEXT, r"^blank length \(inches\)$", "Blank length in inches"), "2.328",
       "Blank length in inches")

step("a price per troy ounce gives the metal cost")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^price per troy ounce$", "Price box"), "30")
expect(need(metal, pyatspi.ROLE_TEXT, r"^metal cost$", "Metal cost result"), "3.55", "Metal cost")  # 3.6758 g of sterling at 30 a troy ounce

step("Esc hides the window; the Metal button brings the same one back")
xdo("key", "Escape")
if not wait_for(lambda: window(METAL) is None, 5):
    fail("Esc did not hide the Metal Calculator")
bring_to_front(MAIN)
click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^metal", "Metal button on the Weight page"))
metal = wait_for(lambda: window(METAL), 5)
if metal is None:
    give_up("the Metal button did not show the Metal Calculator again")
time.sleep(0.3)
if len(windows(METAL)) != 1:
    fail(f"{len(windows(METAL))} Metal Calculator windows are shown")
expect(need(metal, pyatspi.ROLE_TEXT, r"^blank length \(mm\)$", "Blank length result"), "59.13",
       "Blank length after reopening")

finish("all steps passed")
