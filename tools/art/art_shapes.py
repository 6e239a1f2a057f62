"""SVG building blocks shared by every window picture: documents, text, paper, leaves, pins."""
import math

from PIL import ImageFont

FONT = "Liberation Sans"
FONT_FILE = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
NAVY = "#1f3a7a"
INK = "#2b2118"


class Defs:
    """Collects gradients and clip paths of one drawing; ids stay unique within it."""

    def __init__(self):
        self._items = {}
        self._count = 0

    def _new_id(self, prefix):
        self._count += 1
        return f"{prefix}{self._count}"

    def vgrad(self, top, bottom, mid=None):
        """A top-to-bottom gradient over the shape's own box."""
        key = ("v", top, mid, bottom)
        if key not in self._items:
            gid = self._new_id("g")
            stops = [(0, top)] + ([(0.5, mid)] if mid else []) + [(1, bottom)]
            body = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
            self._items[key] = (gid, f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
                                     f"{body}</linearGradient>")
        return f"url(#{self._items[key][0]})"

    def rgrad(self, inner, outer, fx=0.35, fy=0.3):
        """A radial gradient lit from the upper left, for round things."""
        key = ("r", inner, outer, fx, fy)
        if key not in self._items:
            gid = self._new_id("g")
            self._items[key] = (gid, f'<radialGradient id="{gid}" cx="0.5" cy="0.5" r="0.6" '
                                     f'fx="{fx}" fy="{fy}"><stop offset="0" stop-color="{inner}"/>'
                                     f'<stop offset="1" stop-color="{outer}"/></radialGradient>')
        return f"url(#{self._items[key][0]})"

    def clip(self, shape):
        """A clip path from one SVG shape element (user-space units)."""
        key = ("c", shape)
        if key not in self._items:
            cid = self._new_id("c")
            self._items[key] = (cid, f'<clipPath id="{cid}">{shape}</clipPath>')
        return f"url(#{self._items[key][0]})"

    def shadow(self, blur=1.6, dx=1.5, dy=2.0, opacity=0.35):
        key = ("s", blur, dx, dy, opacity)
        if key not in self._items:
            fid = self._new_id("f")
            self._items[key] = (fid, f'<filter id="{fid}" x="-20%" y="-20%" width="140%" '
                                     f'height="140%"><feGaussianBlur in="SourceAlpha" '
                                     f'stdDeviation="{blur}"/><feOffset dx="{dx}" dy="{dy}"/>'
                                     f'<feComponentTransfer><feFuncA type="linear" '
                                     f'slope="{opacity}"/></feComponentTransfer><feMerge>'
                                     f'<feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>'
                                     f"</filter>")
        return f"url(#{self._items[key][0]})"

    def markup(self):
        return "<defs>" + "".join(v[1] for v in self._items.values()) + "</defs>"


def document(x, y, w, h, layers):
    """An SVG of w x h pixels showing the window area (x, y, w, h) drawn by the layers.

    Each layer is a function of the document's Defs returning SVG markup in window
    coordinates, so every picture of a window is a crop of one shared drawing."""
    defs = Defs()
    body = "".join(layer(defs) for layer in layers)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="{x} {y} {w} {h}">{defs.markup()}{body}</svg>')


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def text(x, y, s, size, fill=NAVY, anchor="middle", weight="bold", family=FONT, extra=""):
    """One line of text with its baseline at y."""
    return (f'<text x="{x:.2f}" y="{y:.2f}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>'
            f"{esc(s)}</text>")


def text_width(s, size):
    """Advance width of bold lettering, for laying out text before it is drawn."""
    return ImageFont.truetype(FONT_FILE, size).getlength(s)


def title(cx, baseline, size, first="Тренажёр", rest="по русскому языку"):
    """The two-tone title, centred on cx."""
    gap = size * 0.3
    w1, w2 = text_width(first, size), text_width(rest, size)
    left = cx - (w1 + gap + w2) / 2
    return (text(left, baseline, first, size, "#e0641e", anchor="start")
            + text(left + w1 + gap, baseline, rest, size, NAVY, anchor="start"))


def text_lines(cx, cy, lines, size, fill=NAVY, leading=1.18):
    """Lines centred as a block on (cx, cy); cap height taken as 0.72 em."""
    step = size * leading
    first = cy - step * (len(lines) - 1) / 2 + size * 0.36
    return "".join(text(cx, first + i * step, s, size, fill) for i, s in enumerate(lines))


def shadowed_text(x, y, s, size, fill="#ffffff", shade="#000000", alpha=0.35):
    return (text(x + 1, y + 1.2, s, size, shade, extra=f'fill-opacity="{alpha}"')
            + text(x, y, s, size, fill))


# Paper -------------------------------------------------------------------------------------

PAPER = "#fffcef"
RULE = "#cfe0f2"
MARGIN = "#f3b3b0"


