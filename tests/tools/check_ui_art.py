#!/usr/bin/python3
"""Checks the window pictures in assets/ui against their manifest and the window layouts.

Usage: check_ui_art.py UI_DIR

1. Every manifest line names a file that exists, decodes completely as JPEG and has the size
   the line gives; every JPEG under UI_DIR is in the manifest.
2. Every picture the windows need is there, at the size of its control, and every picture has
   its rendering for high-density screens, NAME@2x.jpg, at exactly twice its size.
3. A picture drawn inside another (a button drawn in the background, a message picture, the
   first mascot frame) matches the region of the other it lies over, so hiding or showing the
   control changes nothing; pictures laid over a background blend into it at their edges."""
import os
import sys

from PIL import Image, ImageChops, ImageStat

BUTTON_164 = (164, 35)
ROUND = (45, 45)
YEAR = (158, 25)
TILE = (31, 31)
MASCOT = (205, 220)

MAIN = {"Back": (800, 600), "MenuBack": (165, 326), "SetkaBack": (172, 277),
        "SetkaRez": (173, 251), "QABack": (590, 476), "ViewerBack": (586, 474),
        "PimImg1": MASCOT, "PimImg2": MASCOT}
MAIN.update({f"{kind}List_{k}": MASCOT for kind in ("Bad", "Gud", "Best") for k in range(5)})
MAIN_BUTTONS = {name: BUTTON_164 for name in ("StartBtn", "InfoBtn", "ExitBtn", "EnterBtn",
                                               "LaterBtn", "EndTestBtn", "TestBtn")}
MAIN_BUTTONS.update({name: ROUND for name in ("MinBtn", "HelpBtn", "CloseBtn")})
MAIN_BUTTONS.update({f"Btn{year}": YEAR for year in [0] + list(range(2000, 2007))})
MAIN_BUTTONS.update({f"A{k}Btn": TILE for k in range(1, 6)})
MAIN_BUTTONS["RezBtn"] = YEAR

SMALL_DIALOG = (250, 400)
DIALOGS = {
    "TTestCloseForm": ({"Back": SMALL_DIALOG}, {"YesBtn": (101, 41), "NoBtn": (101, 41)}),
    "TEndTestForm": ({"Back": SMALL_DIALOG}, {"YesBtn": (101, 41), "NoBtn": (101, 41)}),
    "TTestErrorForm": ({"Back": SMALL_DIALOG, "YearImg": (116, 50), "ClassImg": (114, 44),
                        "AnswerImg": (116, 47), "PimList_0": (200, 220),
                        "PimList_1": (200, 220), "PimList_2": (200, 220)},
                       {"OKBtn": (165, 41)}),
    "TTimeForm": ({"Back": SMALL_DIALOG, "Time": (127, 49), "AllQ": (184, 46)},
                  {"RezBtn": (165, 41)}),
    "THelpForm": ({"Back": (500, 500)}, {"CloseBtn": ROUND}),
}


def required_pictures():
    """path -> (width, height) of every picture the windows use."""
    out = {f"main/{name}.jpg": size for name, size in MAIN.items()}
    groups = [("main", {}, MAIN_BUTTONS)] + [(f, p, b) for f, (p, b) in DIALOGS.items()]
    for folder, plain, buttons in groups:
        out.update({f"{folder}/{name}.jpg": size for name, size in plain.items()})
        for name, size in buttons.items():
            out[f"{folder}/{name}.jpg"] = size
            out[f"{folder}/{name}_lit.jpg"] = size
    return out


# (background, its left and top in the window, picture, its left and top in the window)
# for pictures that are drawn identically inside the background under them.
DRAWN_IN_BACKGROUND = [
    ("main/Back.jpg", (0, 0), "main/StartBtn.jpg", (216, 541)),
    ("main/Back.jpg", (0, 0), "main/InfoBtn.jpg", (415, 541)),
    ("main/Back.jpg", (0, 0), "main/ExitBtn.jpg", (614, 542)),
    ("main/Back.jpg", (0, 0), "main/MinBtn.jpg", (639, 17)),
    ("main/Back.jpg", (0, 0), "main/HelpBtn.jpg", (687, 16)),
    ("main/Back.jpg", (0, 0), "main/CloseBtn.jpg", (735, 16)),
    ("main/SetkaRez.jpg", (20, 255), "main/RezBtn.jpg", (27, 264)),
    ("TTestErrorForm/Back.jpg", (0, 0), "TTestErrorForm/YearImg.jpg", (66, 32)),
    ("TTestErrorForm/Back.jpg", (0, 0), "TTestErrorForm/PimList_0.jpg", (31, 100)),
    ("THelpForm/Back.jpg", (0, 0), "THelpForm/CloseBtn.jpg", (442, 13)),
] + [("main/MenuBack.jpg", (22, 215), f"main/Btn{year}.jpg", at)
     for year, at in [(0, (26, 218)), (2000, (26, 246)), (2001, (26, 273)), (2002, (25, 301)),
                      (2003, (26, 329)), (2004, (26, 357)), (2005, (26, 385)),
                      (2006, (26, 413))]] + \
    [("main/QABack.jpg", (201, 59), f"main/A{k}Btn.jpg", at)
     for k, at in [(1, (213, 298)), (2, (213, 385)), (3, (504, 298)), (4, (504, 385)),
                   (5, (363, 472))]]

