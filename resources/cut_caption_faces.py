#!/usr/bin/python3
"""Cuts from installed faces the glyphs of the window's captions, each under a family name of
its own, and writes them as C++ data for the program to register at start. A few dozen glyphs
load and shape at a fraction of the cost of a whole face, and draw exactly as it does.

    cut_caption_faces.py CAPTIONS_HEADER OUTPUT_CPP (SYMBOL FAMILY TTF KEEP)...

KEEP names the script whose reference letters the cut keeps as well: FreeType's auto-hinter
sets the heights it aligns a script's glyphs to from letters such as H, O, x and p in Latin,
alef, lam and kaf in Arabic, and a cut without them would hint, and so draw, its letters
otherwise.
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
    # A name of its own: the licences reserve the faces' names for the faces whole, and the
    # installed face is never mistaken for the cut.
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


def main(header, output, *faces):
    if not faces or len(faces) % 4:
        sys.exit(__doc__)
    text = caption_text(header)
    reference = {"latin": "".join(map(chr, range(0x20, 0x7f))),  # all printable ASCII
                 "arabic": "\u0627\u0625\u0644\u0643\u0637\u0638\u062a\u062b\u0640"}
    source = ("// Made by cut_caption_faces.py; do not edit.\n"
              "#include \"resources/caption_faces.h\"\n"
              "namespace caption_faces {\nnamespace {\n")
    for symbol, family, path, keep in zip(*[iter(faces)] * 4):
        source += array(symbol, cut(path, text + reference[keep], family))
    source += "} // namespace\n} // namespace caption_faces\n"
    with open(output, "w", encoding="utf-8") as f:
        f.write(source)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
