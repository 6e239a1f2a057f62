#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace viewer {

// The character of a named reference of the HTML 4.01 set or "apos"; names match with case.
std::optional<char32_t> namedReference(std::string_view name);

struct CharacterReference {
    char32_t codePoint;
    std::size_t length; // bytes taken from the text, '&' and any ';' included
};

// Reads the reference at the start of text, which begins with '&': a known name, "#" and
// decimal digits or "#x" and hexadecimal digits; the ';' is optional. Nothing for anything
// else, which is then shown as written.
std::optional<CharacterReference> readCharacterReference(std::string_view text);

// Appends text as UTF-8 with every character reference replaced by its character.
void appendReplacingReferences(std::string_view text, std::string& out);

} // namespace viewer
