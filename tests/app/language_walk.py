# The walk for program_languages.sh: the program started in another
# language. Everything a screen reader finds in every window and on every
# page (names, descriptions, page tabs, column headings) must have come
# through the translations:
# - in the pseudo-language every translated text comes out in accented
#   letters between brackets, so a plain English word is a text the code
#   wrote past them;
# - in a real language, a text that is the English source of an entry the
#   translation (.ts) says otherwise was not translated.
# In the pseudo-language the help pages' own texts are left out: each
# language has its help in files of its own, and that one has none.
# Usage: language_walk.py pseudo | language_walk.py CODE TS_FILE
import re
import sys

import pyatspi

import atspi_helpers
from atspi_helpers import do_action, fail, finish, has, showing, step, wait_for, xdo
from ts_texts import pattern, read_translations

ACCENTED = set("áéíóúýçñšžÁÉÍÓÚÝÇÑŠŽëäöüï")
ACCENTS = dict(zip("aeiouycnszAEIOUYCNSZ", "áéíóúýçñšžÁÉÍÓÚÝÇÑŠŽ"))
DEPTH = 20


language = sys.argv[1]
# English source -> every translation the .ts gives it (in any context).
translations = read_translations(sys.argv[2]) if language != "pseudo" else {}
# The same as a screen reader hears them: without mnemonic marks.
heard = {}
for source, targets in translations.items():
    heard.setdefault(source.replace("&", ""), set()).update(t.replace("&", "") for t in targets)


def translated(text):
    if language == "pseudo":
        return any(c in ACCENTED for c in text)
    return not (text in heard and text not in heard[text])


# Words every language writes alike: unit symbols, and short capital
# abbreviations (PP, SS, AWG, US).
NEUTRAL = {"mm", "cm", "in", "ct", "g", "kg", "oz", "ozt", "dwt", "gr", "lb", "kt", "pt", "px"}


# The program's and its makers' names and addresses: the same in every
# language.
NAMES = re.compile(r"^(Orvane( Bead Supplies| Support)?|The Orvane developers|mailto:.*|(https?://)?[\w.@/-]+\.org[\w/]*)$")


def has_words(text):
    if NAMES.match(text or ""):
        return False
    # Letters only: "cm³" is the unit "cm".
    words = ["".join(c for c in w if c.isalpha()) for w in re.findall(r"[^\W\d_]+", text or "")]
    return any(len(w) >= 2 and w not in NEUTRAL and not (w.isupper() and len(w) <= 4) for w in words)


def pattern_for(english):
    """A pattern for an English text as the language writes it."""
    if language == "pseudo":
        return "".join(f"[{c}{ACCENTS[c]}]" if c in ACCENTS else re.escape(c) for c in english)
    return pattern(translations, english)


def frames():
    return [w for w in atspi_helpers.top_windows() if showing(w)]


def frame_named(english):
    wanted = pattern_for(english)
    found = [w for w in frames() if re.search(wanted, w.name or "")]
    return found[0] if found else None


reported = set()


def walk(root, depth=DEPTH):
    """The object and what it holds; of a long list, its first entries only
    (a list of a hundred sizes says no more than its first forty)."""
    yield root
    if depth == 0 or root.getRole() == pyatspi.ROLE_TABLE:
        return
    for i, child in enumerate(root):
        if child is None or (root.getRole() == pyatspi.ROLE_LIST and i >= 40):
            continue
        yield from walk(child, depth - 1)


def check(root, where, skip_content=False):
    for a in walk(root):
        if a is not root and not showing(a):
            continue
        role = a.getRole()
        if skip_content and role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE,
                                     pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_PANEL):
            continue
        texts = [("name", a.name), ("description", a.description)]
        if role == pyatspi.ROLE_TABLE:
            try:
                table = a.queryTable()
                texts += [("column heading", table.getColumnDescription(i)) for i in range(table.nColumns)]
            except NotImplementedError:
                pass
        for what, text in texts:
            key = (where.split(",")[0], what, text)  # each text once per window
            if has_words(text) and not translated(text) and key not in reported:
                reported.add(key)
                fail(f"{where}: {a.getRoleName()} {what} {text!r} did not come through the translations")


def every_page(window, where, skip_content=False):
    check(window, where, skip_content)
    tabs = [a for a in atspi_helpers.descendants(window, DEPTH)
            if a.getRole() == pyatspi.ROLE_PAGE_TAB and showing(a)]
    for tab in tabs:
        if not do_action(tab, "Press"):
            atspi_helpers.click(tab)
        wait_for(lambda: has(tab, pyatspi.STATE_SELECTED), 3)
        check(window, f"{where}, page {tab.name!r}", skip_content)


def open_window(main, key_or_button, english_title):
    atspi_helpers.bring_to_front(main.name)
    if key_or_button.startswith("key:"):
        xdo("key", key_or_button[4:])
    else:
        button = atspi_helpers.find(main, pyatspi.ROLE_PUSH_BUTTON, pattern_for(key_or_button), shown=True,
                                    depth=DEPTH)
        if button is None or not do_action(button, "Press"):
            fail(f"no button {key_or_button!r} (in {language}) to press in the main window")
            return None
    w = wait_for(lambda: frame_named(english_title), 5)
    if w is None:
        fail(f"the {english_title!r} window did not show")
    return w


step("main window")
main = wait_for(lambda: frame_named("Orvane Version"), 20)
if main is None:
    fail("the main window did not show with a translated title")
    finish()
every_page(main, "main window")

for opener, title, content in (("key:F1", "Help", True), ("key:F9", "Calculator", False),
                               ("key:ctrl+b", "Bench", False), ("Fractions", "Fractions", False),
                               ("Worksheet", "Worksheet", False)):
    content = content and language == "pseudo"
    step(f"{title} window")
    w = open_window(main, opener, title)
    if w is not None:
        every_page(w, f"{title} window", skip_content=content)

finish("every text a screen reader reads came through the translations")
