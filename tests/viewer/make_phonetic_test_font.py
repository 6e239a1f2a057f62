"""Makes a small test font from DejaVu Sans whose "@" and "#" draw U+0259 and U+028C.

Usage: make_phonetic_test_font.py DejaVuSans.ttf out.ttf
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "ViewerTestPhonetic"


def main(source, target):
    font = TTFont(source)
    options = subset.Options()
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[0x20, 0x23, 0x40, 0x259, 0x28C])
    subsetter.subset(font)

    glyphs = font.getBestCmap()
    schwa, wedge = glyphs[0x259], glyphs[0x28C]
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap[0x40] = schwa
            table.cmap[0x23] = wedge

    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID == 3:
            record.string = FAMILY + " test"
        elif record.nameID == 6:
            record.string = FAMILY
        elif record.nameID == 2:
            record.string = "Regular"
    font.save(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
