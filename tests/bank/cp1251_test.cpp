#include "bank/cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace bank::cp1251;

TEST(Cp1251, RoundTripsEveryAssignedByte) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) {
            continue;
        }
        const std::string byte(1, static_cast<char>(b));
        const auto back = fromUtf8(toUtf8(byte));
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, byte) << "byte " << b;
    }
}

TEST(Cp1251, MapsTheCharactersTheBankUses) {
    struct Case {
        const char* utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"АБВГД", "\xC0\xC1\xC2\xC3\xC4"},
        {"ёЁ", "\xB8\xA8"},
        {"—–…", "\x97\x96\x85"},
        {"«»“”‘’", "\xAB\xBB\x93\x94\x91\x92"},
        {"\u00A0\u00AD№¬", "\xA0\xAD\xB9\xAC"},
        {"я", "\xFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fromUtf8(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(toUtf8(c.bytes), c.utf8);
    }
}

TEST(Cp1251, RefusesWhatItCannotEncode) {
    for (const char* text : {"ə", "→", "α", "\xD0", "\xC3\x28", "\xE2\x82", "\xF0\x9F\x98\x80"}) {
        EXPECT_FALSE(fromUtf8(text).has_value()) << text;
    }
    EXPECT_THROW(literal("→"), std::invalid_argument);
}

} // namespace
