# The screen reader's walk through the running program, for
# program_accessibility.sh: every step reads or acts through AT-SPI only,
# except the keys a keyboard user presses (xdotool). Usage: <opened.txt>
import os
import re
import sys
import time
from urllib.parse import unquote

import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, do_action, fail, has, step, wait_for, window, xdo

opened_file = sys.argv[1]
MAIN_TABS = ["About", "Tips", "Bead Calculator", "Pearl Plate", "Stone Size", "Weight", "Jump Ring",
             "Wire Gauge", "Ring Size", "Links"]
HELP_TABS = ["License", "Stone Size", "Bead Calculator", "Worksheet"]
KEYS = ["MC", "Back", "CE", "C", "MR", "7", "8", "9", "/", "Sqrt", "MS", "4", "5", "6", "*", "%", "M+",
        "1", "2", "3", "-", "1/x", "M-", "0", "+/-", ".", "+", "="]
# The help pages nest their texts deeper than the other walks need.
DEPTH = 14


def descendants(root):
    return atspi_helpers.descendants(root, DEPTH)


def find_all(root, role):
    return [a for a in descendants(root) if a.getRole() == role]


def find(root, role=None, name=None):
    return atspi_helpers.find(root, role, name, depth=DEPTH)


def text_of(a):
    try:
        t = a.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return None


def action_names(a):
    try:
        act = a.queryAction()
    except NotImplementedError:
        return []
    return [act.getName(i) for i in range(act.nActions)]


def opened():
    if not os.path.exists(opened_file):
        return []
    # The desktop gets the address percent-encoded, as a URL.
    return [unquote(line) for line in open(opened_file).read().split("\n")[:-1]]


def page_tabs(w, expected, where):
    lists = find_all(w, pyatspi.ROLE_PAGE_TAB_LIST)
    if len(lists) != 1:
        fail(f"{where}: {len(lists)} page tab lists, expected one")
        return None
    tabs = [t for t in lists[0] if t is not None and t.getRole() == pyatspi.ROLE_PAGE_TAB]
    names = [t.name for t in tabs]
    if names != expected:
        fail(f"{where}: page tabs {names}, expected {expected}")
        return None
    return tabs


def choose(tabs, caption, where):
    tab = next(t for t in tabs if t.name == caption)
    if not do_action(tab, "Press"):
        fail(f"{where}: the page tab {caption!r} has no press action")
    if not wait_for(lambda: has(tab, pyatspi.STATE_SELECTED), 3):
        fail(f"{where}: pressing the page tab {caption!r} did not select it")
    others = [t.name for t in tabs if t.name != caption and has(t, pyatspi.STATE_SELECTED)]
    if others:
        fail(f"{where}: {others} still selected beside {caption!r}")
    return tab


def page_of(tab):
    return tab[0] if tab.childCount == 1 else None


# ---- main window: ten page tabs, each chosen through AT-SPI ----------------
step("main window page tabs")
main = wait_for(lambda: window(MAIN), 20)
if main is None:
    print("FAIL: the main window did not appear")
    sys.exit(1)
tabs = page_tabs(main, MAIN_TABS, "main window")
if tabs:
    if not has(tabs[0], pyatspi.STATE_SELECTED):
        fail("the About tab is not selected at start")
    for caption in MAIN_TABS[1:] + ["About"]:
        tab = choose(tabs, caption, "main window")
        page = page_of(tab)
        if page is None or not has(page, pyatspi.STATE_SHOWING):
            fail(f"the page under the tab {caption!r} is not showing once chosen")

    # Right arrow from About pages through all ten; the focus stays on the tabs.
    step("Right arrow pages through every tab, the focus on the tab list")
    strip = find_all(main, pyatspi.ROLE_PAGE_TAB_LIST)[0]
    if not strip.name:
        fail("the main window's page tab list has no name")
    bring_to_front(MAIN)
    strip.queryComponent().grabFocus()
    if not wait_for(lambda: has(strip, pyatspi.STATE_FOCUSED), 3):
        fail("the page tab list did not take the focus")
    for caption in MAIN_TABS[1:]:
        xdo("key", "Right")
        tab = next(t for t in tabs if t.name == caption)
        if not wait_for(lambda: has(tab, pyatspi.STATE_SELECTED), 3):
            fail(f"Right arrow did not reach the {caption!r} page")
            break
        if not has(strip, pyatspi.STATE_FOCUSED):
            fail(f"the {caption!r} page took the focus from the tab list")
            break
    choose(tabs, "About", "main window")

    # A box on a page out of sight takes no focus.
    step("a box on a hidden page refuses the focus")
    weight = page_of(tabs[MAIN_TABS.index("Weight")])
    carats = weight and find(weight, pyatspi.ROLE_TEXT, r"^Carats")
    if not carats:
        fail("no Carats box under the Weight tab")
    else:
        bring_to_front(MAIN)
        try:
            carats.queryComponent().grabFocus()
        except Exception:
            pass
        time.sleep(0.3)
        if has(carats, pyatspi.STATE_FOCUSED):
            fail("the Carats box took the focus while the Weight page was hidden")

    # ---- Tips: its text is text --------------------------------------------
    step("Tips text")
    page = page_of(choose(tabs, "Tips", "main window"))
    memo = page and next((a for a in descendants(page) if (text_of(a) or "").startswith("The Enter Key will")),
                         None)
    if memo is None:
        fail("the Tips text is not readable as text")
    elif not has(memo, pyatspi.STATE_FOCUSABLE):
        fail("the Tips text cannot take the focus")
    elif "Calculator, Help or Worksheet Windows." not in text_of(memo):
        fail(f"the Tips text is cut short: {text_of(memo)!r}")

