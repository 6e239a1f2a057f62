#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bank::cp1251 {

// Unicode code point of a Windows-1251 byte; 0 for the one unassigned byte (0x98).
char32_t toUnicode(unsigned char byte);

// Windows-1251 byte of a code point, if the code page has it.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

// Windows-1251 bytes as UTF-8; the unassigned byte becomes U+FFFD.
std::string toUtf8(std::string_view cp1251);

// UTF-8 as Windows-1251 bytes; nothing if the input is not valid UTF-8 or holds a character
// the code page lacks.
std::optional<std::string> fromUtf8(std::string_view utf8);

// The first character of UTF-8 text that the code page lacks (U+FFFD for malformed UTF-8);
// nothing when all of it can be encoded.
std::optional<char32_t> firstUnencodable(std::string_view utf8);

// As fromUtf8, for literals known to be encodable; throws std::invalid_argument otherwise.
std::string literal(std::string_view utf8);

} // namespace bank::cp1251
