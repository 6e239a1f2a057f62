// Rendered facts, checked on pixels of the real widgets on the offscreen platform.
#include "viewer/document_style.h"
#include "viewer/html_viewer.h"
#include "viewer/render_helpers.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace viewer_test;
using viewer::THTMLViewer;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kNavy = 0xFF000080;

const std::string kTooLongForTheBox =
    "очень длинный текст варианта, который не помещается в своё окно и требует полосы "
    "прокрутки: раз, два, три, четыре, пять, шесть, семь, восемь, девять, десять, "
    "одиннадцать, двенадцать, тринадцать, четырнадцать";

QImage show(THTMLViewer& viewer, const std::string& utf8Markup, int width, int height) {
    viewer.resize(width, height);
    viewer.LoadFromString(cp1251(utf8Markup));
    return render(viewer, width, height);
}

struct OptionText {
    const char* what;
    std::string markup;
};

std::ostream& operator<<(std::ostream& out, const OptionText& c) {
    return out << c.what;
}

class OptionBox : public testing::TestWithParam<OptionText> {};

// The option markup in a 225 x 64 box puts the text's ink in the middle of the whole box.
TEST_P(OptionBox, InkIsCentredBothWays) {
    THTMLViewer viewer(optionSettings());
    const QImage image = show(viewer, optionMarkup(GetParam().markup), 225, 64);
    const QRect ink = inkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    const double middleY = (ink.top() + ink.bottom() + 1) / 2.0;
    const double middleX = (ink.left() + ink.right() + 1) / 2.0;
    // Glyphs sit unevenly in their line box; allow for the difference of ascent and descent.
    EXPECT_NEAR(middleY, 32.0, 3.0) << "ink rows " << ink.top() << "-" << ink.bottom();
    EXPECT_NEAR(middleX, 112.5, 2.0) << "ink columns " << ink.left() << "-" << ink.right();
    EXPECT_FALSE(viewer.verticalScrollBar()->isVisible());
    EXPECT_FALSE(viewer.horizontalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Options, OptionBox,
                         testing::Values(OptionText{"one word", "вариант"},
                                         OptionText{"two lines", "первая<br>вторая"},
                                         OptionText{"italic with a quote", "<i>Ивановъ</i>&rsquo"},
                                         OptionText{"three lines", "раз<br>два<br>три"}),
                         [](const auto& param) { return std::to_string(param.index); });

// An option made of a picture is centred too; the line under it keeps the text's descent.
TEST(OptionBoxGeometry, PictureIsCentred) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeJpeg(folder.filePath("p.jpg"), 40, 20, QColor(200, 0, 0));
    WorkingDirectory cwd(folder.path());
    THTMLViewer viewer(optionSettings());
    const QRect ink = inkBox(show(viewer, optionMarkup("<img src=\"p.jpg\">"), 225, 64));
    EXPECT_EQ(ink.size(), QSize(40, 20));
    EXPECT_NEAR(ink.left(), 92.5, 0.5);
    EXPECT_NEAR((ink.top() + ink.bottom() + 1) / 2.0, 32.0, 4.0);
}

TEST(LineBreaks, EightAtTheStartMoveTheTextDownEightLines) {
    THTMLViewer plain(plainSettings());
    const QRect first = inkBox(show(plain, "Вы набрали", 300, 300));
    THTMLViewer twoLines(plainSettings());
    const QRect second = inkBox(show(twoLines, "<br>Вы набрали", 300, 300));
    const int lineHeight = second.top() - first.top();
    ASSERT_GT(lineHeight, 10);
    THTMLViewer eight(plainSettings());
    const QRect moved = inkBox(show(eight, "<br><br><br><br><br><br><br><br>Вы набрали", 300, 300));
    EXPECT_EQ(moved.top() - first.top(), 8 * lineHeight);
}

TEST(Pictures, MissingPictureShowsTheYellowMarkerAndTheRestOfTheText) {
    QTemporaryDir folder;
    WorkingDirectory cwd(folder.path());
    THTMLViewer viewer(plainSettings());
    const QImage image = show(viewer, "<img src=\"Images\\нет.jpg\"> остальное", 300, 60);
    const QRect yellow = colourBox(image, kYellow);
    EXPECT_EQ(yellow.size(), QSize(16, 16));
    const int black = countColour(image.copy(yellow), kBlack);
    EXPECT_GT(black, 10);
    EXPECT_EQ(countColour(image.copy(yellow), kYellow) + black, 256);
    // The text after the marker is drawn too.
    const QImage rest = image.copy(yellow.right() + 1, 0, image.width() - yellow.right() - 1, 60);
    EXPECT_FALSE(inkBox(rest).isEmpty());
}