# ---- help window: four tabs, texts readable ---------------------------------
step("help window")
help_button = find(main, pyatspi.ROLE_PUSH_BUTTON, r"^Help$")
if help_button is None or not do_action(help_button, "Press"):
    fail("no Help button to press in the main window")
else:
    help_window = wait_for(lambda: window("Help"), 5)
    if help_window is None:
        fail("the Help button did not show the help window")
    else:
        htabs = page_tabs(help_window, HELP_TABS, "help window")
        if htabs:
            for caption, words in (("License", "warranty"), ("Stone Size", "Enter either Millimeter"),
                                   ("Bead Calculator", "Beads per"), ("Worksheet", "Project Name")):
                page = page_of(choose(htabs, caption, "help window"))
                texts = [text_of(a) or "" for a in descendants(page)] if page else []
                if not any(words in t for t in texts):
                    fail(f"help page {caption!r}: no text holding {words!r}")
        bring_to_front("Help")
        xdo("key", "Escape")
        wait_for(lambda: window("Help") is None, 5)

# ---- calculator: every key a button, the display text -----------------------
step("calculator keys and display")
calc_button = find(main, pyatspi.ROLE_PUSH_BUTTON, r"^Math Calculator$")
if calc_button is None or not do_action(calc_button, "Press"):
    fail("no Math Calculator button to press in the main window")
else:
    calc_window = wait_for(lambda: window("Calculator"), 5)
    if calc_window is None:
        fail("the calculator window did not show")
    else:
        keys = {b.name: b for b in find_all(calc_window, pyatspi.ROLE_PUSH_BUTTON)}
        missing = [k for k in KEYS if k not in keys]
        if missing:
            fail(f"calculator keys not found as buttons: {missing}")
        display = find(calc_window, pyatspi.ROLE_TEXT)
        if display is None or text_of(display) is None:
            fail("the calculator display is not readable as text")
        elif not missing:
            for k in ["C", "7", "+", "8", "=", "MS"]:
                if not do_action(keys[k], "Press"):
                    fail(f"the calculator key {k!r} cannot be pressed")
            if not wait_for(lambda: text_of(display) == "15", 3):
                fail(f"7 + 8 = pressed through the keys shows {text_of(display)!r}, expected '15'")
            # With a value in memory every key can be pressed.
            unpressable = [k for k in KEYS if "Press" not in action_names(keys[k])]
            if unpressable:
                fail(f"calculator keys without a press action: {unpressable}")
            do_action(keys["C"], "Press")
            do_action(keys["MR"], "Press")
            if not wait_for(lambda: text_of(display) == "15", 3):
                fail(f"MR shows {text_of(display)!r}, expected '15'")
        bring_to_front("Calculator")
        xdo("key", "Escape")
        wait_for(lambda: window("Calculator") is None, 5)


# ---- calculator keypad from the keyboard -----------------------------------
step("calculator keypad: Tab, arrows and Space")
bring_to_front(MAIN)
xdo("key", "F9")
calc_window = wait_for(lambda: window("Calculator"), 5)
if calc_window is None:
    fail("F9 did not show the calculator")
