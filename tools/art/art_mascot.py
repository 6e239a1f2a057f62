"""The mascot: a young fox in a green scarf, drawn in any pose from one set of parts.

Local coordinates: the fox stands on (0, 0), x to the right, y down; it is about 230 units tall
from the ear tips to the feet and about 150 wide with its tail."""
import math
from dataclasses import dataclass, field
from typing import Optional

from art_shapes import darker, lighter

FUR = "#f28a2e"
FUR_LIGHT = "#ffb25e"
OUTLINE = "#8a4418"
CREAM = "#fff4e3"
PAW = "#5b3420"
SCARF = "#2f9e5a"
SCARF_DARK = "#1f7442"
EYE = "#2b1a10"
BLUSH = "#ff8f7a"

SHOULDER_Y = -100
UPPER_LEN = 30
FORE_LEN = 27
HEAD_Y = -152


@dataclass
class Arm:
    upper: float = 12  # degrees from hanging straight down, positive away from the body
    fore: float = 6
    hand: str = "paw"  # paw, thumb, finger, wave, hold


@dataclass
class Pose:
    left: Arm = field(default_factory=Arm)  # the arm on the viewer's left
    right: Arm = field(default_factory=Arm)
    eyes: str = "open"  # open, happy, down
    brows: str = "none"  # none, happy, worried, stern
    mouth: str = "smile"  # smile, grin, worried, talk
    tail: float = 0  # tail swing in degrees
    bob: float = 0  # lift of body and head (negative is up)
    tilt: float = 0  # head tilt in degrees
    item: Optional[str] = None  # clock or stopwatch
    item_hand: str = "both"  # both, left, right
    sweat: bool = False


def _arm_points(side, arm, bob):
    sx, sy = side * 30, SHOULDER_Y + bob
    ua, fa = math.radians(arm.upper), math.radians(arm.fore)
    ex, ey = sx + side * UPPER_LEN * math.sin(ua), sy + UPPER_LEN * math.cos(ua)
    hx, hy = ex + side * FORE_LEN * math.sin(fa), ey + FORE_LEN * math.cos(fa)
    return (sx, sy), (ex, ey), (hx, hy)


def hand_point(pose, side):
    arm = pose.left if side < 0 else pose.right
    return _arm_points(side, arm, pose.bob)[2]


