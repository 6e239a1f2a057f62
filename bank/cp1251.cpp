#include "cp1251.h"

#include "bank/utf8.h"

#include <array>
#include <stdexcept>

namespace bank::cp1251 {
namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// Decodes one UTF-8 sequence at s[i]; advances i. Nothing on a malformed sequence.
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) {
        return std::nullopt;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

} // namespace

char32_t toUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kHigh[byte - 0x80];
}

std::optional<unsigned char> fromUnicode(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<unsigned char>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t k = 0; k < kHigh.size(); ++k) {
        if (kHigh[k] != 0 && kHigh[k] == cp) {
            return static_cast<unsigned char>(0x80 + k);
        }
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251) {
        const char32_t cp = toUnicode(static_cast<unsigned char>(c));
        utf8::append(cp == 0 && c != 0 ? U'\uFFFD' : cp, out);
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = nextUtf8(utf8, i);
        if (!cp) {
            return std::nullopt;
        }
        const auto byte = fromUnicode(*cp);
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::optional<char32_t> firstUnencodable(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = nextUtf8(utf8, i);
        if (!cp) {
            return U'\uFFFD';
        }
        if (!fromUnicode(*cp)) {
            return *cp;
        }
    }
    return std::nullopt;
}

std::string literal(std::string_view utf8) {
    auto text = fromUtf8(utf8);
    if (!text) {
        throw std::invalid_argument("text not encodable in Windows-1251");
    }
    return *text;
}

} // namespace bank::cp1251
