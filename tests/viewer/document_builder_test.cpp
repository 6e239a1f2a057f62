// The structure of the documents the builder makes: formats, blocks, lists, tables.
#include "viewer/document_style.h"
#include "viewer/markup_document.h"
#include "viewer/render_helpers.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <gtest/gtest.h>

namespace {

using viewer_test::cp1251;

class NoPictures final : public viewer::PictureSource {
public:
    QImage picture(std::string_view) override { return viewer::errorMarker(); }
};

std::unique_ptr<QTextDocument>
build(const std::string& utf8Markup,
      viewer::ViewerSettings settings = viewer_test::plainSettings()) {
    NoPictures pictures;
    return viewer::loadMarkupDocument(cp1251(utf8Markup), viewer::Encoding::Windows1251, settings,
                                      pictures, 400);
}

// The character format at the first occurrence of text.
QTextCharFormat formatAt(QTextDocument& document, const QString& text) {
    QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor at(&document);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QTextTable* firstTable(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            return table;
        }
    }
    return nullptr;
}

TEST(DocumentBuilder, FormattingNests) {
    const auto document = build("<b>жир<i>курс<u>черта</u></i></b> <u>только</u>");
    const QTextCharFormat bold = formatAt(*document, "жир");
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_FALSE(bold.fontItalic());
    const QTextCharFormat all = formatAt(*document, "черта");
    EXPECT_EQ(all.fontWeight(), QFont::Bold);
    EXPECT_TRUE(all.fontItalic());
    EXPECT_TRUE(all.fontUnderline());
    const QTextCharFormat underline = formatAt(*document, "только");
    EXPECT_NE(underline.fontWeight(), QFont::Bold);
    EXPECT_TRUE(underline.fontUnderline());
}

TEST(DocumentBuilder, TextTakesTheViewersFontSizeAndColour) {
    viewer::ViewerSettings settings = viewer_test::plainSettings();
    settings.fontSizePoints = 11;
    settings.fontColour = QColor(0, 0, 128);
    const auto document = build("текст", settings);
    const QTextCharFormat format = formatAt(*document, "текст");
    // The font text is drawn in: its format's own settings over the document's default.
    const QFont shown = format.font().resolve(document->defaultFont());
    EXPECT_EQ(shown.families().value(0), "Arial");
    EXPECT_EQ(shown.pixelSize(), 15); // 11 points at 96 dots per inch
    EXPECT_EQ(shown.weight(), QFont::Normal);
    EXPECT_FALSE(shown.italic());
    EXPECT_EQ(viewer::pixelSizeOf(format, settings), 15);
    EXPECT_EQ(format.foreground().color(), QColor(0, 0, 128));
}

TEST(DocumentBuilder, PhoneticFaceFallsBackToTheViewersFont) {
    const auto document = build("[<font face=SILDoulosIPA>@</font>]");
    const QStringList families = formatAt(*document, "@").fontFamilies().toStringList();
    ASSERT_GE(families.size(), 2);
    EXPECT_EQ(families[0], "SILDoulosIPA");
    EXPECT_TRUE(families.contains("Arial"));
}

TEST(DocumentBuilder, WhiteSpaceCollapsesAcrossElements) {
    const auto document = build("  раз   <b> два </b>  три  <br>  четыре ");
    EXPECT_EQ(document->toRawText(), QString("раз два три\u2028четыре"));
}

TEST(DocumentBuilder, NoBreakSpacesStay) {
    const auto document = build("а&nbsp;&nbsp;б \xC2\xA0 в");
    EXPECT_EQ(document->toRawText(), QString("а\u00A0\u00A0б \u00A0 в"));
}

TEST(DocumentBuilder, LineBreaksBecomeLinesAndTheLastOfABlockIsDropped) {
    EXPECT_EQ(build("<br><br>а")->toRawText(), QString("\u2028\u2028а"));
    EXPECT_EQ(build("а<br><br>б<br>")->toRawText(), QString("а\u2028\u2028б"));
    // Before a list the break only ends the line.
    const auto document = build("(Г).<br><ul><li>заметка</ul>");
    EXPECT_EQ(document->firstBlock().text(), "(Г).");
}

