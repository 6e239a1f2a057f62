"""Pictures of the five dialogs. Every dialog is one drawing in its own client coordinates;
message pictures and mascot frames are cut from the same drawing, so each covers the place
it lies over without a seam."""
from art_mascot import Arm, Pose, fox, head, place
from art_shapes import card, leaves, pushpin, ruled_paper, sheet
from art_widgets import dialog_button, round_button, words

SMALL = (250, 400)
HELP = (500, 500)

SMALL_LEAVES = [
    ("maple", 10, 12, 17, -30, "orange"), ("birch", 242, 110, 11, 150, "yellow"),
    ("oak", 4, 230, 18, 100, "red"), ("maple", 246, 270, 15, 60, "crimson"),
    ("birch", 8, 392, 12, 40, "yellow"), ("maple", 244, 394, 15, -10, "orange"),
    ("birch", 125, 396, 9, 80, "red"),
]
HELP_LEAVES = [
    ("maple", 14, 16, 22, -30, "orange"), ("birch", 372, 22, 12, 60, "yellow"),
    ("oak", 6, 300, 20, 100, "red"), ("maple", 494, 250, 17, 60, "crimson"),
    ("maple", 20, 486, 19, 20, "yellow"), ("oak", 480, 488, 18, -40, "orange"),
    ("birch", 250, 492, 10, 80, "red"),
]

YES_NO = {"YesBtn": ((16, 335, 101, 41), "Да", "pink"),
          "NoBtn": ((133, 335, 101, 41), "Нет", "green")}
WIDE_BUTTON = (44, 335, 165, 41)

ERROR_CARD = (22, 14, 206, 74)
ERROR_WORDS_CENTRE = (125.5, 54)  # inside every message picture: x 69..182, y 34..78
ERROR_WORDS_SIZE = 18
ERROR_MESSAGES = {"YearImg": ((66, 32, 116, 50), ["Выберите", "год"]),
                  "ClassImg": ((69, 34, 114, 44), ["Выберите", "класс"]),
                  "AnswerImg": ((69, 32, 116, 47), ["Выберите", "ответ"])}
ERROR_FRAME = (31, 100, 200, 220)

TIME_CARD = (18, 20, 214, 74)
TIME_MESSAGES = {"Time": ((59, 30, 127, 49), ["Время", "вышло"], 20),
                 "AllQ": ((32, 36, 184, 46), ["Вы ответили", "на все вопросы"], 17)}

HELP_VIEWER = (27, 100, 445, 350)
HELP_CLOSE = (442, 13, 45, 45)


def small_backdrop(defs):
    return ruled_paper(*SMALL, first_rule=30, step=24) + leaves(SMALL_LEAVES, defs)


def help_backdrop(defs):
    return ruled_paper(*HELP, first_rule=30, step=24) + leaves(HELP_LEAVES, defs)


def _card(rect, tail=None):
    return lambda defs: card(*rect, defs, tail=tail)


def _mascot(x, y, scale, pose):
    return lambda defs: place(x, y, scale, fox(pose, defs))


def _words(cx, cy, lines, size):
    return lambda defs: words(cx, cy, lines, size)


def _buttons(folder, specs):
    out = []
    for lit in (False, True):
        suffix = "_lit" if lit else ""
        for name, (rect, label, colour) in specs.items():
            out.append((f"{folder}/{name}{suffix}.jpg", rect,
                        [small_backdrop, lambda d, r=rect, t=label, c=colour, li=lit:
                         dialog_button(*r, t, c, li, d)]))
    return out


def _wagging(k):
    """The mascot wagging a raised finger; frame k of 0..2 tilts the finger further."""
    return Pose(left=Arm(44 + 3 * k, 158 + 11 * k, "finger"), right=Arm(8, 4),
                brows="happy", mouth="smile", tail=2 * k, tilt=-1.5 + 1.5 * k)


def exit_confirmation():
    folder = "TTestCloseForm"
    layers = [small_backdrop, _card((14, 14, 222, 82), tail=(150, 108)),
              _words(125, 55, ["Точно хотите", "выйти?"], 22),
              _mascot(125, 318, 0.9, Pose(right=Arm(62, 165, "wave"), mouth="smile",
                                          brows="happy"))]
    return [(f"{folder}/Back.jpg", (0, 0, *SMALL), layers)] + _buttons(folder, YES_NO)


