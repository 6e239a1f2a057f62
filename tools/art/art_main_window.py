"""Pictures of the main window (800 x 600): one drawing in window coordinates, cut into the
rectangles of its controls. A picture shows every layer that lies under its control too, so a
control and the picture below it always meet without a seam."""
from art_mascot import Arm, Pose, fox, place
from art_shapes import (card, leaves, pushpin, rounded_rect_path, ruled_paper, sheet,
                        title)
from art_widgets import letter_tile, list_button, pill_button, round_button

W, H = 800, 600

# Control rectangles (left, top, width, height) in window pixels.
MENU_BUTTONS = {  # name: (rect, label, colour)
    "StartBtn": ((216, 541, 164, 35), "Начать тест", "green"),
    "InfoBtn": ((415, 541, 164, 35), "Информация", "blue"),
    "ExitBtn": ((614, 542, 164, 35), "Выход", "red"),
    "EnterBtn": ((216, 541, 164, 35), "Ответить", "green"),
    "LaterBtn": ((415, 541, 164, 35), "Отложить", "blue"),
    "EndTestBtn": ((614, 542, 164, 35), "Закончить тест", "red"),
    "TestBtn": ((216, 541, 164, 35), "Выбрать тест", "green"),
}
DRAWN_IN_BACK = ("StartBtn", "InfoBtn", "ExitBtn")
ROUND_BUTTONS = {"MinBtn": ((639, 17, 45, 45), "min"), "HelpBtn": ((687, 16, 45, 45), "help"),
                 "CloseBtn": ((735, 16, 45, 45), "close")}
YEAR_BUTTONS = {"Btn0": ((26, 218), "случайно"), "Btn2000": ((26, 246), "2000 год"),
                "Btn2001": ((26, 273), "2001 год"), "Btn2002": ((25, 301), "2002 год"),
                "Btn2003": ((26, 329), "2003 год"), "Btn2004": ((26, 357), "2004 год"),
                "Btn2005": ((26, 385), "2005 год"), "Btn2006": ((26, 413), "2006 год")}
YEAR_SIZE = (158, 25)
REZ_BTN = (27, 264, 158, 25)
LETTER_TILES = {"A1Btn": ((213, 298), "А"), "A2Btn": ((213, 385), "Б"),
                "A3Btn": ((504, 298), "В"), "A4Btn": ((504, 385), "Г"),
                "A5Btn": ((363, 472), "Д")}
TILE = 31
OPTION_VIEWERS = [(261, 281), (260, 369), (552, 282), (552, 372), (412, 457)]
OPTION_SIZE = (225, 64)
QUESTION_VIEWER = (245, 80, 497, 169)
PAPER_VIEWERS = [(216, 103, 551, 387), (217, 102, 550, 386)]

MENU_BACK = (22, 215, 165, 326)
SETKA_BACK = (20, 225, 172, 277)
SETKA_REZ = (20, 255, 173, 251)
QA_BACK = (201, 59, 590, 476)
VIEWER_BACK = (200, 58, 586, 474)
MASCOT = (0, 0, 205, 220)
MASCOT_FEET = (94, 208)
MASCOT_SCALE = 0.84

# The answer grid: ten cells of 16 px from x 27, three blocks; each block is a band of numbers
# (tops 312, 380, 448 of the number labels) over a band of letters (tops 341, 408, 477).
GRID_LEFT, GRID_CELL = 27, 16
GRID_BANDS = [(307, 334, 361), (375, 402, 429), (443, 470, 497)]
TIME_FIELD = (28, 234, 156, 48)

LEAVES = [
    ("maple", 28, 34, 30, -18, "orange"), ("birch", 182, 22, 13, 35, "yellow"),
    ("oak", 16, 150, 22, 205, "red"), ("birch", 188, 188, 12, 160, "green"),
    ("maple", 222, 26, 12, -25, "red"), ("birch", 622, 42, 11, 50, "orange"),
    ("maple", 797, 108, 22, 80, "yellow"), ("oak", 794, 300, 26, -70, "orange"),
    ("maple", 797, 470, 19, -40, "crimson"), ("maple", 211, 94, 17, 20, "crimson"),
    ("oak", 772, 517, 19, 140, "yellow"), ("maple", 36, 576, 28, 15, "orange"),
    ("oak", 112, 584, 24, 80, "yellow"), ("birch", 176, 566, 12, -30, "red"),
    ("birch", 397, 560, 10, 20, "yellow"), ("birch", 596, 568, 10, -25, "crimson"),
    ("maple", 792, 592, 18, 10, "red"), ("birch", 6, 300, 11, 100, "orange"),
    ("birch", 10, 520, 12, 70, "red"), ("oak", 198, 545, 11, 40, "orange"),
]


def backdrop(defs):
    return (ruled_paper(W, H, first_rule=58, step=24, margin_x=196) + leaves(LEAVES, defs)
            + title(421, 41, 25))