def ruled_paper(w, h, first_rule=34, step=24, margin_x=None, border="#c7763a"):
    out = [f'<rect x="0" y="0" width="{w}" height="{h}" fill="{PAPER}"/>']
    y = first_rule
    while y < h:
        out.append(f'<line x1="0" y1="{y}" x2="{w}" y2="{y}" stroke="{RULE}" stroke-width="1.2"/>')
        y += step
    if margin_x is not None:
        out.append(f'<line x1="{margin_x}" y1="0" x2="{margin_x}" y2="{h}" stroke="{MARGIN}" '
                   f'stroke-width="1.5"/>')
    if border:
        out.append(f'<rect x="1.5" y="1.5" width="{w - 3}" height="{h - 3}" fill="none" '
                   f'stroke="{border}" stroke-width="3"/>')
    return "".join(out)


def sheet(x, y, w, h, defs, fill="#ffffff"):
    """A plain sheet of paper with a soft shadow."""
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" stroke="#d9d2c2" '
            f'stroke-width="1" filter="{defs.shadow(2.2, 2, 3, 0.3)}"/>')


def pushpin(x, y, color, defs):
    """A pin seen from the front, its point at (x, y)."""
    return (f'<g filter="{defs.shadow(1.2, 1.5, 2, 0.35)}">'
            f'<circle cx="{x}" cy="{y - 2}" r="7.5" '
            f'fill="{defs.rgrad("#ffffff", color, 0.3, 0.25)}" '
            f'stroke="{darker(color)}" stroke-width="1"/>'
            f'<circle cx="{x - 2.5}" cy="{y - 4.5}" r="2" fill="#ffffff" fill-opacity="0.8"/></g>')


def card(x, y, w, h, defs, fill="#ffffff", stroke="#e0953a", r=14, tail=None):
    """A rounded speech card; tail=(tx, ty) adds a pointer from the bottom edge to (tx, ty)."""
    path = rounded_rect_path(x, y, w, h, r)
    shape = f'<path d="{path}" fill="{fill}" stroke="{stroke}" stroke-width="2.5"/>'
    if tail:
        tx, ty = tail
        bx = min(max(tx, x + r + 14), x + w - r - 14)
        shape = (f'<path d="M{bx - 12},{y + h - 2} L{tx},{ty} L{bx + 12},{y + h - 2} Z" '
                 f'fill="{fill}" stroke="{stroke}" stroke-width="2.5" stroke-linejoin="round"/>'
                 + shape
                 + f'<path d="M{bx - 10.5},{y + h - 1.3} L{bx + 10.5},{y + h - 1.3}" '
                   f'stroke="{fill}" stroke-width="3"/>')
    return f'<g filter="{defs.shadow(1.8, 1.5, 2.5, 0.25)}">{shape}</g>'


def rounded_rect_path(x, y, w, h, r):
    return (f"M{x + r},{y} H{x + w - r} A{r},{r} 0 0 1 {x + w},{y + r} V{y + h - r} "
            f"A{r},{r} 0 0 1 {x + w - r},{y + h} H{x + r} A{r},{r} 0 0 1 {x},{y + h - r} "
            f"V{y + r} A{r},{r} 0 0 1 {x + r},{y} Z")


# Colours -----------------------------------------------------------------------------------

def _rgb(c):
    c = c.lstrip("#")
    return [int(c[i:i + 2], 16) for i in (0, 2, 4)]


def _hex(rgb):
    return "#" + "".join(f"{max(0, min(255, round(v))):02x}" for v in rgb)


def mix(a, b, t):
    ra, rb = _rgb(a), _rgb(b)
    return _hex([ra[i] + (rb[i] - ra[i]) * t for i in range(3)])


def darker(c, t=0.35):
    return mix(c, "#000000", t)


def lighter(c, t=0.35):
    return mix(c, "#ffffff", t)


# Leaves ------------------------------------------------------------------------------------

LEAF_COLOURS = {
    "red": ("#e0482a", "#b22f1c"),
    "orange": ("#f08a24", "#c4601a"),
    "yellow": ("#f5c12e", "#c99214"),
    "crimson": ("#c2302e", "#8e1f1e"),
    "green": ("#a4b83a", "#74872a"),
}


def _polar(r, deg):
    a = math.radians(deg)
    return r * math.cos(a), r * math.sin(a)


def _maple_outline():
    """Points of a five-lobed maple leaf pointing up, about 1 unit from centre to tip."""
    lobes = [(-90, 1.0), (-28, 0.9), (28, 0.58), (152, 0.58), (-152, 0.9)]
    lobes.sort(key=lambda lo: lo[0] % 360)
    pts = []
    n = len(lobes)
    for i, (deg, r) in enumerate(lobes):
        nxt_deg, nxt_r = lobes[(i + 1) % n]
        gap = (nxt_deg - deg) % 360
        pts.append(_polar(r, deg))
        pts.append(_polar(r * 0.68, deg + gap * 0.17))
        pts.append(_polar(r * 0.74, deg + gap * 0.26))
        if gap > 100:  # the wide gap at the stalk
            pts.append(_polar(0.22, deg + gap * 0.5 - 8))
            pts.append(_polar(0.12, deg + gap * 0.5))
            pts.append(_polar(0.22, deg + gap * 0.5 + 8))
        else:
            pts.append(_polar(0.36, deg + gap * 0.5))
        pts.append(_polar(nxt_r * 0.74, nxt_deg - gap * 0.26))
        pts.append(_polar(nxt_r * 0.68, nxt_deg - gap * 0.17))
    return pts, lobes