TEST(Pictures, JpegShowsAtItsNaturalSizeOnTheBaseline) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("Images"));
    writeJpeg(folder.filePath("Images/p.jpg"), 30, 20, QColor(0, 160, 0));
    WorkingDirectory cwd(folder.path());
    THTMLViewer viewer(plainSettings());
    const QImage image = show(viewer, "x<img src=\"Images\\p.jpg\">x", 300, 60);
    QRect green;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 120 && c.red() < 60 && c.blue() < 60) {
                green |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_EQ(green.size(), QSize(30, 20));
    // "x" has no descender: its ink ends on the baseline, as does the picture.
    const QRect letter = inkBox(image.copy(0, 0, green.left(), 60));
    EXPECT_EQ(green.bottom(), letter.bottom());
}

TEST(Tables, BorderColourDrawsTheLinesInNavy) {
    const std::string cells =
        "<tr><td colspan=2>Падеж</td></tr><tr><td>им.</td><td>сторона</td></tr></table>";
    THTMLViewer navy(plainSettings());
    const QImage withColour = show(
        navy, "<table border=1 cellspacing=0 bordercolor=\"#000080\" cellpadding=\"0\">" + cells,
        300, 120);
    const QRect lines = colourBox(withColour, kNavy);
    ASSERT_FALSE(lines.isEmpty());
    // The frame: navy along its whole top edge and down its left side.
    int top = 0;
    for (int x = lines.left(); x <= lines.right(); ++x) {
        top += withColour.pixel(x, lines.top()) == kNavy ? 1 : 0;
    }
    EXPECT_EQ(top, lines.width());
    int left = 0;
    for (int y = lines.top(); y <= lines.bottom(); ++y) {
        left += withColour.pixel(lines.left(), y) == kNavy ? 1 : 0;
    }
    EXPECT_EQ(left, lines.height());
    // The line between the two rows runs across the table too.
    int rowsWithLine = 0;
    for (int y = lines.top() + 2; y < lines.bottom() - 1; ++y) {
        int run = 0;
        for (int x = lines.left(); x <= lines.right(); ++x) {
            run += withColour.pixel(x, y) == kNavy ? 1 : 0;
        }
        rowsWithLine += run > lines.width() / 2 ? 1 : 0;
    }
    EXPECT_GE(rowsWithLine, 1);

    THTMLViewer plain(plainSettings());
    const QImage without =
        show(plain, "<table border=1 cellspacing=0 cellpadding=0>" + cells, 300, 120);
    EXPECT_EQ(countColour(without, kNavy), 0);
    EXPECT_FALSE(inkBox(without).isEmpty());
}

TEST(DisabledViewer, PaintsLikeAnEnabledOne) {
    for (const std::string& option : {std::string("<i>вариант</i>"), kTooLongForTheBox}) {
        viewer::ViewerSettings enabledSettings = optionSettings();
        enabledSettings.enabled = true;
        THTMLViewer enabled(enabledSettings);
        THTMLViewer disabled(optionSettings());
        ASSERT_FALSE(disabled.isEnabled());
        const QImage a = show(enabled, optionMarkup(option), 225, 64);
        const QImage b = show(disabled, optionMarkup(option), 225, 64);
        EXPECT_FALSE(inkBox(a).isEmpty());
        EXPECT_EQ(a, b) << option;
        EXPECT_EQ(enabled.verticalScrollBar()->isVisible(), option == kTooLongForTheBox);
    }
}

// The test font draws "@" and "#" with the glyphs of U+0259 and U+028C; a viewer that does not
// use the face draws its own "@" instead.
TEST(PhoneticFont, DrawsItsOwnGlyphForTheAtSign) {
    const auto ink = [](const std::string& markup) {
        THTMLViewer viewer(plainSettings());
        const QImage image = show(viewer, markup, 100, 40);
        return image.copy(inkBox(image));
    };
    const QImage phonetic = ink("<font face=ViewerTestPhonetic>@</font>");
    ASSERT_FALSE(phonetic.isNull());
    EXPECT_EQ(phonetic, ink("<font face=ViewerTestPhonetic>&#x259;</font>"));
    EXPECT_NE(phonetic, ink("@"));
    EXPECT_NE(phonetic.size(), ink("@").size());
    EXPECT_EQ(ink("<font face=ViewerTestPhonetic>#</font>"),
              ink("<font face=ViewerTestPhonetic>&#x28C;</font>"));
    EXPECT_NE(ink("<font face=ViewerTestPhonetic>#</font>"), ink("#"));
}

TEST(EmptyDocument, IsAllWhite) {
    THTMLViewer viewer(plainSettings());
    const QImage image = show(viewer, "", 120, 50);
    EXPECT_EQ(countColour(image, kWhite), 120 * 50);
}

TEST(Margins, KeepTheTextOffTheEdges) {
    viewer::ViewerSettings settings = plainSettings();
    settings.marginWidth = 10;
    settings.marginHeight = 7;
    THTMLViewer viewer(settings);
    const QImage image = show(viewer, "Ш", 100, 50);
    const QRect ink = inkBox(image);
    THTMLViewer flush(plainSettings());
    const QRect flushInk = inkBox(show(flush, "Ш", 100, 50));
    EXPECT_EQ(ink.left() - flushInk.left(), 10);
    EXPECT_EQ(ink.top() - flushInk.top(), 7);
}

} // namespace