def drawn_buttons(defs):
    out = []
    for name in DRAWN_IN_BACK:
        (x, y, w, h), label, colour = MENU_BUTTONS[name]
        out.append(pill_button(x, y, w, h, label, colour, False, defs))
    for (x, y, w, _), kind in ROUND_BUTTONS.values():
        out.append(round_button(x, y, w, kind, False, defs))
    return "".join(out)


def menu_panel(defs):
    x, y, w, h = MENU_BACK
    field = rounded_rect_path(x + 4, 441, w - 8, 96, 8)
    return (card(x + 1, y + 1, w - 3.5, h - 4, defs, fill="#fff3dc", stroke="#e0953a", r=10)
            + f'<path d="{field}" fill="{defs.vgrad("#fff3a6", "#ffe476")}" stroke="#e2ad1f" '
              f'stroke-width="1.5"/>')


def year_button(defs, name, lit):
    (x, y), label = YEAR_BUTTONS[name]
    return list_button(x, y, *YEAR_SIZE, label, lit, defs)


def year_buttons(defs):
    return "".join(year_button(defs, name, False) for name in YEAR_BUTTONS)


def _grid(defs):
    out = []
    right = GRID_LEFT + 10 * GRID_CELL
    for top, mid, bottom in GRID_BANDS:
        frame = rounded_rect_path(GRID_LEFT - 1, top, right - GRID_LEFT + 2, bottom - top, 5)
        out.append(f'<path d="{frame}" fill="#ffffff" stroke="#d98a2b" stroke-width="1.6"/>')
        out.append(f'<path d="M{GRID_LEFT},{top + 4} a4,4 0 0 1 4,-3.2 H{right - 4} '
                   f'a4,4 0 0 1 4,3.2 V{mid} H{GRID_LEFT} Z" fill="#ffe8a6"/>')
        out.append(f'<line x1="{GRID_LEFT - 1}" y1="{mid}" x2="{right + 1}" y2="{mid}" '
                   f'stroke="#d98a2b" stroke-width="1.2"/>')
        for i in range(1, 10):  # the letters get cells; the numbers need the room
            cx = GRID_LEFT + i * GRID_CELL
            out.append(f'<line x1="{cx}" y1="{mid + 1}" x2="{cx}" y2="{bottom - 1}" '
                       f'stroke="#e6b06a" stroke-width="1"/>')
        out.append(f'<path d="{frame}" fill="none" stroke="#d98a2b" stroke-width="1.6"/>')
    return "".join(out)


def setka_panel(defs):
    x, y, w, h = SETKA_BACK
    fx, fy, fw, fh = TIME_FIELD
    clock_face = (f'<circle cx="{fx + 20}" cy="{fy + fh / 2 + 1}" r="13" fill="#ffffff" '
                  f'stroke="#3f73c4" stroke-width="3"/>'
                  f'<rect x="{fx + 17}" y="{fy + 4}" width="6" height="5" rx="1.5" fill="#3f73c4"/>'
                  f'<path d="M{fx + 20},{fy + fh / 2 + 1} V{fy + fh / 2 - 8} M{fx + 20},'
                  f'{fy + fh / 2 + 1} L{fx + 26},{fy + fh / 2 + 4}" stroke="#d9262b" '
                  f'stroke-width="2.2" stroke-linecap="round"/>')
    return (card(x + 1, y + 1, w - 3.5, h - 3.5, defs, fill="#fff3dc", stroke="#e0953a", r=10)
            + f'<path d="{rounded_rect_path(fx, fy, fw, fh, 9)}" fill="#ffffff" '
              f'stroke="#7aa6d8" stroke-width="2"/>' + clock_face + _grid(defs))


def rez_panel(defs):
    x, y, w, h = SETKA_REZ
    return (card(x + 1, y + 1, w - 3.5, h - 3.5, defs, fill="#fff3dc", stroke="#e0953a", r=10)
            + _grid(defs))


def rez_button(defs, lit=False):
    return list_button(*REZ_BTN, "результат", lit, defs)


def qa_panel(defs):
    x, y, w, h = QA_BACK
    out = [card(x + 2, y + 2, w - 5, h - 5, defs, fill="#fff6e2", stroke="#e0953a", r=14)]
    qx, qy, qw, qh = QUESTION_VIEWER
    out.append(f'<path d="{rounded_rect_path(qx - 8, qy - 8, qw + 16, qh + 16, 10)}" '
               f'fill="#ffffff" stroke="#7aa6d8" stroke-width="2.5"/>')
    ow, oh = OPTION_SIZE
    for ox, oy in OPTION_VIEWERS:
        out.append(f'<path d="{rounded_rect_path(ox - 6, oy - 6, ow + 12, oh + 12, 8)}" '
                   f'fill="#ffffff" stroke="#eeb04c" stroke-width="2"/>')
    return "".join(out)


