#include "viewer/char_refs.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct ReferenceCase {
    std::string text;
    std::string shown; // UTF-8
};

std::ostream& operator<<(std::ostream& out, const ReferenceCase& c) {
    return out << c.text;
}

class CharacterReferences : public testing::TestWithParam<ReferenceCase> {};

TEST_P(CharacterReferences, AreReplaced) {
    std::string out;
    viewer::appendReplacingReferences(GetParam().text, out);
    EXPECT_EQ(out, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    BankAndRules, CharacterReferences,
    testing::Values(
        // the references the bank uses
        ReferenceCase{"&rsquo;", "\u2019"}, ReferenceCase{"&lsquo;", "\u2018"},
        ReferenceCase{"&nbsp;", "\u00A0"}, ReferenceCase{"&rarr;", "\u2192"},
        ReferenceCase{"&prime;", "\u2032"}, ReferenceCase{"&scaron;", "\u0161"},
        ReferenceCase{"&pound;", "\u00A3"}, ReferenceCase{"&times;", "\u00D7"},
        ReferenceCase{"&Oslash;", "\u00D8"}, ReferenceCase{"&alpha;&beta;&iota;&lambda;", "αβιλ"},
        // the semicolon may be missing
        ReferenceCase{"it&rsquo", "it\u2019"}, ReferenceCase{"&rarr x", "\u2192 x"},
        ReferenceCase{"&rsquo.", "\u2019."},
        // the rest of the set, apos, and case
        ReferenceCase{"&apos;", "'"}, ReferenceCase{"&thetasym;", "\u03D1"},
        ReferenceCase{"&euro;", "\u20AC"}, ReferenceCase{"&Yuml;&yuml;", "\u0178\u00FF"},
        ReferenceCase{"&oslash;", "\u00F8"}, ReferenceCase{"&amp;lt;", "&lt;"},
        ReferenceCase{"&RSQUO;", "&RSQUO;"},
        // unknown names and lone ampersands are shown as written
        ReferenceCase{"&unknown;", "&unknown;"}, ReferenceCase{"a & b", "a & b"},
        ReferenceCase{"&", "&"}, ReferenceCase{"&rsquox", "&rsquox"}, ReferenceCase{"&;", "&;"},
        // numeric references, semicolon optional
        ReferenceCase{"&#1046;", "Ж"}, ReferenceCase{"&#x416", "Ж"}, ReferenceCase{"&#X416;", "Ж"},
        ReferenceCase{"&#39;s", "'s"}, ReferenceCase{"&#;", "&#;"}, ReferenceCase{"&#x;", "&#x;"},
        ReferenceCase{"&#0;", "\uFFFD"}, ReferenceCase{"&#xD800;", "\uFFFD"},
        ReferenceCase{"&#99999999999999999999;", "\uFFFD"}, ReferenceCase{"&#x110000;", "\uFFFD"}),
    [](const auto& param) { return std::to_string(param.index); });

TEST(NamedReferences, MatchTheirCase) {
    EXPECT_EQ(viewer::namedReference("Alpha"), U'\u0391');
    EXPECT_EQ(viewer::namedReference("alpha"), U'\u03B1');
    EXPECT_EQ(viewer::namedReference("ALPHA"), std::nullopt);
    EXPECT_EQ(viewer::namedReference(""), std::nullopt);
}

TEST(ReadCharacterReference, ReportsTheLengthTaken) {
    const auto withSemicolon = viewer::readCharacterReference("&rsquo;s");
    ASSERT_TRUE(withSemicolon);
    EXPECT_EQ(withSemicolon->length, 7u);
    const auto without = viewer::readCharacterReference("&rsquo s");
    ASSERT_TRUE(without);
    EXPECT_EQ(without->length, 6u);
    EXPECT_FALSE(viewer::readCharacterReference("&nosuch;"));
}

} // namespace
