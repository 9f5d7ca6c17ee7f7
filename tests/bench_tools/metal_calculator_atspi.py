"""Drives the running program through AT-SPI and xdotool (see
program_metal_calculator.sh): every step types as a user does and reads the
boxes as a screen reader does. Exits non-zero on the first missing control
and after all steps when any result was wrong."""

import re
import sys
import time

import pyatspi

import atspi_helpers
from atspi_helpers import (MAIN, bring_to_front, descendants, fail, finish, showing, step, top_windows, wait_for,
                           window, windows, xdo)

METAL = "Bench"


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

# ---- the Bench window: Metal page -------------------------------------------
step("Metal button opens the Bench window")
click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^metal", "Metal button on the Weight page"))
metal = wait_for(lambda: window(METAL), 5)
if metal is None:
    give_up("the Metal button did not show the Bench window")
bring_to_front(METAL)

step("every control says what it is")
for a in descendants(metal):
    if not showing(a) or a.getRole() not in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX):
        continue
    named = bool(a.name) or any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in a.getRelationSet())
    if not named:
        fail(f"a {a.getRoleName()} in the Bench window has no name")

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
type_into(need(metal, pyatspi.ROLE_TEXT, r"^metal price$", "Price box"), "30")
expect(need(metal, pyatspi.ROLE_TEXT, r"^metal cost$", "Metal cost result"), "3.55", "Metal cost")  # 3.6758 g of sterling at 30 a troy ounce

step("1/16 inch sterling wire 6 inches long: exact fractions")
pick(shape, ["Home"])
if not wait_for(lambda: shape.name == "Round wire", 3):
    give_up(f"the Shape list shows {shape.name!r} after Home, not 'Round wire'")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^diameter in inches$", "Diameter in inches box"), "1/16")
expect(need(metal, pyatspi.ROLE_TEXT, r"^diameter in mm$", "Diameter in mm box"), "1.58750", "Diameter in mm")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^length in inches$", "Length in inches box"), "6")
expect(need(metal, pyatspi.ROLE_TEXT, r"^grams$", "Grams result"), "3.1251", "Grams of 1/16 inch wire")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^diameter in inches$", "Diameter in inches box"), "3/16")
expect(need(metal, pyatspi.ROLE_TEXT, r"^diameter in mm$", "Diameter in mm box"), "4.76250", "3/16 inch in mm")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^diameter in inches$", "Diameter in inches box"), "1/64")
expect(need(metal, pyatspi.ROLE_TEXT, r"^diameter in mm$", "Diameter in mm box"), "0.396875", "1/64 inch in mm")

step("a pasted 1e999 is refused and leaves the twin as it was")
box = need(metal, pyatspi.ROLE_TEXT, r"^diameter in mm$", "Diameter in mm box")
click(box)
xdo("key", "ctrl+a")
xdo("type", "--delay", "20", "1")  # the mm box's key filter lets no "e" through: paste the rest
box.queryEditableText().insertText(1, "e999", 4)
xdo("key", "End", "Return")
refusal = wait_for(lambda: next((w for w in top_windows() if w.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
                                 and showing(w)), None), 5)
if refusal is None:
    fail("1e999 in a millimetre box gave no message")
else:
    xdo("key", "Return")
    time.sleep(0.3)
expect(need(metal, pyatspi.ROLE_TEXT, r"^diameter in inches$", "Diameter in inches box"), "1/64",
       "the inch twin after a refused 1e999")

# ---- Casting and Pricing ----------------------------------------------------
step("Casting: a 2.50 g wax model in sterling")
click(need(metal, pyatspi.ROLE_PAGE_TAB, r"^casting$", "Casting tab"))
type_into(need(metal, pyatspi.ROLE_TEXT, r"^model weight in grams$", "Model weight box"), "2.50")
cast = need(metal, pyatspi.ROLE_TEXT, r"^metal weight in grams$", "Metal weight result")
expect(cast, "25.90", "Metal weight of a 2.50 g wax model")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^allowance for sprue", "Allowance box"), "10")
expect(cast, "28.49", "Metal weight with 10 % allowance")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^metal price$", "Casting price box"), "30")
expect(need(metal, pyatspi.ROLE_TEXT, r"^metal cost$", "Casting cost"), "27.48", "Casting metal cost")

step("Pricing: the casting's metal cost carried into materials with one button")
click(need(metal, pyatspi.ROLE_PAGE_TAB, r"^pricing$", "Pricing tab"))
click(need(metal, pyatspi.ROLE_PUSH_BUTTON, r"^use metal cost$", "Use metal cost button"))
expect(need(metal, pyatspi.ROLE_TEXT, r"^materials$", "Materials box"), "27.48", "Materials")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^labour hours$", "Labour hours box"), "2")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^hourly rate$", "Hourly rate box"), "30")
type_into(need(metal, pyatspi.ROLE_TEXT, r"^overhead", "Overhead box"), "20")
expect(need(metal, pyatspi.ROLE_TEXT, r"^cost$", "Cost result"), "104.98", "Cost")  # (27.48 + 60) x 1.2
expect(need(metal, pyatspi.ROLE_TEXT, r"^wholesale$", "Wholesale result"), "209.96", "Wholesale")
expect(need(metal, pyatspi.ROLE_TEXT, r"^retail$", "Retail result"), "419.92", "Retail")

step("Esc hides the window; Ctrl+B brings the same one back as it was left")
xdo("key", "Escape")
if not wait_for(lambda: window(METAL) is None, 5):
    fail("Esc did not hide the Bench window")
bring_to_front(MAIN)
xdo("key", "ctrl+b")
metal = wait_for(lambda: window(METAL), 5)
if metal is None:
    give_up("Ctrl+B did not show the Bench window again")
time.sleep(0.3)
if len(windows(METAL)) != 1:
    fail(f"{len(windows(METAL))} Bench windows are shown")
expect(need(metal, pyatspi.ROLE_TEXT, r"^retail$", "Retail result"), "419.92", "Retail after reopening")

step("the Metal button brings it back on its Metal page")
xdo("key", "Escape")
wait_for(lambda: window(METAL) is None, 5)
bring_to_front(MAIN)
click(need(main, pyatspi.ROLE_PUSH_BUTTON, r"^metal", "Metal button on the Weight page"))
metal = wait_for(lambda: window(METAL), 5)
if metal is None:
    give_up("the Metal button did not show the Bench window again")
expect(need(metal, pyatspi.ROLE_TEXT, r"^diameter in inches$", "Diameter in inches box"), "1/64",
       "the Metal page's inch size after reopening")

finish("all steps passed")
