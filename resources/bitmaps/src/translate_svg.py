#!/usr/bin/env python3
"""Writes a picture's SVG source with its texts in another language, from a compiled gettext catalogue.

    translate_svg.py SOURCE.svg CATALOGUE.mo OUTPUT.svg

The texts replaced are the ones po/its/svg.its marks for translation (every text and tspan, but not a
formula's leading "2" nor its exponents), so that the catalogue check and the picture read the same texts.
A text the catalogue lacks is an error: a picture is never half translated.
"""

import gettext
import sys
from xml.dom import minidom


def translatable_elements(document):
    for name in ("text", "tspan"):
        for element in document.getElementsByTagName(name):
            holds_tspans = any(child.nodeType == child.ELEMENT_NODE for child in element.childNodes)
            if name == "text" and holds_tspans:
                continue
            if element.getAttribute("class") == "exponent":
                continue
            yield element


def translate(document, catalogue):
    missing = []
    for element in translatable_elements(document):
        for child in element.childNodes:
            if child.nodeType != child.TEXT_NODE or not child.data.strip():
                continue
            if child.data not in catalogue._catalog:  # gettext() would hand the text back unchanged
                missing.append(child.data)
            else:
                child.data = catalogue.gettext(child.data)
    return missing


def main(arguments):
    if len(arguments) != 3:
        sys.exit("usage: translate_svg.py SOURCE.svg CATALOGUE.mo OUTPUT.svg")
    source, catalogue_path, output = arguments
    document = minidom.parse(source)
    with open(catalogue_path, "rb") as catalogue_file:
        catalogue = gettext.GNUTranslations(catalogue_file)
    missing = translate(document, catalogue)
    if missing:
        sys.exit(f"translate_svg: {catalogue_path} lacks the texts of {source}: " +
                 ", ".join(f'"{text}"' for text in missing))
    with open(output, "w", encoding="utf-8") as output_file:
        document.writexml(output_file, encoding="UTF-8")


if __name__ == "__main__":
    main(sys.argv[1:])
