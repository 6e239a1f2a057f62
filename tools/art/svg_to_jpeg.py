#!/usr/bin/python3
"""Renders SVG drawings to JPEG at the size the drawing declares.

Usage: svg_to_jpeg.py OUT_DIR FILE.svg...   (each FILE.svg becomes OUT_DIR/FILE.jpg and,
drawn at twice the size for high-density screens, OUT_DIR/FILE@2x.jpg)

rsvg-convert draws the SVG onto white; Pillow writes a baseline JPEG. The output depends only
on the source, so running it again gives the same bytes.
"""
import io
import os
import subprocess
import sys

from PIL import Image


# The renderings made of every drawing: its own size, and twice it for high-density screens.
SCALES = (1, 2)


def scaled_name(stem: str, scale: int) -> str:
    return f"{stem}.jpg" if scale == 1 else f"{stem}@{scale}x.jpg"


def render(svg_path: str, out_dir: str, scale: int = 1) -> str:
    png = subprocess.run(
        ["rsvg-convert", "--format=png", "--background-color=white", f"--zoom={scale}",
         svg_path],
        check=True, capture_output=True).stdout
    image = Image.open(io.BytesIO(png)).convert("RGB")
    name = scaled_name(os.path.splitext(os.path.basename(svg_path))[0], scale)
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
        for scale in SCALES:
            out = render(svg, out_dir, scale)
            with Image.open(out) as im:
                print(f"{out}: {im.width} x {im.height}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
