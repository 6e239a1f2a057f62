#!/usr/bin/python3
"""Composes the built pictures as the windows show them, for looking at.

Usage: preview_ui_art.py OUT_DIR [UI_DIR]

Writes PNGs of the main window's three screens, of each dialog in each of its states and of
the companion window, with the text labels drawn roughly as the program draws them and the
markup viewers as white boxes with a few lines of sample text. Also writes 2x enlargements."""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import art_main_window as mw  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))
BOLD = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
REGULAR = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
NAVY = (0, 0, 128)
MAROON = (128, 0, 0)


class Canvas:
    def __init__(self, ui_dir, w, h):
        self.ui = ui_dir
        self.image = Image.new("RGB", (w, h), (240, 240, 240))
        self.draw = ImageDraw.Draw(self.image)

    def pic(self, path, x, y):
        with Image.open(os.path.join(self.ui, path)) as im:
            self.image.paste(im.convert("RGB"), (x, y))

    def label(self, x, y, s, px, colour=(0, 0, 0), bold=True):
        # A label's top is the top of its line; Pillow's default anchor is the ascender line.
        font = ImageFont.truetype(BOLD if bold else REGULAR, px)
        self.draw.text((x, y), s, font=font, fill=colour)

    def viewer(self, x, y, w, h, lines, px=14, colour=NAVY, margin=10):
        draw_viewer(self.draw, x, y, w, h, lines, px, colour, margin)


def draw_viewer(draw, x, y, w, h, lines, px=14, colour=NAVY, margin=10):
    """A markup viewer: a white box with some lines of text."""
    draw.rectangle((x, y, x + w - 1, y + h - 1), fill=(255, 255, 255))
    font = ImageFont.truetype(REGULAR, px)
    for i, s in enumerate(lines):
        draw.text((x + margin, y + 4 + i * (px + 4)), s, font=font, fill=colour)


def menu_screen(ui, lit_year="Btn2004"):
    c = Canvas(ui, 800, 600)
    c.pic("main/Back.jpg", 0, 0)
    c.pic("main/MenuBack.jpg", 22, 215)
    c.pic("main/PimImg1.jpg", 0, 0)
    for name in ("StartBtn", "InfoBtn"):
        (x, y, _, _), _, _ = mw.MENU_BUTTONS[name]
        c.pic(f"main/{name}.jpg", x, y)
    c.pic("main/ExitBtn_lit.jpg", 614, 542)  # hovered
    c.pic("main/MinBtn.jpg", 639, 17)
    c.pic("main/CloseBtn.jpg", 735, 16)
    for n in range(1, 11):
        col, row = divmod(n - 1, 5)
        c.label(32 + 80 * col, 444 + 17 * row, f"{n + 1}-й класс", 11, MAROON)
    c.pic("main/ViewerBack.jpg", 200, 58)
    for name, ((x, y), _) in mw.YEAR_BUTTONS.items():
        c.pic(f"main/{name}{'_lit' if name == lit_year else ''}.jpg", x, y)
    c.viewer(216, 103, 551, 387, ["Правила", "", "Тренажёр готовит к конкурсу по русскому языку."])
    return c.image


def grid_labels(c, colours=None, letters=""):
    tops = [(312, 341), (380, 408), (448, 477)]
    q_lefts = [[30, 47, 63, 79, 95, 110, 127, 144, 158, 171],
               [27, 43, 59, 75, 92, 107, 123, 139, 155, 171],
               [27, 43, 59, 75, 91, 107, 123, 139, 155, 171]]
    a_lefts = [[31, 47, 63, 79, 95, 111, 127, 142, 158, 174]] * 2 + \
              [[30, 46, 62, 78, 94, 110, 126, 141, 157, 173]]
    for r in range(3):
        for i in range(10):
            n = r * 10 + i
            colour = colours[n] if colours else (0, 0, 0)
            c.label(q_lefts[r][i], tops[r][0], str(n + 1), 13, colour)
            if n < len(letters) and letters[n] != " ":
                c.label(a_lefts[r][i], tops[r][1], letters[n], 13, colour)


