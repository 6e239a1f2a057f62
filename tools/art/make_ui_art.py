#!/usr/bin/python3
"""Builds every window picture of the trainer into assets/ui/ and writes assets/ui/manifest.txt.

Usage: make_ui_art.py [--out DIR] [--keep-svg DIR]

Each picture is an SVG composed from the shared drawing functions and rendered to JPEG by
svg_to_jpeg.py; the output depends only on this source, so a rebuild gives the same files.
Each picture is also rendered at twice its size as NAME@2x.jpg, for high-density screens.
The manifest has one line per rendering: its path under DIR, its width and its height."""
import argparse
import os
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import art_companion  # noqa: E402
import art_dialogs  # noqa: E402
import art_main_window  # noqa: E402
from art_shapes import document  # noqa: E402
from svg_to_jpeg import SCALES, render, scaled_name  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def all_pictures():
    pictures = (art_main_window.pictures() + art_dialogs.pictures()
                + art_companion.pictures())
    paths = [p for p, _, _ in pictures]
    duplicates = {p for p in paths if paths.count(p) > 1}
    if duplicates:
        raise SystemExit(f"pictures defined twice: {sorted(duplicates)}")
    return pictures


def build(out_dir, svg_dir):
    pictures = all_pictures()

    def one(picture):
        path, (x, y, w, h), layers = picture
        svg_path = os.path.join(svg_dir, os.path.splitext(path)[0] + ".svg")
        os.makedirs(os.path.dirname(svg_path), exist_ok=True)
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(document(x, y, w, h, layers))
        target = os.path.join(out_dir, os.path.dirname(path))
        os.makedirs(target, exist_ok=True)
        stem = os.path.splitext(path)[0]
        for scale in SCALES:
            render(svg_path, target, scale)
        return [f"{scaled_name(stem, s)} {w * s} {h * s}" for s in SCALES]

    with ThreadPoolExecutor(max_workers=2) as pool:
        lines = sorted(line for made in pool.map(one, pictures) for line in made)
    wanted = {os.path.normpath(os.path.join(out_dir, scaled_name(os.path.splitext(p)[0], s)))
              for p, _, _ in pictures for s in SCALES}
    for root, _, files in os.walk(out_dir):
        for name in files:
            full = os.path.normpath(os.path.join(root, name))
            if name.endswith(".jpg") and full not in wanted:
                os.remove(full)  # a picture that is no longer made
    with open(os.path.join(out_dir, "manifest.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    return len(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(REPO, "assets", "ui"))
    parser.add_argument("--keep-svg", help="also keep the SVG sources in this folder")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    if args.keep_svg:
        count = build(args.out, args.keep_svg)
    else:
        with tempfile.TemporaryDirectory() as svg_dir:
            count = build(args.out, svg_dir)
    print(f"{count} renderings in {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
