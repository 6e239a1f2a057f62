#pragma once

#include <string>
#include <string_view>

namespace bank::utf8 {

// Appends the UTF-8 form of a code point; surrogates and values past U+10FFFF become U+FFFD.
void append(char32_t codePoint, std::string& out);

// The input with every malformed UTF-8 sequence replaced by U+FFFD.
std::string sanitize(std::string_view bytes);

} // namespace bank::utf8
