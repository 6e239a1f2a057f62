#include "viewer/document_text.h"

#include <gtest/gtest.h>

namespace {

using viewer::declaredEncoding;
using viewer::Encoding;

TEST(DeclaredEncoding, Utf8WhenThePageSaysSo) {
    EXPECT_EQ(declaredEncoding("<html><head><meta charset=\"UTF-8\"></head>"), Encoding::Utf8);
    EXPECT_EQ(declaredEncoding("<META HTTP-EQUIV=\"Content-Type\" "
                               "CONTENT=\"text/html; charset=utf-8\">"),
              Encoding::Utf8);
    EXPECT_EQ(declaredEncoding("\xEF\xBB\xBF<p>x"), Encoding::Utf8);
}

TEST(DeclaredEncoding, Windows1251Otherwise) {
    EXPECT_EQ(declaredEncoding("<p>\xCF\xF0\xE8\xE2\xE5\xF2"), Encoding::Windows1251);
    EXPECT_EQ(declaredEncoding("<meta charset=windows-1251>"), Encoding::Windows1251);
    EXPECT_EQ(declaredEncoding("<body><meta charset=utf-8>"), Encoding::Windows1251);
    EXPECT_EQ(declaredEncoding("<p>charset=utf-8</p>"), Encoding::Windows1251);
}

TEST(DecodeText, Windows1251) {
    EXPECT_EQ(viewer::decodeText("\xCF\xF0\xE8\xE2\xE5\xF2 \x97 \xAB\xBB", Encoding::Windows1251),
              "Привет — «»");
}

TEST(DecodeText, Utf8LosesItsMarkAndItsBrokenBytes) {
    EXPECT_EQ(viewer::decodeText("\xEF\xBB\xBFПривет", Encoding::Utf8), "Привет");
    EXPECT_EQ(viewer::decodeText("a\xFF"
                                 "b\xD0",
                                 Encoding::Utf8),
              "a\uFFFD"
              "b\uFFFD");
    EXPECT_EQ(viewer::decodeText("\xED\xA0\x80", Encoding::Utf8), "\uFFFD\uFFFD\uFFFD");
}

} // namespace