def end_test_confirmation():
    folder = "TEndTestForm"
    pose = Pose(left=Arm(44, 160, "finger"), right=Arm(22, -40, "hold"), item="stopwatch",
                item_hand="right", brows="happy", mouth="talk")
    layers = [small_backdrop, _card((10, 10, 230, 104), tail=(112, 124)),
              _words(125, 62, ["Точно хочешь", "закончить раньше", "времени?"], 19),
              _mascot(122, 322, 0.86, pose)]
    return [(f"{folder}/Back.jpg", (0, 0, *SMALL), layers)] + _buttons(folder, YES_NO)


def error_dialog():
    folder = "TTestErrorForm"
    fx, fy, fw, fh = ERROR_FRAME
    feet = (fx + fw / 2 - 3, fy + fh - 9)
    card_layer = _card(ERROR_CARD, tail=(112, 97))

    def message(lines):
        return _words(*ERROR_WORDS_CENTRE, lines, ERROR_WORDS_SIZE)

    out = [(f"{folder}/Back.jpg", (0, 0, *SMALL),
            [small_backdrop, card_layer, message(["Выберите", "год"]),
             _mascot(*feet, 0.86, _wagging(0))])]
    for name, (rect, lines) in ERROR_MESSAGES.items():
        out.append((f"{folder}/{name}.jpg", rect, [small_backdrop, card_layer, message(lines)]))
    for k in range(3):
        out.append((f"{folder}/PimList_{k}.jpg", ERROR_FRAME,
                    [small_backdrop, card_layer, _mascot(*feet, 0.86, _wagging(k))]))
    out += _buttons(folder, {"OKBtn": (WIDE_BUTTON, "OK", "green")})
    return out


def time_dialog():
    folder = "TTimeForm"
    card_layer = _card(TIME_CARD, tail=(112, 110))
    pose = Pose(left=Arm(64, 160, "wave"), right=Arm(22, -40, "hold"), item="stopwatch",
                item_hand="right", brows="happy", mouth="grin", eyes="open")
    out = [(f"{folder}/Back.jpg", (0, 0, *SMALL),
            [small_backdrop, card_layer, _mascot(122, 322, 0.86, pose)])]
    for name, (rect, lines, size) in TIME_MESSAGES.items():
        out.append((f"{folder}/{name}.jpg", rect,
                    [small_backdrop, card_layer, _words(125, 57, lines, size)]))
    out += _buttons(folder, {"RezBtn": (WIDE_BUTTON, "Результат", "green")})
    return out


def _help_sheet(defs):
    x, y, w, h = HELP_VIEWER
    left, top, right, bottom = x - 10, y - 36, x + w + 10, y + h + 16
    return (sheet(left, top, right - left, bottom - top, defs)
            + pushpin(right - 24, top + 12, "#2e9e4f", defs))


def _peeking_mascot(defs):
    """The mascot's head and paws over the top edge of the help sheet."""
    pose = Pose(brows="happy", mouth="smile")
    paws = "".join(
        f'<ellipse cx="{x}" cy="66" rx="9" ry="7" fill="#5b3420"/>'
        f'<path d="M{x - 3},61 v5 M{x + 3},61 v5" stroke="#2e1a0f" stroke-width="1.2" '
        f'stroke-linecap="round"/>' for x in (70, 128))
    return f'<g transform="translate(99,50) scale(0.55)">{head(pose, defs)}</g>' + paws


def help_dialog():
    folder = "THelpForm"
    x, y, w, _ = HELP_CLOSE
    close = [(lambda d, li=lit: round_button(x, y, w, "close", li, d)) for lit in (False, True)]
    return [(f"{folder}/Back.jpg", (0, 0, *HELP),
             [help_backdrop, _help_sheet, _peeking_mascot, close[0]]),
            (f"{folder}/CloseBtn.jpg", HELP_CLOSE, [help_backdrop, close[0]]),
            (f"{folder}/CloseBtn_lit.jpg", HELP_CLOSE, [help_backdrop, close[1]])]


def pictures():
    return (exit_confirmation() + error_dialog() + end_test_confirmation() + time_dialog()
            + help_dialog())