_MAPLE = _maple_outline()


def maple_leaf(x, y, size, angle, colour, defs):
    fill, vein = LEAF_COLOURS[colour]
    pts, lobes = _MAPLE
    d = "M" + " L".join(f"{px * size:.2f},{py * size:.2f}" for px, py in pts) + " Z"
    veins = "".join(
        f'<line x1="0" y1="{0.1 * size:.2f}" x2="{_polar(r * size * 0.8, deg)[0]:.2f}" '
        f'y2="{_polar(r * size * 0.8, deg)[1]:.2f}"/>' for deg, r in lobes)
    stalk = f'<path d="M0,{0.05 * size:.2f} Q{0.05 * size:.2f},{0.5 * size:.2f} ' \
            f'{-0.05 * size:.2f},{0.75 * size:.2f}" fill="none"/>'
    return (f'<g transform="translate({x},{y}) rotate({angle})">'
            f'<path d="{d}" fill="{defs.rgrad(lighter(fill, 0.25), fill, 0.4, 0.35)}" '
            f'stroke="{vein}" stroke-width="{max(0.8, size * 0.03):.2f}" stroke-linejoin="round"/>'
            f'<g stroke="{vein}" stroke-width="{max(0.7, size * 0.035):.2f}" '
            f'stroke-linecap="round">{veins}{stalk}</g></g>')


def oak_leaf(x, y, size, angle, colour, defs):
    """An oak leaf pointing up: a long oval with rounded lobes."""
    fill, vein = LEAF_COLOURS[colour]
    pts = []
    steps = 96
    for i in range(steps):
        t = 2 * math.pi * i / steps
        wave = 1 + 0.16 * math.cos(7 * t) ** 2 - 0.08
        px = 0.45 * size * math.sin(t) * wave
        py = -size * math.cos(t) * (1.0 if math.cos(t) > 0 else 0.8)
        pts.append((px, py))
    d = "M" + " L".join(f"{px:.2f},{py:.2f}" for px, py in pts) + " Z"
    veins = "".join(
        f'<line x1="0" y1="{py:.2f}" x2="{side * 0.28 * size:.2f}" y2="{py - 0.18 * size:.2f}"/>'
        for py in (-0.5 * size, -0.15 * size, 0.2 * size) for side in (-1, 1))
    return (f'<g transform="translate({x},{y}) rotate({angle})">'
            f'<path d="{d}" fill="{defs.rgrad(lighter(fill, 0.25), fill, 0.4, 0.35)}" '
            f'stroke="{vein}" stroke-width="{max(0.8, size * 0.03):.2f}"/>'
            f'<g stroke="{vein}" stroke-width="{max(0.7, size * 0.03):.2f}" '
            f'stroke-linecap="round">'
            f'<line x1="0" y1="{-0.9 * size:.2f}" x2="0" y2="{1.05 * size:.2f}"/>{veins}'
            f"</g></g>")


def birch_leaf(x, y, size, angle, colour, defs):
    """A small pointed oval leaf."""
    fill, vein = LEAF_COLOURS[colour]
    s = size
    d = (f"M0,{-s:.2f} C{0.55 * s:.2f},{-0.55 * s:.2f} {0.6 * s:.2f},{0.35 * s:.2f} 0,{0.7 * s:.2f}"
         f" C{-0.6 * s:.2f},{0.35 * s:.2f} {-0.55 * s:.2f},{-0.55 * s:.2f} 0,{-s:.2f} Z")
    return (f'<g transform="translate({x},{y}) rotate({angle})">'
            f'<path d="{d}" fill="{defs.rgrad(lighter(fill, 0.3), fill, 0.4, 0.35)}" '
            f'stroke="{vein}" stroke-width="{max(0.8, s * 0.04):.2f}"/>'
            f'<path d="M0,{-0.8 * s:.2f} L0,{1.0 * s:.2f}" stroke="{vein}" '
            f'stroke-width="{max(0.7, s * 0.04):.2f}" stroke-linecap="round"/></g>')


LEAF_KINDS = {"maple": maple_leaf, "oak": oak_leaf, "birch": birch_leaf}


def leaves(items, defs):
    """items: (kind, x, y, size, angle, colour) tuples."""
    return "".join(LEAF_KINDS[k](x, y, s, a, c, defs) for k, x, y, s, a, c in items)
