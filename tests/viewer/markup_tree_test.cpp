#include "viewer/markup_tree.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using viewer::dumpTree;
using viewer::parseMarkup;

struct TreeCase {
    const char* what;
    std::string markup;
    std::string tree; // the tree written back as regular markup
};

std::ostream& operator<<(std::ostream& out, const TreeCase& c) {
    return out << c.what;
}

class MarkupTree : public testing::TestWithParam<TreeCase> {};

TEST_P(MarkupTree, ReadsAsExpected) {
    EXPECT_EQ(dumpTree(parseMarkup(GetParam().markup)), GetParam().tree);
}

// The subset the bank and the system use.
INSTANTIATE_TEST_SUITE_P(
    Constructs, MarkupTree,
    testing::Values(
        TreeCase{"white space collapses", "a  b\t\t c\r\n d", "a b c d"},
        TreeCase{"no-break space stays",
                 "a\xC2\xA0\xC2\xA0"
                 "b",
                 "a\xC2\xA0\xC2\xA0"
                 "b"},
        TreeCase{"nesting", "<i>a<b>b<u>c</u></b></i>", "<i>a<b>b<u>c</u></b></i>"},
        TreeCase{"names in any case", "<B>x</b><I>y</I>", "<b>x</b><i>y</i>"},
        TreeCase{"line breaks", "<br><br>a<br>b", "<br><br>a<br>b"},
        TreeCase{"phonetic font", "[<font face=SILDoulosIPA>@</font>]",
                 "[<font face=\"SILDoulosIPA\">@</font>]"},
        TreeCase{"picture", "<img src=\"Images\\2006_2-3_q11_a1.jpg\">",
                 "<img src=\"Images\\2006_2-3_q11_a1.jpg\">"},
        TreeCase{"remark list", "<b>Ответ</b>: (В).<br><ul><li>Заметка.</ul>",
                 "<b>Ответ</b>: (В).<br><ul><li>Заметка.</li></ul>"},
        TreeCase{"numbered list", "<ol><li>раз<li>два</ol>дальше",
                 "<ol><li>раз</li><li>два</li></ol>дальше"},
        TreeCase{"bank table",
                 "<table border=1 cellspacing=0 bordercolor=\"#000080\" cellpadding=\"0\">"
                 "<tr><td colspan=2>a</td></tr><tr><td>b</td><td>c</td></tr></table>",
                 "<table border=\"1\" cellspacing=\"0\" bordercolor=\"#000080\" cellpadding=\"0\">"
                 "<tr><td colspan=\"2\">a</td></tr><tr><td>b</td><td>c</td></tr></table>"},
        TreeCase{"option box",
                 "<table valign=bottom border=0 cellpadding=0 cellspacing=0 width=225 height=64>"
                 "<tr><td align=center>x</td></tr></table>",
                 "<table valign=\"bottom\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
                 "width=\"225\" height=\"64\"><tr><td align=\"center\">x</td></tr></table>"},
        TreeCase{
            "summary headings",
            "<br><h1 align=center>Вы набрали 5.</h1><h3 align=center>В 2004 году",
            "<br><h1 align=\"center\">Вы набрали 5.</h1><h3 align=\"center\">В 2004 году</h3>"},
        TreeCase{"single-quoted and bare values", "<font face='A B' size=+1>x</font>",
                 "<font face=\"A B\" size=\"+1\">x</font>"},
        TreeCase{"references in attribute values", "<img src=\"a&amp;b.jpg\">",
                 "<img src=\"a&b.jpg\">"}),
    [](const auto& param) { return std::to_string(param.index); });