else:
    bring_to_front("Calculator")
    keys = {b.name: b for b in find_all(calc_window, pyatspi.ROLE_PUSH_BUTTON)}
    display = find(calc_window, pyatspi.ROLE_TEXT)
    undescribed = [k for k, b in keys.items() if not re.search(r"\(.+\)", b.description or "")]
    if undescribed:
        fail(f"calculator keys whose description names no keyboard key: {undescribed}")
    xdo("key", "Tab")
    if not wait_for(lambda: has(keys["="], pyatspi.STATE_FOCUSED), 3):
        fail("the keyboard does not rest on the = key in the keypad")
    xdo("key", "Left", "Left", "Up")  # = -> + -> . -> 3
    if not wait_for(lambda: has(keys["3"], pyatspi.STATE_FOCUSED), 3):
        fail(f"the arrows did not bring the keyboard to 3: on {[k for k, b in keys.items() if has(b, pyatspi.STATE_FOCUSED)]}")
    xdo("key", "space", "space")
    if not wait_for(lambda: text_of(display) == "33", 3):
        fail(f"Space on 3 twice shows {text_of(display)!r}, expected '33'")
    xdo("key", "Escape")
    wait_for(lambda: window("Calculator") is None, 5)


# ---- every window a frame or dialog, every focusable object named ----------
def check_window(title, where):
    w = wait_for(lambda: window(title), 5)
    if w is None:
        fail(f"{where}: the window {title!r} did not show")
        return
    if w.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
        fail(f"{where}: the window {title!r} is a {w.getRoleName()}, not a frame or dialog")
    unnamed = sorted({a.getRoleName() for a in descendants(w)
                      if has(a, pyatspi.STATE_FOCUSABLE) and has(a, pyatspi.STATE_SHOWING) and not a.name})
    if unnamed:
        fail(f"{where}: unnamed focusable objects in {title!r}: {unnamed}")


step("windows are frames, focusable objects named")
check_window(MAIN, "main window")
for button, title in (("Fractions", "Fractions and Stone Size"), ("Worksheet", "Bead Worksheet"),
                      ("Help", "Help"), ("Math Calculator", "Calculator")):
    b = find(main, pyatspi.ROLE_PUSH_BUTTON, f"^{button}$")
    if b is None or not do_action(b, "Press"):
        fail(f"no {button} button to press in the main window")
        continue
    check_window(title, f"{button} button")
    bring_to_front(title)
    xdo("key", "Escape")
    wait_for(lambda: window(title) is None, 5)
if tabs:
    weight = page_of(choose(tabs, "Weight", "main window"))
    metal_button = weight and find(weight, pyatspi.ROLE_PUSH_BUTTON, r"^Metal")
    if metal_button is None or not do_action(metal_button, "Press"):
        fail("no Metal button on the Weight page")
    else:
        check_window("Bench", "Metal button")
        bring_to_front("Bench")
        xdo("key", "Escape")
        wait_for(lambda: window("Bench") is None, 5)
    page = page_of(choose(tabs, "Links", "main window"))
    for name in ("About the shop", "About donations"):
        memo = page and find(page, pyatspi.ROLE_TEXT, f"^{name}$")
        if memo is None:
            fail(f"no {name!r} text on the Links page")
        elif has(memo, pyatspi.STATE_EDITABLE):
            fail(f"the {name!r} text on the Links page takes typing")


# ---- links: Tab reaches each, Enter opens it --------------------------------
def tab_to(link, limit=40):
    for _ in range(limit):
        if has(link, pyatspi.STATE_FOCUSED):
            return True
        xdo("key", "Tab")
        time.sleep(0.05)
    return has(link, pyatspi.STATE_FOCUSED)


if tabs:
    for caption in ("About", "Links"):
        step(f"links on the {caption} page")
        tab = choose(tabs, caption, "main window")
        links = find_all(page_of(tab), pyatspi.ROLE_LINK)
        if not links:
            fail(f"no links on the {caption} page")
        for link in links:
            target = link.description
            if not target:
                fail(f"the link {link.name!r} does not tell its target")
                continue
            bring_to_front(MAIN)
            # Start from the tab strip, as a keyboard user who just chose the page.
            tab.queryComponent().grabFocus()
            if not tab_to(link):
                fail(f"Tab does not reach the link {link.name!r}")
                continue
            before = len(opened())
            xdo("key", "Return")
            if not wait_for(lambda: len(opened()) > before, 5):
                fail(f"Enter on the link {link.name!r} opened nothing")
            elif opened()[-1] != target:
                fail(f"Enter on the link {link.name!r} opened {opened()[-1]!r}, expected {target!r}")

atspi_helpers.finish()
