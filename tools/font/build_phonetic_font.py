#!/usr/bin/python3
"""Builds the phonetic font Fonts/SILDoulosIPA.ttf from DejaVu Sans.

Usage: build_phonetic_font.py [OUT_DIR]   (default: assets/Fonts of this repository)

The question texts write the two phonetic symbols as "@" and "#" in the face SILDoulosIPA, so
this font draws "@" as the schwa (U+0259) and "#" as the turned v (U+028C), and every other
character as DejaVu Sans does. It keeps Latin, IPA, Greek, Cyrillic and common punctuation so
that no substitute font shows for ordinary text. DejaVu's licence allows modified versions
under a name without "Bitstream", "Vera", "Arev" or "Tavmjong Bah"; its notices (name records
0, 13 and 14) are kept, and the licence text is written beside the font."""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SOURCE_COPYRIGHT = "/usr/share/doc/fonts-dejavu-core/copyright"
FAMILY = "SILDoulosIPA"
FONT_FILE = FAMILY + ".ttf"
LICENCE_FILE = FAMILY + "-LICENSE.txt"
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Characters drawn with another character's glyph: code -> code whose glyph it takes.
REMAP = {ord("@"): 0x0259, ord("#"): 0x028C}

KEPT_RANGES = [
    (0x0020, 0x007E),  # ASCII
    (0x00A0, 0x017F),  # Latin-1 and Latin Extended-A
    (0x0250, 0x036F),  # IPA, spacing modifiers, combining marks (stress)
    (0x0370, 0x03FF),  # Greek
    (0x0400, 0x052F),  # Cyrillic
    (0x2010, 0x2044),  # dashes, quotes, ellipsis
    (0x20AC, 0x20AC),  # euro
    (0x2116, 0x2116),  # numero sign
    (0x2190, 0x21FF),  # arrows
]


def kept_codes():
    return [c for lo, hi in KEPT_RANGES for c in range(lo, hi + 1)]


def remap_characters(font):
    for table in font["cmap"].tables:
        if not table.isUnicode():
            continue
        for code, source in REMAP.items():
            if source in table.cmap:
                table.cmap[code] = table.cmap[source]


def subset_font(font):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = True
    options.name_legacy = True
    options.drop_tables += ["FFTM", "MATH"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=kept_codes())
    subsetter.subset(font)


def rename(font):
    name = font["name"]
    version = name.getDebugName(5) or ""
    records = {
        1: FAMILY,
        2: "Regular",
        3: f"{FAMILY}: phonetic build of DejaVu Sans {version}",
        4: FAMILY,
        5: f"{version}; phonetic build",
        6: FAMILY,
    }
    for record in list(name.names):
        if record.nameID in (16, 17):
            name.removeNames(nameID=record.nameID)
    for name_id, value in records.items():
        name.setName(value, name_id, 3, 1, 0x409)
        name.setName(value, name_id, 1, 0, 0)
    copyright_note = (name.getDebugName(0) or "").rstrip()
    note = (copyright_note + "\nModified: a subset of DejaVu Sans in which \"@\" draws as U+0259"
            " and \"#\" as U+028C, renamed " + FAMILY + ".")
    name.setName(note, 0, 3, 1, 0x409)
    name.setName(note, 0, 1, 0, 0)


def build(out_dir):
    font = TTFont(SOURCE, recalcTimestamp=False)
    remap_characters(font)
    subset_font(font)
    rename(font)
    os.makedirs(out_dir, exist_ok=True)
    font_path = os.path.join(out_dir, FONT_FILE)
    font.save(font_path)
    write_licence(font, os.path.join(out_dir, LICENCE_FILE))
    return font_path


def write_licence(font, path):
    licence_text = font["name"].getDebugName(13) or ""
    with open(SOURCE_COPYRIGHT, encoding="utf-8") as f:
        debian_copyright = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(f"{FONT_FILE} is a modified version of DejaVu Sans "
                f"({os.path.basename(SOURCE)}, Debian package fonts-dejavu-core):\n"
                "a subset of its characters in which \"@\" is drawn as the schwa (U+0259) and\n"
                "\"#\" as the turned v (U+028C), renamed as its licence requires. The licence\n"
                "of DejaVu Sans, as recorded in the font, and the Debian copyright file of the\n"
                "package it comes from follow.\n\n")
        f.write("=" * 72 + "\nLicence recorded in the font\n" + "=" * 72 + "\n\n")
        f.write(licence_text.strip() + "\n\n")
        f.write("=" * 72 + f"\n{SOURCE_COPYRIGHT}\n" + "=" * 72 + "\n\n")
        f.write(debian_copyright)


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.join(REPO, "assets", "Fonts")
    print(build(out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
