#!/usr/bin/python3
"""Checks the phonetic font against the font it is built from.

Usage: check_phonetic_font.py FONT BASE_FONT LICENCE

The family is SILDoulosIPA; "@" and "#" have exactly the outlines and advances of U+0259 and
U+028C of the base font; ASCII and Cyrillic keep their base glyphs; the names the base font's
licence forbids in a derived font appear in no name record but the notices; the licence text
beside the font holds both licences."""
import sys

from fontTools.pens.recordingPen import RecordingPen
from fontTools.ttLib import TTFont

FAMILY = "SILDoulosIPA"
DRAWN_AS = {ord("@"): 0x0259, ord("#"): 0x028C}
KEPT = ([c for c in range(0x20, 0x7F) if c not in DRAWN_AS]
        + list(range(0x0410, 0x0450)) + [0x0401, 0x0451, 0x00AB, 0x00BB, 0x2014, 0x2116])
FORBIDDEN = ("bitstream", "vera", "arev", "tavmjong bah")
NOTICE_RECORDS = (0, 13, 14)  # copyright, licence, licence URL: kept as the licence asks


def outline(font, code):
    glyph_set = font.getGlyphSet()
    name = font.getBestCmap()[code]
    pen = RecordingPen()
    glyph_set[name].draw(pen)
    return pen.value, font["hmtx"][name][0]


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    font, base = TTFont(argv[1]), TTFont(argv[2])
    errors = []
    cmap = font.getBestCmap()

    families = {r.toUnicode() for r in font["name"].names if r.nameID in (1, 4, 6)}
    if families != {FAMILY}:
        errors.append(f"family, full and PostScript names are {sorted(families)}")

    for code, source in DRAWN_AS.items():
        if code not in cmap:
            errors.append(f"{chr(code)!r} is missing")
        elif outline(font, code) != outline(base, source):
            errors.append(f"{chr(code)!r} is not drawn as U+{source:04X} of the base font")

    for code in KEPT:
        if code not in cmap:
            errors.append(f"U+{code:04X} is missing, a substitute font would show")
        elif outline(font, code) != outline(base, code):
            errors.append(f"U+{code:04X} differs from the base font")

    for record in font["name"].names:
        text = record.toUnicode().lower()
        if record.nameID not in NOTICE_RECORDS and any(w in text for w in FORBIDDEN):
            errors.append(f"name record {record.nameID} uses a reserved name: {text!r}")
    if any(r.nameID == 13 for r in base["name"].names) and \
            not any(r.nameID == 13 for r in font["name"].names):
        errors.append("the licence record (13) was dropped")

    with open(argv[3], encoding="utf-8") as f:
        licence = f.read()
    for needed in ("Bitstream Vera Fonts Copyright", "Arev Fonts Copyright",
                   "only if the fonts\nare renamed"):
        if needed not in licence:
            errors.append(f"licence text lacks {needed!r}")

    for error in errors:
        print(error)
    print(f"{argv[1]}: {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
