"""A screen reader's view of every chart: each chart page is opened with
Ctrl+Tab, the fractions window with its button, and each chart must be a
table whose row and column counts, column headings and every cell text
(leading blanks included) are what the chart shows.

Usage: chart_accessibility.py <expected charts JSON>
"""
import json
import re
import sys

import pyatspi

from atspi_helpers import MAIN, bring_to_front, click, descendants, fail, find, finish, step, wait_for, window, xdo

FRACTIONS = "Fractions and Stone Size"
# Page caption, then the charts on that page.
PAGES = [
    ("Pearl Plate", ["Pearl plate chart"]),
    ("Stone Size", ["Stone size chart"]),
    ("Jump Ring", ["Jump ring chart"]),
    ("Wire Gauge", ["Wire gauge chart"]),
    ("Ring Size", ["North American ring sizes", "International ring sizes"]),
]


def chart(root, name):
    return find(root, name=f"^{re.escape(name)}$", shown=True)


def check_table(table, name, expected):
    rows, headings = expected["rows"], expected["headings"]
    if table.getRole() != pyatspi.ROLE_TABLE:
        fail(f"{name}: role {table.getRoleName()}, not a table")
        return
    t = table.queryTable()
    if (t.nRows, t.nColumns) != (len(rows), len(headings)):
        fail(f"{name}: {t.nRows} rows and {t.nColumns} columns, expected {len(rows)} and {len(headings)}")
        return
    for c, heading in enumerate(headings):
        header = t.getColumnHeader(c)
        heard = header.name if header is not None else None
        if heard != heading:
            fail(f"{name}: column {c} heading {heard!r}, expected {heading!r}")
    wrong = 0
    for r, row in enumerate(rows):
        for c, text in enumerate(row):
            cell = t.getAccessibleAt(r, c)
            heard = cell.name if cell is not None else None
            if heard != text:
                wrong += 1
                if wrong <= 5:
                    fail(f"{name}: cell ({r}, {c}) reads {heard!r}, expected {text!r}")
    print(f"   {name}: {len(rows)} rows x {len(headings)} columns, {wrong} cells wrong", flush=True)


def main():
    expected = json.load(open(sys.argv[1], encoding="utf-8"))
    step("start-up")
    main_window = wait_for(lambda: window(MAIN), 20)
    if main_window is None:
        fail("the main window did not appear")
        return
    bring_to_front(MAIN)
    # Ctrl+Tab moves through the pages from wherever the focus is; the page tab
    # list tells which page is current.
    control = wait_for(lambda: next((a for a in descendants(main_window)
                                     if a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST), None), 5)
    if control is None:
        fail("no page tab list in the main window")
        return

    def current():
        for tab in control:
            if tab is not None and tab.getState().contains(pyatspi.STATE_SELECTED):
                return tab.name
        return None

    seen = set()
    for caption, charts in PAGES:
        step(f"page {caption}")
        for _ in range(12):
            if current() == caption:
                break
            before = current()
            xdo("key", "ctrl+Tab")
            wait_for(lambda: current() != before, 2)
        if current() != caption:
            fail(f"Ctrl+Tab never reached the page {caption} (at {current()!r})")
            continue
        for name in charts:
            table = wait_for(lambda: chart(main_window, name), 5)
            if table is None:
                fail(f"no chart named {name!r} shown on the page {caption}")
                continue
            check_table(table, name, expected[name])
            seen.add(name)

    step("fractions window")
    bring_to_front(MAIN)
    button = find(main_window, role=pyatspi.ROLE_PUSH_BUTTON, name="^Fractions$")
    if button is None:
        fail("the main window has no Fractions button")
    else:
        click(button)
        frac = wait_for(lambda: window(FRACTIONS), 10)
        if frac is None:
            fail("the fractions window did not open")
        else:
            name = "Fractions of an inch"
            table = wait_for(lambda: chart(frac, name), 5)
            if table is None:
                fail(f"no chart named {name!r} in the fractions window")
            else:
                check_table(table, name, expected[name])
                seen.add(name)
    missing = set(expected) - seen
    if missing:
        fail(f"charts never checked: {sorted(missing)}")


main()
finish("every chart reads as a table")