// Every irregular form the bank holds, and the tolerance rules around them.
INSTANTIATE_TEST_SUITE_P(
    IrregularForms, MarkupTree,
    testing::Values(
        TreeCase{"unknown tag dropped, content kept", "a<ii>b</ii>c", "abc"},
        TreeCase{"unknown tag with attributes", "<blink speed=9>x</blink>", "x"},
        TreeCase{"space before >", "<i >x</i >", "<i>x</i>"},
        TreeCase{"self-closing i opens nothing", "a<i/>b", "ab"},
        TreeCase{"closing br closes nothing", "a</br>b", "ab"},
        TreeCase{"end tag without > runs into the next", "<i><b>x</b</i>y", "<i><b>x</b></i>y"},
        TreeCase{"cell end without >", "<table><tr><td>x</td</tr></table>z",
                 "<table><tr><td>x</td></tr></table>z"},
        TreeCase{"stray < before a tag", "<<i>x</i>", "&lt;<i>x</i>"},
        TreeCase{"< not starting a tag is text", "a < b, 3<4, <5 </ 6",
                 "a &lt; b, 3&lt;4, &lt;5 &lt;/ 6"},
        TreeCase{"unclosed i and b", "<i>a<b>b", "<i>a<b>b</b></i>"},
        TreeCase{"list open at the end", "<ul><li>a<li>b", "<ul><li>a</li><li>b</li></ul>"},
        TreeCase{"heading open at the end", "<h3 align=center>x <b>y",
                 "<h3 align=\"center\">x <b>y</b></h3>"},
        TreeCase{"end tag that closes nothing", "x</u></b>y</table>", "xy"},
        TreeCase{"crossed formatting reopens", "<b><i>x</b>y</i>", "<b><i>x</i></b><i>y</i>"},
        TreeCase{"missing row closes at the next", "<table><tr><td>a<tr><td>b</table>",
                 "<table><tr><td>a</td></tr><tr><td>b</td></tr></table>"},
        TreeCase{"cell without row", "<table><td>x</table>", "<table><tr><td>x</td></tr></table>"},
        TreeCase{"text loose in a table gets a cell", "<table> <tr> x </tr> </table>",
                 "<table><tr><td> x </td></tr></table>"},
        TreeCase{"cell outside a table is dropped", "<td>x</td>", "x"},
        TreeCase{"item outside a list gets one", "<li>x", "<ul><li>x</li></ul>"},
        TreeCase{"list end does not cross a cell", "<ul><li><table><tr><td>a</ul>b</table>c",
                 "<ul><li><table><tr><td>ab</td></tr></table>c</li></ul>"},
        TreeCase{"inline end does not cross a block", "<b><ul><li>x</b>y</ul>z",
                 "<b><ul><li>xy</li></ul>z</b>"},
        TreeCase{"unclosed quote ends at the tag end", "<img src=\"a.jpg>text",
                 "<img src=\"a.jpg\">text"},
        TreeCase{"comment and doctype skipped", "<!DOCTYPE html>a<!-- <b> -->b<?xml x?>c", "abc"},
        TreeCase{"script, style and title content hidden",
                 "<title>T</title><style>b{}</style><script>if (a<b) x();</script>c", "c"},
        TreeCase{"structure tags skipped",
                 "<html><head><meta charset=utf-8></head><body>x</body></html>", "x"},
        TreeCase{"preformatted text keeps its spaces", "<pre>a  b\r\nc</pre>",
                 "<pre>a  b\nc</pre>"},
        TreeCase{"tag cut off at the end", "x<b", "x<b></b>"},
        TreeCase{"paragraph closed by a block", "<p>a<p>b<ul><li>c</ul>",
                 "<p>a</p><p>b</p><ul><li>c</li></ul>"}),
    [](const auto& param) { return std::to_string(param.index); });

TEST(MarkupTreeLimits, DeepNestingStopsAtTheLimit) {
    std::string markup;
    for (int i = 0; i < 5000; ++i) {
        markup += "<b><i>";
    }
    markup += "x";
    const viewer::Node root = parseMarkup(markup);
    std::size_t depth = 0;
    const viewer::Node* node = &root;
    while (!node->children.empty()) {
        node = &node->children.back();
        ++depth;
    }
    EXPECT_EQ(node->text, "x");
    EXPECT_LE(depth, viewer::kMaxOpenElements); // the open elements and the text in the last
}

TEST(MarkupTreeLimits, NestedTablesStopAtTheLimit) {
    std::string markup;
    for (int i = 0; i < 20; ++i) {
        markup += "<table><tr><td>";
    }
    markup += "x";
    const std::string tree = dumpTree(parseMarkup(markup));
    std::size_t tables = 0;
    for (std::size_t at = tree.find("<table>"); at != std::string::npos;
         at = tree.find("<table>", at + 1)) {
        ++tables;
    }
    EXPECT_EQ(tables, static_cast<std::size_t>(viewer::kMaxNestedTables));
    EXPECT_NE(tree.find('x'), std::string::npos);
}

TEST(MarkupTreeAttributes, LookUpByLowerCaseName) {
    const viewer::Node root = parseMarkup("<TD COLSPAN=2 Align=Center>");
    // A cell outside a table is dropped; read the attributes from an image instead.
    const viewer::Node image = parseMarkup("<IMG SRC=\"a.jpg\" Width=10>").children.at(0);
    ASSERT_NE(image.attribute("src"), nullptr);
    EXPECT_EQ(*image.attribute("src"), "a.jpg");
    EXPECT_EQ(*image.attribute("width"), "10");
    EXPECT_EQ(image.attribute("height"), nullptr);
    EXPECT_TRUE(root.children.empty());
}

} // namespace
