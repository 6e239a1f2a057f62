"""Buttons, tiles and panels: each drawn inside the rectangle its control occupies."""
from art_shapes import (NAVY, darker, lighter, rounded_rect_path, shadowed_text, text,
                        text_lines)

# Resting and lit colours of the coloured buttons: the lit look is brighter and more saturated.
COLOURS = {
    "green": ("#36a052", "#2fbd55"),
    "blue": ("#3b78c9", "#2f8bf5"),
    "red": ("#de5634", "#f8521f"),
    "pink": ("#e9578a", "#fb4a8c"),
    "yellow": ("#f2bd2c", "#ffcf1a"),
    "violet": ("#8650c4", "#9b4cf5"),
}

RED_TEXT = "#e0141b"


def _glossy(path, colour, defs, stroke_width=1.8):
    return (f'<path d="{path}" fill="{defs.vgrad(lighter(colour, 0.28), darker(colour, 0.06))}" '
            f'stroke="{darker(colour, 0.38)}" stroke-width="{stroke_width}"/>')


def pill_button(x, y, w, h, label, colour, lit, defs, size=16):
    """A rounded button with white lettering, its shadow inside the control's rectangle."""
    base = COLOURS[colour][1 if lit else 0]
    bx, by, bw, bh = x + 2, y + 1.5, w - 4.5, h - 5
    r = bh / 2
    path = rounded_rect_path(bx, by, bw, bh, r)
    gloss = rounded_rect_path(bx + r * 0.6, by + 2.5, bw - r * 1.2, bh * 0.38, bh * 0.19)
    glow = ""
    if lit:
        glow = (f'<path d="{rounded_rect_path(bx - 0.5, by - 0.5, bw + 1, bh + 1, r + 0.5)}" '
                f'fill="none" stroke="#fff6b0" stroke-width="1.5" stroke-opacity="0.9"/>')
    return (f'<g filter="{defs.shadow(1.3, 1.2, 1.8, 0.35)}">{_glossy(path, base, defs)}</g>'
            f'<path d="{gloss}" fill="#ffffff" fill-opacity="{0.3 if lit else 0.22}"/>' + glow
            + shadowed_text(x + w / 2 - 0.5, by + bh / 2 + size * 0.36, label, size))


def round_button(x, y, size, kind, lit, defs):
    """The circular window buttons: minimise (bar), help (?) and close (cross).

    The circle keeps clear of the lowest rows of its rectangle, which the panels below it
    overlap."""
    colour = {"min": "yellow", "help": "green", "close": "violet"}[kind]
    base = COLOURS[colour][1 if lit else 0]
    cx, cy, r = x + size / 2 - 0.5, y + 20.5, 17.5
    mark_colour = "#6e4208" if kind == "min" else "#ffffff"
    if kind == "min":
        mark = (f'<rect x="{cx - 8}" y="{cy + 2}" width="16" height="4.5" rx="2.2" '
                f'fill="{mark_colour}"/>')
    elif kind == "help":
        mark = text(cx, cy + 7.5, "?", 22, mark_colour)
    else:
        mark = (f'<path d="M{cx - 6.5},{cy - 6.5} L{cx + 6.5},{cy + 6.5} M{cx + 6.5},{cy - 6.5} '
                f'L{cx - 6.5},{cy + 6.5}" stroke="{mark_colour}" stroke-width="4.2" '
                f'stroke-linecap="round"/>')
    ring = (f'<circle cx="{cx}" cy="{cy}" r="{r + 1.3}" fill="none" stroke="#fff6b0" '
            f'stroke-width="1.6"/>' if lit else "")
    return (f'<g filter="{defs.shadow(1.2, 1, 1.6, 0.35)}"><circle cx="{cx}" cy="{cy}" r="{r}" '
            f'fill="{defs.rgrad(lighter(base, 0.45), base, 0.38, 0.28)}" '
            f'stroke="{darker(base, 0.38)}" stroke-width="1.8"/></g>'
            f'<ellipse cx="{cx - 3}" cy="{cy - 9}" rx="9" ry="4.5" fill="#ffffff" '
            f'fill-opacity="0.35"/>' + ring + mark)


def list_button(x, y, w, h, label, lit, defs):
    """A year button or the results button: cream when resting, gold with red text when lit."""
    top, bottom, edge = (("#fffbe0", "#ffd650", "#ef8a1e") if lit
                         else ("#fffdf6", "#ffe9b3", "#dc9f45"))
    path = rounded_rect_path(x + 1, y + 0.8, w - 2.5, h - 2.6, 7)
    return (f'<g filter="{defs.shadow(0.8, 0.8, 1.1, 0.3)}">'
            f'<path d="{path}" fill="{defs.vgrad(top, bottom)}" stroke="{edge}" '
            f'stroke-width="1.5"/></g>'
            + text(x + w / 2 - 0.5, y + h / 2 + 4.2, label, 14.5, RED_TEXT if lit else NAVY))


def letter_tile(x, y, size, letter, lit, defs):
    """An answer letter tile: yellow when resting, orange when lit."""
    top, bottom, edge = (("#ffc16c", "#ff8418", "#b9560b") if lit
                         else ("#fff08e", "#ffc928", "#c98d0c"))
    path = rounded_rect_path(x + 1.5, y + 1, size - 4, size - 4, 6)
    return (f'<g filter="{defs.shadow(0.9, 1, 1.3, 0.35)}">'
            f'<path d="{path}" fill="{defs.vgrad(top, bottom)}" stroke="{edge}" '
            f'stroke-width="1.6"/></g>'
            f'<path d="{rounded_rect_path(x + 4, y + 3, size - 9, (size - 4) * 0.38, 4)}" '
            f'fill="#ffffff" fill-opacity="0.35"/>'
            + text(x + size / 2 - 0.5, y + size / 2 + 5.2, letter, 18, "#5a2a06"))


def dialog_button(x, y, w, h, label, colour, lit, defs, size=19):
    """A dialog button: a rounded slab with white lettering."""
    base = COLOURS[colour][1 if lit else 0]
    bx, by, bw, bh = x + 2, y + 1.5, w - 5, h - 5.5
    path = rounded_rect_path(bx, by, bw, bh, 12)
    gloss = rounded_rect_path(bx + 8, by + 3, bw - 16, bh * 0.36, 6)
    glow = (f'<path d="{rounded_rect_path(bx - 0.5, by - 0.5, bw + 1, bh + 1, 12.5)}" '
            f'fill="none" stroke="#fff6b0" stroke-width="1.6"/>' if lit else "")
    return (f'<g filter="{defs.shadow(1.4, 1.3, 2, 0.35)}">{_glossy(path, base, defs, 2)}</g>'
            f'<path d="{gloss}" fill="#ffffff" fill-opacity="{0.3 if lit else 0.22}"/>' + glow
            + shadowed_text(x + w / 2 - 1, by + bh / 2 + size * 0.36, label, size))


def words(cx, cy, lines, size, colour=NAVY):
    """Lettering of a message, centred on (cx, cy)."""
    return text_lines(cx, cy, lines, size, colour)
