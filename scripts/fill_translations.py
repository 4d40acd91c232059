#!/usr/bin/env python3
"""Fills unfinished texts of the translation files from a JSON table.

    scripts/fill_translations.py TABLE.json

TABLE maps a language suffix ("de", "es", "fr", "it", "zh_CN") to an object of English source
text -> translation. Every unfinished message whose source the table has gets the translation
and loses its "unfinished" mark; the texts still unfinished are listed at the end, by language.
The files are then written back in lupdate's layout (scripts/translations.sh).
"""
import json
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

FOLDER = Path(__file__).resolve().parent.parent / "frontend" / "translations"


def fill(language, table):
    path = FOLDER / f"kvtexec_{language}.ts"
    tree = ET.parse(path)
    missing = []
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") != "unfinished":
            continue
        source = message.findtext("source")
        if source in table:
            translation.text = table[source]
            del translation.attrib["type"]
        else:
            missing.append(source)
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    return missing


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    tables = json.loads(Path(sys.argv[1]).read_text(encoding="utf-8"))
    unfinished = 0
    for language, table in tables.items():
        for source in fill(language, table):
            unfinished += 1
            print(f"{language}: still unfinished: {source!r}")
    # lupdate writes the files back in its own layout, so a later run changes nothing.
    subprocess.run([str(FOLDER.parent.parent / "scripts" / "translations.sh")], check=True)
    sys.exit(1 if unfinished else 0)


if __name__ == "__main__":
    main()
