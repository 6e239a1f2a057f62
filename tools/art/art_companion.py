"""Pictures of the companion information window (600 x 440); the program places its controls
at the same rectangles (tools/companion/info_window.cpp)."""
from art_mascot import Arm, Pose, fox, place
from art_shapes import card, leaves, pushpin, ruled_paper, sheet, title
from art_widgets import pill_button, round_button, words

SIZE = (600, 440)
TEXT_AREA = (206, 72, 368, 290)
START_BUTTON = (336, 388, 232, 40)
CLOSE_BUTTON = (545, 10, 45, 45)

LEAVES = [
    ("maple", 18, 20, 24, -25, "orange"), ("birch", 34, 196, 12, 35, "yellow"),
    ("oak", 8, 250, 20, 100, "red"), ("maple", 596, 240, 18, 60, "crimson"),
    ("maple", 206, 424, 16, 20, "yellow"), ("oak", 590, 430, 17, -40, "orange"),
    ("birch", 300, 424, 10, 80, "red"), ("birch", 12, 420, 12, 40, "crimson"),
]


def backdrop(defs):
    return ruled_paper(*SIZE, first_rule=58, step=24) + leaves(LEAVES, defs) + title(362, 40, 24)


def _text_sheet(defs):
    x, y, w, h = TEXT_AREA
    return (sheet(x - 10, y - 18, w + 20, h + 28, defs)
            + pushpin(x + 10, y - 7, "#e53935", defs) + pushpin(x + w - 10, y - 7, "#2e9e4f", defs))


def _greeting(defs):
    return card(20, 78, 160, 66, defs, tail=(110, 166)) + words(100, 111, ["О тренажёре"], 19)


def _mascot(defs):
    pose = Pose(left=Arm(64, 160, "wave"), brows="happy", mouth="grin")
    return place(100, 420, 0.9, fox(pose, defs))


def pictures():
    folder = "OviInfo"
    out = [(f"{folder}/Back.jpg", (0, 0, *SIZE),
            [backdrop, _text_sheet, _greeting, _mascot])]
    for lit in (False, True):
        suffix = "_lit" if lit else ""
        out.append((f"{folder}/StartBtn{suffix}.jpg", START_BUTTON,
                    [backdrop, lambda d, li=lit: pill_button(*START_BUTTON, "Запустить тренажёр",
                                                             "green", li, d, size=17)]))
        out.append((f"{folder}/CloseBtn{suffix}.jpg", CLOSE_BUTTON,
                    [backdrop, lambda d, li=lit: round_button(*CLOSE_BUTTON[:3], "close", li,
                                                              d)]))
    return out