def test_screen(ui):
    c = Canvas(ui, 800, 600)
    c.pic("main/Back.jpg", 0, 0)
    c.pic("main/SetkaBack.jpg", 20, 225)
    for name, rect in (("MinBtn", (639, 17)), ("HelpBtn", (687, 16)), ("CloseBtn", (735, 16))):
        c.pic(f"main/{name}.jpg", *rect)
    c.pic("main/PimImg2.jpg", 0, 0)
    c.pic("main/QABack.jpg", 201, 59)
    c.pic("main/EnterBtn.jpg", 216, 541)
    c.pic("main/LaterBtn_lit.jpg", 415, 541)
    c.pic("main/EndTestBtn.jpg", 614, 542)
    grid_labels(c, letters="АБВГДАБВ ГДА")
    c.label(68, 240, "75:00", 32)
    for name, ((x, y), _) in mw.LETTER_TILES.items():
        c.pic(f"main/{name}{'_lit' if name == 'A3Btn' else ''}.jpg", x, y)
    c.viewer(245, 80, 497, 169, ["12. В каком слове ударение падает на второй слог?"],
             px=13, colour=(0, 0, 0), margin=5)
    samples = ["щавель", "торты", "звонит", "красивее", "свёкла"]
    for (x, y), s in zip(mw.OPTION_VIEWERS, samples):
        c.viewer(x, y, 225, 64, [], margin=0)
        font = ImageFont.truetype(REGULAR, 13)
        w = c.draw.textlength(s, font=font)
        c.draw.text((x + (225 - w) / 2, y + 24), s, font=font, fill=(0, 0, 0))
    return c.image


def results_screen(ui):
    c = Canvas(ui, 800, 600)
    c.pic("main/Back.jpg", 0, 0)
    c.pic("main/SetkaRez.jpg", 20, 255)
    for name, rect in (("MinBtn", (639, 17)), ("HelpBtn_lit", (687, 16)), ("CloseBtn", (735, 16)),
                       ("InfoBtn", (415, 541)), ("ExitBtn", (614, 542))):
        c.pic(f"main/{name}.jpg", *rect)
    green, red = (0, 128, 0), (255, 0, 0)
    colours = [green if (n * 7) % 3 else red for n in range(30)]
    grid_labels(c, colours, "АБВГДАБВГДАБВГДАБВГДАБВГДАБВГД")
    c.pic("main/BestList_0.jpg", 0, 0)
    c.pic("main/RezBtn_lit.jpg", 27, 264)
    c.pic("main/TestBtn.jpg", 216, 541)
    c.pic("main/ViewerBack.jpg", 200, 58)
    c.viewer(217, 102, 550, 386, [""] * 8 + ["Вы набрали 96 баллов из 120."])
    return c.image


def dialog(ui, folder, size, parts):
    c = Canvas(ui, *size)
    c.pic(f"{folder}/Back.jpg", 0, 0)
    for path, x, y in parts:
        c.pic(f"{folder}/{path}", x, y)
    return c.image


def dialogs(ui):
    yes_no = [("YesBtn.jpg", 16, 335), ("NoBtn_lit.jpg", 133, 335)]
    out = {"exit": dialog(ui, "TTestCloseForm", (250, 400), yes_no),
           "endtest": dialog(ui, "TEndTestForm", (250, 400), yes_no)}
    for name, x, y in (("YearImg", 66, 32), ("ClassImg", 69, 34), ("AnswerImg", 69, 32)):
        for k in range(3):
            out[f"error_{name}_{k}"] = dialog(ui, "TTestErrorForm", (250, 400),
                                              [(f"{name}.jpg", x, y),
                                               (f"PimList_{k}.jpg", 31, 100),
                                               ("OKBtn.jpg", 44, 335)])
    out["error_back_only"] = dialog(ui, "TTestErrorForm", (250, 400), [("OKBtn_lit.jpg", 44, 335)])
    out["time_Time"] = dialog(ui, "TTimeForm", (250, 400),
                              [("Time.jpg", 59, 30), ("RezBtn.jpg", 44, 335)])
    out["time_AllQ"] = dialog(ui, "TTimeForm", (250, 400),
                              [("AllQ.jpg", 32, 36), ("RezBtn_lit.jpg", 44, 335)])
    help_window = dialog(ui, "THelpForm", (500, 500), [("CloseBtn.jpg", 442, 13)])
    draw_viewer(ImageDraw.Draw(help_window), 27, 100, 445, 350, ["Правила"], px=13,
                colour=(0, 0, 0), margin=5)
    out["help"] = help_window
    companion = dialog(ui, "OviInfo", (600, 440), [("StartBtn.jpg", 336, 388),
                                                    ("CloseBtn_lit.jpg", 545, 10)])
    out["companion"] = companion
    return out


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    out_dir = argv[1]
    ui = argv[2] if len(argv) > 2 else os.path.join(REPO, "assets", "ui")
    os.makedirs(out_dir, exist_ok=True)
    images = {"screen_menu": menu_screen(ui), "screen_test": test_screen(ui),
              "screen_results": results_screen(ui)}
    images.update(dialogs(ui))
    for name, im in images.items():
        im.save(os.path.join(out_dir, f"{name}.png"))
        im.resize((im.width * 2, im.height * 2), Image.NEAREST).save(
            os.path.join(out_dir, f"{name}@2x.png"))
    print(f"{len(images)} composites in {out_dir}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