# Pictures that cover part of a background: their outermost pixels must continue it.
LAID_OVER_BACKGROUND = [
    ("TTestErrorForm/Back.jpg", (0, 0), "TTestErrorForm/ClassImg.jpg", (69, 34)),
    ("TTestErrorForm/Back.jpg", (0, 0), "TTestErrorForm/AnswerImg.jpg", (69, 32)),
    ("TTestErrorForm/Back.jpg", (0, 0), "TTestErrorForm/PimList_1.jpg", (31, 100)),
    ("TTestErrorForm/Back.jpg", (0, 0), "TTestErrorForm/PimList_2.jpg", (31, 100)),
    ("TTimeForm/Back.jpg", (0, 0), "TTimeForm/Time.jpg", (59, 30)),
    ("TTimeForm/Back.jpg", (0, 0), "TTimeForm/AllQ.jpg", (32, 36)),
    ("main/Back.jpg", (0, 0), "main/PimImg2.jpg", (0, 0)),
] + [("main/Back.jpg", (0, 0), f"main/{kind}List_{k}.jpg", (0, 0))
     for kind in ("Bad", "Gud", "Best") for k in range(5)]

# Mean difference per channel, 0..255. Aligned pictures differ only by JPEG noise (below 5);
# one pixel of misalignment gives more than 7.
MATCH_LIMIT = 6.0
EDGE_LIMIT = 4.0


def read_manifest(ui_dir):
    entries = {}
    with open(os.path.join(ui_dir, "manifest.txt"), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split()
            if len(fields) != 3:
                raise ValueError(f"manifest.txt:{number}: expected 'path width height'")
            entries[fields[0]] = (int(fields[1]), int(fields[2]))
    return entries


def check_manifest(ui_dir, manifest, errors):
    """Returns the paths of the pictures that can be read."""
    readable = set()
    for path, size in manifest.items():
        full = os.path.join(ui_dir, path)
        if not os.path.isfile(full):
            errors.append(f"{path}: missing")
            continue
        try:
            with Image.open(full) as im:
                im.load()
                if im.format != "JPEG":
                    errors.append(f"{path}: {im.format}, not JPEG")
                if im.size != size:
                    errors.append(f"{path}: {im.size[0]}x{im.size[1]}, manifest says "
                                  f"{size[0]}x{size[1]}")
                readable.add(path)
        except OSError as error:
            errors.append(f"{path}: does not decode: {error}")
    for root, _, files in os.walk(ui_dir):
        for name in files:
            rel = os.path.relpath(os.path.join(root, name), ui_dir).replace(os.sep, "/")
            if name.endswith(".jpg") and rel not in manifest:
                errors.append(f"{rel}: not in the manifest")
    return readable


def check_twice_size(manifest, errors):
    for path, (w, h) in manifest.items():
        if "@2x" in path:
            continue
        twice = path[:-len(".jpg")] + "@2x.jpg"
        if twice not in manifest:
            errors.append(f"{path}: no {twice}")
        elif manifest[twice] != (2 * w, 2 * h):
            errors.append(f"{twice}: {manifest[twice][0]}x{manifest[twice][1]}, twice {path} "
                          f"is {2 * w}x{2 * h}")


def check_required(manifest, errors):
    for path, size in required_pictures().items():
        if path not in manifest:
            errors.append(f"{path}: needed by a window, not in the manifest")
        elif manifest[path] != size:
            errors.append(f"{path}: listed as {manifest[path]}, its control is {size}")


def _load(ui_dir, path):
    with Image.open(os.path.join(ui_dir, path)) as im:
        return im.convert("RGB")


def _region(background, background_at, picture, picture_at):
    x = picture_at[0] - background_at[0]
    y = picture_at[1] - background_at[1]
    return background.crop((x, y, x + picture.width, y + picture.height))


def _mean_difference(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def _edge(image):
    """The outermost ring of pixels, as a one-row image."""
    w, h = image.size
    pixels = ([image.getpixel((x, 0)) for x in range(w)]
              + [image.getpixel((x, h - 1)) for x in range(w)]
              + [image.getpixel((0, y)) for y in range(1, h - 1)]
              + [image.getpixel((w - 1, y)) for y in range(1, h - 1)])
    ring = Image.new("RGB", (len(pixels), 1))
    ring.putdata(pixels)
    return ring


def _at_scale(path, at, scale):
    if scale == 1:
        return path, at
    return path[:-len(".jpg")] + f"@{scale}x.jpg", (at[0] * scale, at[1] * scale)


def check_placement(ui_dir, readable, errors):
    for cases, limit, compare in ((DRAWN_IN_BACKGROUND, MATCH_LIMIT, lambda a, b: (a, b)),
                                  (LAID_OVER_BACKGROUND, EDGE_LIMIT,
                                   lambda a, b: (_edge(a), _edge(b)))):
        for case in cases:
            for scale in (1, 2):
                background_path, background_at = _at_scale(case[0], case[1], scale)
                path, at = _at_scale(case[2], case[3], scale)
                if background_path not in readable or path not in readable:
                    continue  # reported already
                background = _load(ui_dir, background_path)
                picture = _load(ui_dir, path)
                region = _region(background, background_at, picture, at)
                difference = _mean_difference(*compare(region, picture))
                if difference > limit:
                    errors.append(f"{path}: differs from {background_path} where it lies "
                                  f"(mean difference {difference:.1f}, limit {limit})")


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    ui_dir = argv[1]
    errors = []
    manifest = read_manifest(ui_dir)
    readable = check_manifest(ui_dir, manifest, errors)
    check_required(manifest, errors)
    check_twice_size(manifest, errors)
    check_placement(ui_dir, readable, errors)
    for error in errors:
        print(error)
    print(f"{len(manifest)} pictures checked, {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
