# The walk for program_new_bench_pages_speech.sh: the Bench window opened from
# the Weight page, then on each of the Ring Resizing, Alloying, Seed Beads and
# Bezel Strip pages a keyboard user's example and what Orca spoke of it; the
# pages' controls checked for their roles and names on the way (a list with a
# pick is named by its text, its caption reaching Orca as its label).
# With translation files, the program runs in their language and each name,
# Alt letter and spoken result is the translators' (English where a text has
# no translation yet); the figures stay as in English.
# Usage: <orca debug log> [<.ts file>...]
import re
import sys
import time

import pyatspi

import atspi_helpers
from atspi_helpers import MAIN, bring_to_front, fail, finish, step, wait_for, window, xdo
from ts_texts import pattern, read_translations

log_path = sys.argv[1]
seen = 0
translated = {}
for ts in sys.argv[2:]:
    for source, texts in read_translations(ts).items():
        translated.setdefault(source, set()).update(texts)


def say(*english):
    """A pattern for what the program shows for these English texts."""
    return pattern(translated, *english)


def said(*english):
    """Results as spoken: "name figure" pairs joined as the program joins them."""
    return ", ".join(f"{say(name)} {figure}" for name, figure in english)


def shown(english):
    """The one text the program shows for an English text (a window title)."""
    texts = sorted(translated.get(english, {english}))
    return texts[0] if len(texts) == 1 else english


def in_mm(size):
    """A size's millimetre box, named as the program names it."""
    return say("%1 in mm").replace("%1", say(size))


def in_inches(size):
    return say("%1 in inches").replace("%1", say(size))


def alt(english_caption):
    """The Alt letter of a caption, in the language shown."""
    caption = shown(english_caption)
    return caption[caption.index("&") + 1].lower()


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
weight_tab = need(main, pyatspi.ROLE_PAGE_TAB, f"^{say('Weight')}$", "Weight page tab")
atspi_helpers.click(weight_tab)
atspi_helpers.click(need(main, pyatspi.ROLE_PUSH_BUTTON, f"^{say('Metal…', 'metal')}", "Metal button"))
bench_title = shown("Bench")
bench = wait_for(lambda: window(bench_title), 5)
if bench is None:
    give_up("the Bench window did not open")
bring_to_front(bench_title)

step("Ring Resizing: US 000 to 00, the length to add spoken")
choose_page(bench, say("Ring Resizing"))
for name in (f"^{say('North America')}$", f"^{say('Sterling silver')}$"):
    need(bench, pyatspi.ROLE_COMBO_BOX, name, name)
for name in (f"^{in_mm('Thickness')}$", f"^{in_inches('Width')}$", f"^{say('Density in g/cm³')}$"):
    need(bench, pyatspi.ROLE_TEXT, name, name)
need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Ring size now')}$", "Ring size now list")
need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Ring size wanted')}$", "Ring size wanted list")
# The lists reached by their captions' Alt letters, the sizes picked with keys.
focus(need(bench, pyatspi.ROLE_TEXT, f"^{in_mm('Thickness')}$", "Thickness box"), "Thickness")
now = need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Ring size now')}$", "Ring size now list")
xdo("key", f"alt+{alt('Ring size &now')}")
if not wait_for(lambda: now.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail(f"Alt+{alt('Ring size &now')} did not reach the Ring size now list")
xdo("key", "Home")
wanted = need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Ring size wanted')}$", "Ring size wanted list")
xdo("key", f"alt+{alt('Ring size &wanted')}")
if not wait_for(lambda: wanted.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail(f"Alt+{alt('Ring size &wanted')} did not reach the Ring size wanted list")
mark()
xdo("key", "Home")
time.sleep(0.5)
xdo("key", "Down")
# pi x (10.820 - 10.008) = 2.551 mm, 0.100 inch
hear(said(("Length to add in mm", r"2\.55"), ("Length to add in inches", r"0\.100")), "the length to add")

step("Alloying: 10 g of 18 ct down to 14 ct")
choose_page(bench, say("Alloying"))
need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Lower the karat with alloy')}$", "Task list")
grams = need(bench, pyatspi.ROLE_TEXT, f"^{say('Weight in grams')}$", "Weight box")
mark()
enter(grams, "Weight", "10")
gold_karat = say("Gold's karat")
karat = need(bench, pyatspi.ROLE_TEXT, f"^{gold_karat}$", "Gold's karat box")
if not wait_for(lambda: karat.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail("Enter in the weight did not move on to the karat")
xdo("type", "--delay", "30", "18")
xdo("key", "Return")
xdo("type", "--delay", "30", "14")
xdo("key", "Return")
hear(said(("Alloy to add in grams", r"2\.86"), ("Resulting weight in grams", r"12\.86")), "the alloy to add")

step("Seed Beads: 15/0 picked, its counts spoken")
choose_page(bench, say("Seed Beads"))
need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Loom or square stitch')}$", "Stitch list")
need(bench, pyatspi.ROLE_TEXT, f"^{say('Grams to buy')}$", "Grams to buy box")
size = need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Bead size')}$", "Bead size list")
focus(size, "Bead size")
mark()
xdo("key", "Home")
hear(said(("Beads per gram", "250"), ("Beads per 10 g tube", "2500"), ("Beads per inch", r"25\.4")),
     "the 15/0 counts")

step("Bezel Strip: a 10 mm round stone, 0.3 mm strip")
choose_page(bench, say("Bezel Strip"))
need(bench, pyatspi.ROLE_COMBO_BOX, f"^{say('Round')}$", "Stone shape list")
diameter = need(bench, pyatspi.ROLE_TEXT, f"^{in_mm('Diameter')}$", "Diameter box")
mark()
enter(diameter, "Diameter", "10")
thickness = need(bench, pyatspi.ROLE_TEXT, f"^{in_mm('Strip thickness')}$", "Strip thickness box")
if not wait_for(lambda: thickness.getState().contains(pyatspi.STATE_FOCUSED), 3):
    fail("Enter in the diameter did not move on to the thickness")
xdo("type", "--delay", "30", "0.3")
xdo("key", "Return")
# pi x (10 + 0.3) = 32.358 mm, 1.274 inches
hear(said(("Strip length in mm", r"32\.36"), ("Strip length in inches", r"1\.274")), "the strip length")

finish("each new page's result was spoken")
