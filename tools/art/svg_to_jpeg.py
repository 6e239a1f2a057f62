#!/usr/bin/python3
"""Renders SVG drawings to JPEG at the size the drawing declares.

Usage: svg_to_jpeg.py OUT_DIR FILE.svg...   (each FILE.svg becomes OUT_DIR/FILE.jpg)

rsvg-convert draws the SVG onto white; Pillow writes a baseline JPEG. The output depends only
on the source, so running it again gives the same bytes.
"""
import io
import os
import subprocess
import sys

from PIL import Image


def render(svg_path: str, out_dir: str) -> str:
    png = subprocess.run(
        ["rsvg-convert", "--format=png", "--background-color=white", svg_path],
        check=True, capture_output=True).stdout
    image = Image.open(io.BytesIO(png)).convert("RGB")
    name = os.path.splitext(os.path.basename(svg_path))[0] + ".jpg"
    out_path = os.path.join(out_dir, name)
    image.save(out_path, "JPEG", quality=92, optimize=True)
    return out_path


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for svg in argv[2:]:
        out = render(svg, out_dir)
        with Image.open(out) as im:
            print(f"{out}: {im.width} x {im.height}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