def _limb(points):
    d = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points)
    return (f'<path d="{d}" fill="none" stroke="{OUTLINE}" stroke-width="18" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="{d}" fill="none" stroke="{FUR}" stroke-width="13.5" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def _hand(side, kind, x, y, direction=(0.0, -1.0)):
    r = 10 if kind in ("thumb", "finger") else 9
    dot = (f'<circle cx="{x:.2f}" cy="{y:.2f}" r="{r}" fill="{PAW}" '
           f'stroke="{darker(PAW, 0.3)}" stroke-width="1.2"/>')
    shine = (f'<circle cx="{x - 3:.2f}" cy="{y - 3:.2f}" r="2.2" fill="#ffffff" '
             f'fill-opacity="0.25"/>')
    if kind == "thumb":
        # A fist seen from the front, fingers curled across it, the thumb standing up.
        tx = x - side * 2.5
        stem = f"M{tx:.2f},{y - 5:.2f} L{tx:.2f},{y - 21:.2f}"
        thumb = (f'<path d="{stem}" stroke="{darker(PAW, 0.3)}" '
                 f'stroke-width="10" stroke-linecap="round"/>'
                 f'<path d="{stem}" stroke="{PAW}" '
                 f'stroke-width="7.6" stroke-linecap="round"/>')
        fist = (f'<rect x="{x - 10:.2f}" y="{y - 8:.2f}" width="20" height="17" rx="7" '
                f'fill="{PAW}" stroke="{darker(PAW, 0.3)}" stroke-width="1.2"/>')
        fingers = "".join(
            f'<path d="M{x + side * 9:.2f},{y + dy:.2f} h{-side * 11:.2f}" '
            f'stroke="{darker(PAW, 0.55)}" stroke-width="1.3" stroke-linecap="round"/>'
            for dy in (-2.5, 1.5, 5.5))
        gleam = (f'<path d="M{tx - 1.8:.2f},{y - 18:.2f} v8" stroke="#ffffff" stroke-opacity="0.3" '
                 f'stroke-width="1.8" stroke-linecap="round"/>')
        return thumb + fist + fingers + gleam
    if kind == "finger":
        ux, uy = direction
        finger = (f'<path d="M{x + ux * 3:.2f},{y + uy * 3:.2f} '
                  f'L{x + ux * 23:.2f},{y + uy * 23:.2f}" '
                  f'stroke="{PAW}" stroke-width="7" stroke-linecap="round"/>')
        return finger + dot + shine
    if kind == "wave":
        toes = "".join(
            f'<circle cx="{x + 11 * math.cos(math.radians(a)):.2f}" '
            f'cy="{y + 11 * math.sin(math.radians(a)):.2f}" r="3.8" fill="{PAW}"/>'
            for a in (-140, -110, -80, -50))
        return toes + dot + f'<circle cx="{x:.2f}" cy="{y + 1:.2f}" r="4.5" fill="#8a5a3c"/>'
    return dot + shine


def _arm(side, arm, bob):
    s, e, h = _arm_points(side, arm, bob)
    length = math.hypot(h[0] - e[0], h[1] - e[1])
    direction = ((h[0] - e[0]) / length, (h[1] - e[1]) / length)
    return _limb([s, e, h]), _hand(side, arm.hand, h[0], h[1], direction)


def _tail(angle):
    d = "M0,6 C42,14 74,-20 68,-62 C65,-86 48,-98 40,-90 C47,-60 36,-26 0,-10 Z"
    tip = "M68,-62 C65,-86 48,-98 40,-90 C43,-80 44,-72 44,-66 C52,-62 60,-60 68,-62 Z"
    return (f'<g transform="translate(24,-40) rotate({angle})">'
            f'<path d="{d}" fill="{FUR}" stroke="{OUTLINE}" stroke-width="2.5" '
            f'stroke-linejoin="round"/>'
            f'<path d="{tip}" fill="{CREAM}" stroke="{OUTLINE}" stroke-width="2.5" '
            f'stroke-linejoin="round"/></g>')


def _legs():
    out = []
    for side in (-1, 1):
        x = side * 17
        out.append(f'<rect x="{x - 9}" y="-34" width="18" height="30" rx="8" fill="{FUR}" '
                   f'stroke="{OUTLINE}" stroke-width="2.5"/>')
        out.append(f'<ellipse cx="{x + side * 3}" cy="-5" rx="14" ry="7" fill="{PAW}" '
                   f'stroke="{darker(PAW, 0.3)}" stroke-width="1.2"/>')
    return "".join(out)


def _body(defs):
    body = "M-30,-114 C-46,-100 -48,-42 -37,-22 C-28,-10 28,-10 37,-22 C48,-42 46,-100 30,-114 Z"
    belly = "M-17,-104 C-30,-80 -29,-40 -17,-24 C-8,-17 8,-17 17,-24 C29,-40 30,-80 17,-104 Z"
    return (f'<path d="{body}" fill="{defs.rgrad(FUR_LIGHT, FUR, 0.35, 0.3)}" '
            f'stroke="{OUTLINE}" stroke-width="2.5"/>'
            f'<path d="{belly}" fill="{CREAM}"/>')


def _scarf():
    band = "M-33,-118 C-12,-107 12,-107 33,-118 L35,-105 C12,-94 -12,-94 -35,-105 Z"
    end = "M-24,-104 L-31,-74 L-17,-71 L-12,-101 Z"
    stripes = ('<path d="M-29.5,-81 L-17.5,-79 M-28,-88 L-16,-86" stroke="#ffffff" '
               'stroke-width="2" stroke-opacity="0.8"/>')
    fringe = "".join(f'<line x1="{-31 + i * 4.7:.1f}" y1="{-74 + i * 0.9:.1f}" '
                     f'x2="{-32 + i * 4.7:.1f}" y2="{-68 + i * 0.9:.1f}" stroke="{SCARF_DARK}" '
                     f'stroke-width="2" stroke-linecap="round"/>' for i in range(4))
    return (fringe + f'<path d="{end}" fill="{SCARF}" stroke="{SCARF_DARK}" stroke-width="2" '
                     f'stroke-linejoin="round"/>' + stripes
            + f'<path d="{band}" fill="{SCARF}" stroke="{SCARF_DARK}" stroke-width="2" '
              f'stroke-linejoin="round"/>'
            + '<path d="M-30,-110 C-10,-101 10,-101 30,-110" stroke="#ffffff" stroke-width="2" '
              'stroke-opacity="0.55" fill="none"/>')


def head(pose, defs):
    """The head around its own centre (0, 0), without tilt."""
    out = []
    for side in (-1, 1):
        ear = f"M{side * 46},-18 L{side * 48},-82 L{side * 12},-46 Z"
        inner = f"M{side * 40},-28 L{side * 43},-70 L{side * 21},-46 Z"
        tip = f"M{side * 48},-82 L{side * 47.5},-66 L{side * 39},-73.5 Z"
        out.append(f'<path d="{ear}" fill="{FUR}" stroke="{OUTLINE}" stroke-width="2.5" '
                   f'stroke-linejoin="round"/><path d="{inner}" fill="#ffe2c4"/>'
                   f'<path d="{tip}" fill="{PAW}" stroke="{PAW}" stroke-width="2.5" '
                   f'stroke-linejoin="round"/>')
    face = ("M-50,-2 C-52,-36 -26,-50 0,-50 C26,-50 52,-36 50,-2 L58,12 C44,29 24,38 0,40 "
            "C-24,38 -44,29 -58,12 Z")
    mask = ("M-58,12 C-42,6 -26,2 -15,9 C-8,3 8,3 15,9 C26,2 42,6 58,12 C44,29 24,38 0,40 "
            "C-24,38 -44,29 -58,12 Z")
    out.append(f'<path d="{face}" fill="{defs.rgrad(FUR_LIGHT, FUR, 0.4, 0.25)}" '
               f'stroke="{OUTLINE}" stroke-width="2.5" stroke-linejoin="round"/>')
    out.append(f'<path d="{mask}" fill="{CREAM}"/>')
    out.append(f'<path d="{face}" fill="none" stroke="{OUTLINE}" stroke-width="2.5" '
               f'stroke-linejoin="round"/>')
    for side in (-1, 1):
        out.append(f'<ellipse cx="{side * 33}" cy="13" rx="7.5" ry="4.5" fill="{BLUSH}" '
                   f'fill-opacity="0.55"/>')
    out.append(_eyes(pose.eyes))
    out.append(_brows(pose.brows))
    out.append(f'<ellipse cx="0" cy="12" rx="7.5" ry="5.2" fill="{EYE}"/>'
               '<ellipse cx="-2.2" cy="10.2" rx="2.4" ry="1.4" fill="#ffffff" '
               'fill-opacity="0.7"/>')
    out.append(_mouth(pose.mouth))
    if pose.sweat:
        out.append('<path d="M44,-34 C40,-26 38,-20 44,-18 C50,-20 48,-26 44,-34 Z" '
                   'fill="#8fd3ff" stroke="#3a8fd0" stroke-width="1.3"/>')
    return "".join(out)


def _eyes(kind):
    out = []
    for side in (-1, 1):
        x = side * 19
        if kind == "happy":
            out.append(f'<path d="M{x - 7},-6 Q{x},-17 {x + 7},-6" fill="none" stroke="{EYE}" '
                       f'stroke-width="3.4" stroke-linecap="round"/>')
            continue
        dy = 2 if kind == "down" else 0
        out.append(f'<ellipse cx="{x}" cy="{-9 + dy}" rx="6.8" ry="8.8" fill="{EYE}"/>'
                   f'<circle cx="{x + 2.2}" cy="{-12.5 + dy}" r="2.6" fill="#ffffff"/>'
                   f'<circle cx="{x - 2.4}" cy="{-5.5 + dy}" r="1.2" fill="#ffffff"/>')
    return "".join(out)


def _brows(kind):
    if kind == "none":
        return ""
    out = []
    for side in (-1, 1):
        outer, inner = side * 27, side * 11
        if kind == "happy":
            d = f"M{outer},-22 Q{side * 19},-29 {inner},-22"
        elif kind == "worried":
            d = f"M{outer},-21 L{inner},-28"
        else:  # stern, but friendly
            d = f"M{outer},-27 L{inner},-23"
        out.append(f'<path d="{d}" fill="none" stroke="{PAW}" stroke-width="3.2" '
                   f'stroke-linecap="round"/>')
    return "".join(out)


def _mouth(kind):
    stroke = f'fill="none" stroke="{EYE}" stroke-width="2.4" stroke-linecap="round" ' \
             f'stroke-linejoin="round"'
    if kind == "grin":
        return ('<path d="M-12,19 Q0,38 12,19 Q0,23 -12,19 Z" fill="#7a2418" stroke="#4a140c" '
                'stroke-width="1.6" stroke-linejoin="round"/>'
                '<path d="M-6,28.5 Q0,24 6,28.5 Q0,32.5 -6,28.5 Z" fill="#ff7b7b"/>')
    if kind == "worried":
        return f'<path d="M-9,27 Q-4.5,22.5 0,25 Q4.5,22.5 9,27" {stroke}/>'
    if kind == "talk":
        return ('<ellipse cx="0" cy="25" rx="4.5" ry="5" fill="#7a2418" stroke="#4a140c" '
                'stroke-width="1.4"/>')
    return f'<path d="M0,17 L0,21 M-10,20 Q-5,27 0,21 Q5,27 10,20" {stroke}/>'


# Held things -------------------------------------------------------------------------------

def alarm_clock(x, y, r, defs):
    ring = "#d9452b"
    bells = "".join(
        f'<g transform="rotate({a} {x} {y})"><path d="M{x - r * 0.42},{y - r * 0.98} '
        f'a{r * 0.42},{r * 0.42} 0 0 1 {r * 0.84},0 Z" fill="{ring}" stroke="{darker(ring)}" '
        f'stroke-width="1.5"/></g>' for a in (-38, 38))
    legs = "".join(f'<line x1="{x + s * r * 0.55}" y1="{y + r * 0.8}" x2="{x + s * r * 0.8}" '
                   f'y2="{y + r * 1.18}" stroke="{darker(ring)}" stroke-width="3.5" '
                   f'stroke-linecap="round"/>' for s in (-1, 1))
    ticks = "".join(
        f'<line x1="{x + r * 0.62 * math.sin(math.radians(a)):.2f}" '
        f'y1="{y - r * 0.62 * math.cos(math.radians(a)):.2f}" '
        f'x2="{x + r * 0.74 * math.sin(math.radians(a)):.2f}" '
        f'y2="{y - r * 0.74 * math.cos(math.radians(a)):.2f}" stroke="#333" stroke-width="1.6"/>'
        for a in range(0, 360, 30))
    return (legs + bells
            + f'<line x1="{x}" y1="{y - r * 1.2}" x2="{x}" y2="{y - r}" stroke="{darker(ring)}" '
              f'stroke-width="3"/>'
            + f'<circle cx="{x}" cy="{y}" r="{r}" fill="{defs.rgrad(lighter(ring), ring)}" '
              f'stroke="{darker(ring)}" stroke-width="1.8"/>'
            + f'<circle cx="{x}" cy="{y}" r="{r * 0.8}" fill="#ffffff" '
              f'stroke="{darker(ring, 0.2)}" stroke-width="1"/>' + ticks
            + f'<line x1="{x}" y1="{y}" x2="{x}" y2="{y - r * 0.55}" stroke="#222" '
              f'stroke-width="2.6" stroke-linecap="round"/>'
            + f'<line x1="{x}" y1="{y}" x2="{x + r * 0.38}" y2="{y + r * 0.1}" stroke="#222" '
              f'stroke-width="2.6" stroke-linecap="round"/>'
            + f'<circle cx="{x}" cy="{y}" r="2" fill="#222"/>')


def stopwatch(x, y, r, defs):
    case = "#3f73c4"
    ticks = "".join(
        f'<line x1="{x + r * 0.64 * math.sin(math.radians(a)):.2f}" '
        f'y1="{y - r * 0.64 * math.cos(math.radians(a)):.2f}" '
        f'x2="{x + r * 0.76 * math.sin(math.radians(a)):.2f}" '
        f'y2="{y - r * 0.76 * math.cos(math.radians(a)):.2f}" stroke="#333" '
        f'stroke-width="{2 if a % 90 == 0 else 1.2}"/>' for a in range(0, 360, 30))
    return (f'<rect x="{x - r * 0.18}" y="{y - r * 1.38}" width="{r * 0.36}" height="{r * 0.45}" '
            f'rx="2" fill="#c9ced6" stroke="#6b7380" stroke-width="1.3"/>'
            f'<rect x="{x - r * 0.32}" y="{y - r * 1.5}" width="{r * 0.64}" height="{r * 0.2}" '
            f'rx="2" fill="{case}" stroke="{darker(case)}" stroke-width="1.3"/>'
            f'<g transform="rotate(40 {x} {y})"><rect x="{x - r * 0.12}" y="{y - r * 1.25}" '
            f'width="{r * 0.24}" height="{r * 0.3}" rx="1.5" fill="#c9ced6" stroke="#6b7380" '
            f'stroke-width="1.2"/></g>'
            f'<circle cx="{x}" cy="{y}" r="{r}" fill="{defs.rgrad(lighter(case), case)}" '
            f'stroke="{darker(case)}" stroke-width="1.8"/>'
            f'<circle cx="{x}" cy="{y}" r="{r * 0.82}" fill="#ffffff" stroke="{darker(case, 0.2)}" '
            f'stroke-width="1"/>' + ticks
            + f'<path d="M{x},{y} L{x + r * 0.55 * math.sin(math.radians(60)):.2f},'
              f'{y - r * 0.55 * math.cos(math.radians(60)):.2f} A{r * 0.55},{r * 0.55} 0 0 0 '
              f'{x},{y - r * 0.55:.2f} Z" fill="#ffd23f" fill-opacity="0.6"/>'
            + f'<line x1="{x}" y1="{y}" x2="{x + r * 0.6 * math.sin(math.radians(60)):.2f}" '
              f'y2="{y - r * 0.6 * math.cos(math.radians(60)):.2f}" stroke="#d9262b" '
              f'stroke-width="2.2" stroke-linecap="round"/>'
            + f'<circle cx="{x}" cy="{y}" r="2.2" fill="#d9262b"/>')


ITEMS = {"clock": alarm_clock, "stopwatch": stopwatch}


def fox(pose, defs):
    """The whole fox in local coordinates."""
    b = pose.bob
    left_limb, left_hand = _arm(-1, pose.left, b)
    right_limb, right_hand = _arm(1, pose.right, b)
    out = ['<ellipse cx="2" cy="0" rx="48" ry="6.5" fill="#000000" fill-opacity="0.13"/>',
           _tail(pose.tail), _legs(),
           f'<g transform="translate(0,{b})">{_body(defs)}</g>']
    out.append(f'<g transform="translate(0,{b})">{_scarf()}</g>')
    out.append(f'<g transform="translate(0,{HEAD_Y + b}) rotate({pose.tilt} 0 30)">'
               f"{head(pose, defs)}</g>")
    item = ""
    if pose.item:
        draw = ITEMS[pose.item]
        if pose.item_hand == "both":
            lx, ly = hand_point(pose, -1)
            rx, ry = hand_point(pose, 1)
            item = draw((lx + rx) / 2, (ly + ry) / 2 - 13, 22, defs)
        else:
            side = -1 if pose.item_hand == "left" else 1
            hx, hy = hand_point(pose, side)
            item = draw(hx + side * 2, hy - 19, 17, defs)
    out += [left_limb, right_limb, item, left_hand, right_hand]
    return "".join(out)


def place(x, y, scale, content):
    """Puts a drawing made in mascot coordinates with its feet at (x, y)."""
    return f'<g transform="translate({x},{y}) scale({scale})">{content}</g>'