def letter_button(defs, name, lit):
    (x, y), letter = LETTER_TILES[name]
    return letter_tile(x, y, TILE, letter, lit, defs)


def letter_tiles(defs):
    return "".join(letter_button(defs, name, False) for name in LETTER_TILES)


def viewer_paper(defs):
    left = min(v[0] for v in PAPER_VIEWERS) - 9
    top = min(v[1] for v in PAPER_VIEWERS) - 22
    right = max(v[0] + v[2] for v in PAPER_VIEWERS) + 9
    bottom = max(v[1] + v[3] for v in PAPER_VIEWERS) + 16
    return (sheet(left, top, right - left, bottom - top, defs)
            + pushpin(left + 20, top + 12, "#e53935", defs)
            + pushpin(right - 20, top + 12, "#2e9e4f", defs))


def _mascot(pose):
    return lambda defs: place(*MASCOT_FEET, MASCOT_SCALE, fox(pose, defs))


def _frames(kind):
    """Five frames of a small movement: frame 0 at rest, frame 4 at the end of the move."""
    poses = []
    for k in range(5):
        if kind == "Bad":
            poses.append(Pose(left=Arm(6 + k, 2), right=Arm(6 + k, 2), eyes="down",
                              brows="worried", mouth="worried", sweat=True, tail=-4 - 2 * k,
                              tilt=-1.5 * k, bob=0.5 * k))
        elif kind == "Gud":
            poses.append(Pose(left=Arm(50 + 2 * k, 170 + 2 * k, "thumb"), right=Arm(8, 4),
                              brows="happy", mouth="smile", tail=3 * k, tilt=1.2 * k,
                              bob=-0.8 * k))
        else:
            poses.append(Pose(left=Arm(50 + 3 * k, 170 + 2 * k, "thumb"),
                              right=Arm(50 + 3 * k, 170 + 2 * k, "thumb"), eyes="happy",
                              mouth="grin", tail=4 * k, bob=-1.2 * k))
    return poses


MASCOT_CLOCK = Pose(left=Arm(28, -78, "hold"), right=Arm(28, -78, "hold"), item="clock",
                    brows="happy")
MASCOT_STOPWATCH = Pose(left=Arm(28, -78, "hold"), right=Arm(28, -78, "hold"),
                        item="stopwatch", mouth="smile", brows="happy")


def pictures():
    """(path, rect, layers) of every picture of the main window."""
    out = [("main/Back.jpg", (0, 0, W, H), [backdrop, drawn_buttons]),
           ("main/MenuBack.jpg", MENU_BACK, [backdrop, menu_panel, year_buttons]),
           ("main/SetkaBack.jpg", SETKA_BACK, [backdrop, setka_panel]),
           ("main/SetkaRez.jpg", SETKA_REZ, [backdrop, rez_panel, rez_button]),
           ("main/QABack.jpg", QA_BACK, [backdrop, drawn_buttons, qa_panel, letter_tiles]),
           ("main/ViewerBack.jpg", VIEWER_BACK, [backdrop, drawn_buttons, viewer_paper]),
           ("main/PimImg1.jpg", MASCOT,
            [backdrop, menu_panel, year_buttons, _mascot(MASCOT_CLOCK)]),
           ("main/PimImg2.jpg", MASCOT, [backdrop, _mascot(MASCOT_STOPWATCH)])]
    for kind in ("Bad", "Gud", "Best"):
        for k, pose in enumerate(_frames(kind)):
            out.append((f"main/{kind}List_{k}.jpg", MASCOT, [backdrop, _mascot(pose)]))
    for lit in (False, True):
        suffix = "_lit" if lit else ""
        for name, (rect, label, colour) in MENU_BUTTONS.items():
            out.append((f"main/{name}{suffix}.jpg", rect,
                        [backdrop, lambda d, r=rect, t=label, c=colour, li=lit:
                         pill_button(*r, t, c, li, d)]))
        for name, (rect, kind) in ROUND_BUTTONS.items():
            out.append((f"main/{name}{suffix}.jpg", rect,
                        [backdrop, lambda d, r=rect, k=kind, li=lit:
                         round_button(r[0], r[1], r[2], k, li, d)]))
        for name, ((x, y), _) in YEAR_BUTTONS.items():
            out.append((f"main/{name}{suffix}.jpg", (x, y, *YEAR_SIZE),
                        [backdrop, menu_panel, lambda d, n=name, li=lit: year_button(d, n, li)]))
        out.append((f"main/RezBtn{suffix}.jpg", REZ_BTN,
                    [backdrop, rez_panel, lambda d, li=lit: rez_button(d, li)]))
        for name, ((x, y), _) in LETTER_TILES.items():
            out.append((f"main/{name}{suffix}.jpg", (x, y, TILE, TILE),
                        [backdrop, qa_panel, lambda d, n=name, li=lit: letter_button(d, n, li)]))
    return out