TEST(DocumentBuilder, ListsAreBulletedOrNumbered) {
    const auto document = build("<ul><li>раз<li>два</ul><ol><li>три<li>четыре</ol>после");
    QTextBlock block = document->firstBlock();
    ASSERT_NE(block.textList(), nullptr);
    QTextList* bullets = block.textList();
    EXPECT_EQ(bullets->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(bullets->count(), 2);
    block = block.next().next();
    ASSERT_NE(block.textList(), nullptr);
    EXPECT_EQ(block.text(), "три");
    EXPECT_EQ(block.textList()->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(block.textList()->count(), 2);
    EXPECT_EQ(block.textList()->itemText(block.next()), "2.");
    EXPECT_EQ(document->lastBlock().text(), "после");
    EXPECT_EQ(document->lastBlock().textList(), nullptr);
}

// A list nested at the start of an item, and empty items, keep every list whole.
TEST(DocumentBuilder, NestedListsAndEmptyItemsKeepTheirItems) {
    const auto document = build("<ul><li>а<li><ol><li>б<li>в</ol><li>г<li><li>д</ul>");
    QTextList* outer = document->firstBlock().textList();
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->count(), 5); // а, the item holding the numbered list, г, an empty one, д
    const QTextBlock second = document->find("б").block();
    ASSERT_NE(second.textList(), nullptr);
    EXPECT_NE(second.textList(), outer);
    EXPECT_EQ(second.textList()->count(), 2);
    EXPECT_EQ(second.textList()->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(document->find("д").block().textList(), outer);
}

TEST(DocumentBuilder, HeadingsAreCentredBoldAndOfTwoSizes) {
    const auto document = build("<h1 align=center>Вы набрали</h1><h3 align=center>В 2004 году");
    const QTextBlock h1 = document->firstBlock();
    const QTextBlock h3 = h1.next();
    EXPECT_EQ(h1.text(), "Вы набрали");
    EXPECT_EQ(h3.text(), "В 2004 году");
    EXPECT_EQ(h1.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(h3.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const int body = viewer::pixelSizeOfPoints(10);
    const viewer::ViewerSettings settings = viewer_test::plainSettings();
    const int h1Size = viewer::pixelSizeOf(formatAt(*document, "Вы"), settings);
    const int h3Size = viewer::pixelSizeOf(formatAt(*document, "2004"), settings);
    EXPECT_GT(h1Size, h3Size);
    EXPECT_GT(h3Size, body);
    EXPECT_EQ(formatAt(*document, "2004").fontWeight(), QFont::Bold);
}

TEST(DocumentBuilder, BankTableTakesItsAttributes) {
    const auto document =
        build("<table border=1 cellspacing=0 bordercolor=\"#000080\" cellpadding=\"0\">"
              "<tr><td colspan=2>заголовок</td></tr><tr><td>а</td><td>б</td></tr></table>");
    QTextTable* table = firstTable(*document);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    const QTextTableFormat format = table->format();
    EXPECT_EQ(format.border(), 1);
    EXPECT_EQ(format.borderStyle(), QTextFrameFormat::BorderStyle_Solid);
    EXPECT_EQ(format.borderBrush().color(), QColor(0, 0, 128));
    EXPECT_EQ(format.cellSpacing(), 0);
    EXPECT_EQ(format.cellPadding(), 0);
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    EXPECT_EQ(table->cellAt(1, 1).firstCursorPosition().block().text(), "б");
}

TEST(DocumentBuilder, TableDefaults) {
    const auto document = build("<table><tr><td>x</td></tr></table>");
    QTextTable* table = firstTable(*document);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->format().cellPadding(), 1);
    EXPECT_EQ(table->format().cellSpacing(), 2);
    EXPECT_EQ(table->format().borderStyle(), QTextFrameFormat::BorderStyle_None);
    // Cells are centred vertically unless told otherwise.
    EXPECT_EQ(table->cellAt(0, 0).format().verticalAlignment(), QTextCharFormat::AlignMiddle);
}

TEST(DocumentBuilder, BorderWithoutColourIsThreeDimensional) {
    const auto document = build("<table border=1><tr><td>x</td></tr></table>");
    EXPECT_EQ(firstTable(*document)->format().borderStyle(), QTextFrameFormat::BorderStyle_Outset);
}

TEST(DocumentBuilder, CellAlignmentComesFromCellOrRow) {
    const auto document = build("<table valign=bottom><tr valign=top><td>а</td>"
                                "<td valign=bottom align=center>б</td></tr></table>");
    QTextTable* table = firstTable(*document);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(0, 0).format().verticalAlignment(), QTextCharFormat::AlignTop);
    EXPECT_EQ(table->cellAt(0, 1).format().verticalAlignment(), QTextCharFormat::AlignBottom);
    EXPECT_EQ(table->cellAt(0, 1).firstCursorPosition().blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

class BlockOpeningACell : public testing::TestWithParam<const char*> {};

// A block element as a cell's first content gets a block of its own format, while the cell
// keeps its spans, vertical alignment and background (they share the block's character format).
// The nested table is the case where a lost span hung Qt's layout.
TEST_P(BlockOpeningACell, LeavesTheCellItsFormat) {
    const std::string open = std::string("<") + GetParam() + ">";
    const std::string close = std::string("</") + GetParam() + ">";
    const auto document = build("<table><tr><td>а</td><td colspan=3 rowspan=2 valign=top "
                                "bgcolor=#00ff00>" +
                                open + "б" + close +
                                "</td></tr><tr><td>в</td></tr></table>"
                                "<table><tr><td>г</td><td colspan=4>" +
                                open + "<table><tr><td>д</td><td colspan=3>е</td></tr></table>" +
                                close + "</td></tr></table>");
    QTextTable* table = firstTable(*document);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columns(), 4);
    const QTextTableCell cell = table->cellAt(0, 1);
    EXPECT_EQ(cell.column(), 1);
    EXPECT_EQ(cell.columnSpan(), 3);
    EXPECT_EQ(cell.rowSpan(), 2);
    EXPECT_EQ(table->cellAt(1, 3).column(), 1) << "covered by the spanning cell";
    EXPECT_EQ(cell.format().verticalAlignment(), QTextCharFormat::AlignTop);
    EXPECT_EQ(cell.format().background().color(), QColor(0, 255, 0));
    EXPECT_EQ(cell.firstCursorPosition().block().text(), "б");

    const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
    ASSERT_EQ(frames.size(), 2);
    auto* outer = qobject_cast<QTextTable*>(frames[1]);
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->cellAt(0, 1).columnSpan(), 4);
    const QList<QTextFrame*> nested = outer->childFrames();
    ASSERT_EQ(nested.size(), 1);
    auto* inner = qobject_cast<QTextTable*>(nested[0]);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(outer->cellAt(inner->firstPosition()).column(), 1);
    EXPECT_EQ(inner->cellAt(0, 1).columnSpan(), 3);
}

INSTANTIATE_TEST_SUITE_P(Elements, BlockOpeningACell,
                         testing::Values("div", "p", "pre", "center", "blockquote", "h3"),
                         [](const auto& param) { return std::string(param.param); });

struct FixedHeightCase {
    const char* what;
    std::string markup;
    int height;
};

std::ostream& operator<<(std::ostream& out, const FixedHeightCase& c) {
    return out << c.what;
}

class FixedHeightTable : public testing::TestWithParam<FixedHeightCase> {};

// A table with a height is that high, however its rows are made, and a single row's text sits
// in its middle; nothing above or below the table adds height.
TEST_P(FixedHeightTable, IsThatHighWithItsTextInTheMiddle) {
    const auto document = build(GetParam().markup, viewer_test::optionSettings());
    QTextTable* table = firstTable(*document);
    ASSERT_NE(table, nullptr);
    document->setTextWidth(225);
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    // The table is the whole document.
    const QSizeF size = layout->documentSize();
    EXPECT_EQ(size.width(), 225);
    EXPECT_EQ(size.height(), GetParam().height);
    if (table->rows() == 1) {
        const QRectF text =
            layout->blockBoundingRect(table->cellAt(0, 0).firstCursorPosition().block());
        EXPECT_NEAR(text.top(), size.height() - text.bottom(), 1.0)
            << "text rows " << text.top() << "-" << text.bottom();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FixedHeightTable,
    testing::Values(
        FixedHeightCase{"option box", viewer_test::optionMarkup("вариант"), 64},
        FixedHeightCase{"option box, two lines", viewer_test::optionMarkup("раз<br>два"), 64},
        FixedHeightCase{"one row with lines",
                        "<table border=1 width=225 height=80><tr><td>текст</td></tr></table>", 80},
        FixedHeightCase{"two rows",
                        "<table border=0 cellspacing=0 width=225 height=90>"
                        "<tr><td>раз</td></tr><tr><td>два</td></tr></table>",
                        90},
        FixedHeightCase{"padding",
                        "<table width=225 height=70 cellspacing=0 cellpadding=4>"
                        "<tr><td>а</td><td>б</td></tr></table>",
                        70},
        FixedHeightCase{"spacing and padding",
                        "<table width=225 height=70 cellspacing=3 cellpadding=4>"
                        "<tr><td>а</td><td>б</td></tr></table>",
                        70}),
    [](const auto& param) { return std::to_string(param.index); });

// Content taller than the height makes the table taller, not cut.
TEST(DocumentBuilder, TableHeightIsAMinimum) {
    const auto document =
        build(viewer_test::optionMarkup("раз<br>два<br>три<br>четыре<br>пять<br>шесть"),
              viewer_test::optionSettings());
    document->setTextWidth(225);
    EXPECT_GT(document->documentLayout()->frameBoundingRect(firstTable(*document)).height(), 64);
}

TEST(DocumentBuilder, MissingPictureIsTheMarkerAtItsSize) {
    const auto document = build("до <img src=\"Images\\нет.jpg\"> после");
    QTextCursor cursor = document->find(QString(QChar::ObjectReplacementCharacter));
    ASSERT_FALSE(cursor.isNull());
    const QTextImageFormat image = cursor.charFormat().toImageFormat();
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.width(), 16);
    EXPECT_EQ(image.height(), 16);
    EXPECT_EQ(image.verticalAlignment(), QTextCharFormat::AlignNormal); // bottom on the baseline
    const QImage shown =
        document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
    EXPECT_EQ(shown, viewer::errorMarker());
}

TEST(DocumentBuilder, EmptyMarkupGivesAnEmptyDocument) {
    const auto document = build("");
    EXPECT_TRUE(document->isEmpty());
}

} // namespace
