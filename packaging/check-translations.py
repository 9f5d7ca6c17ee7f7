#!/usr/bin/env python3
"""Every text the desktop shows from the menu entry and the software centre
data has its translation for each shipped language: a new or changed English
text without one fails here rather than showing in English on a German desktop.
Usage: check-translations.py <desktop file> <metainfo file> <language>...
"""
import sys
import xml.etree.ElementTree as ET

LANG_ATTR = "{http://www.w3.org/XML/1998/namespace}lang"


def main(desktop, metainfo, languages):
    failures = []
    entries = {}
    for line in open(desktop, encoding="utf-8"):
        if "=" in line and not line.startswith("#"):
            key, value = line.rstrip("\n").split("=", 1)
            entries[key] = value
    for key in ("Name", "GenericName", "Comment", "Keywords"):
        for lang in languages:
            if key in entries and not entries.get(f"{key}[{lang}]", "").strip():
                failures.append(f"desktop file: no {key}[{lang}]")

    root = ET.parse(metainfo).getroot()
    for tag in ("name", "summary"):
        for lang in languages:
            if not any(e.get(LANG_ATTR) == lang and (e.text or "").strip() for e in root.findall(tag)):
                failures.append(f"metainfo: no <{tag} xml:lang=\"{lang}\">")
    # The description: as many paragraphs and list items in each language as
    # in English, in each list.
    description = root.find("description")
    for parent in [description] + description.findall("ul") + description.findall("ol"):
        for tag in ("p", "li"):
            items = parent.findall(tag)
            english = sum(1 for e in items if e.get(LANG_ATTR) is None)
            for lang in languages:
                translated = sum(1 for e in items if e.get(LANG_ATTR) == lang)
                if translated != english:
                    failures.append(f"metainfo: {english} English <{tag}> in <{parent.tag}>, {translated} in {lang}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
