#!/usr/bin/python3
"""Cuts from Amiri the glyphs of the window's captions, under a family name of their own, and
writes them as C++ data for the program to register at start. A few dozen glyphs load and
shape at a fraction of the cost of the whole face, and draw exactly as it does.

    cut_caption_faces.py CAPTIONS_HEADER FAMILY OUTPUT_CPP REGULAR_TTF BOLD_TTF
"""
import io
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def caption_text(header):
    with open(header, encoding="utf-8") as f:
        return "".join(re.findall(r'u"([^"]*)"', f.read()))


def cut(path, text, family):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    face = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(face)
    # A name of its own, so the installed face is never mistaken for it.
    names = face["name"]
    style = names.getDebugName(2) or "Regular"
    for record in list(names.names):
        renamed = {1: family, 16: family, 4: f"{family} {style}",
                   6: f"{family}-{style}".replace(" ", "")}.get(record.nameID)
        if renamed:
            names.setName(renamed, record.nameID, record.platformID, record.platEncID,
                          record.langID)
    out = io.BytesIO()
    face.save(out)
    return out.getvalue()


def array(name, data):
    rows = ",\n    ".join(",".join(str(b) for b in data[i:i + 24])
                          for i in range(0, len(data), 24))
    return (f"const unsigned char {name}Bytes[] = {{\n    {rows}\n}};\n"
            f"}} // namespace\nconst FontFile {name}{{{name}Bytes, sizeof {name}Bytes}};\n"
            f"namespace {{\n")


def main(header, family, output, regular, bold):
    text = caption_text(header)
    source = ("// Made by cut_caption_faces.py from Amiri (SIL Open Font License 1.1); "
              "do not edit.\n#include \"resources/caption_faces.h\"\n"
              "namespace caption_faces {\nnamespace {\n")
    source += array("regular", cut(regular, text, family))
    source += array("bold", cut(bold, text, family))
    source += "} // namespace\n} // namespace caption_faces\n"
    with open(output, "w", encoding="utf-8") as f:
        f.write(source)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
