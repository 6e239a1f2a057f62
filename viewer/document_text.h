#pragma once

#include <string>
#include <string_view>

namespace viewer {

enum class Encoding { Windows1251, Utf8 };

// The encoding a page declares: UTF-8 when it starts with the UTF-8 byte order mark or a
// meta tag names the charset utf-8 before the body; Windows-1251 otherwise.
Encoding declaredEncoding(std::string_view page);

// The bytes as UTF-8: Windows-1251 decoded, or UTF-8 with its byte order mark dropped and
// malformed sequences replaced.
std::string decodeText(std::string_view bytes, Encoding encoding);

} // namespace viewer
