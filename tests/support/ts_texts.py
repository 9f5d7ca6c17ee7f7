"""The translations of a Qt Linguist file (.ts), for walks that run the
program in another language: what each English source text became."""
import re
import xml.etree.ElementTree as ElementTree


def read_translations(path):
    """English source -> the set of its translations (any context, every
    plural form)."""
    found = {}
    for message in ElementTree.parse(path).getroot().iter("message"):
        source, translation = message.findtext("source"), message.find("translation")
        if translation is None:
            continue
        forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
        for form in forms:
            if source and form:
                found.setdefault(source, set()).add(form)
    return found


def pattern(translations, *english):
    """A pattern matching any translation of any of the English texts (the
    English itself only when the file translates none of them), mnemonic
    marks taken out."""
    texts = set()
    for e in english:
        texts |= translations.get(e, set())
    texts = texts or set(english)
    return "(?:" + "|".join(re.escape(t.replace("&", "")) for t in sorted(texts)) + ")"
