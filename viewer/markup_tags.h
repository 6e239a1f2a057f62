#pragma once

#include <cstdint>
#include <string_view>

namespace viewer {

// The elements the viewer knows. Unknown tags are skipped; structural ones (html, head, body,
// meta ...) are skipped too, as they add nothing to what is shown.
enum class Tag : std::uint8_t {
    Unknown,
    Ignored, // html, head, body, meta, link: the tag adds nothing
    Root,
    Text,
    // inline formatting
    B,
    I,
    U,
    S,
    Strong,
    Em,
    Font,
    Span,
    A,
    Sub,
    Sup,
    Big,
    Small,
    Tt,
    Code,
    // empty elements
    Br,
    Img,
    Hr,
    // blocks
    P,
    Div,
    Center,
    Pre,
    Blockquote,
    H1,
    H2,
    H3,
    H4,
    H5,
    H6,
    Ul,
    Ol,
    Li,
    Table,
    Tr,
    Td,
    Th,
    // elements whose content is never shown
    Title,
    Style,
    Script,
};

// The tag of a lower-case element name.
Tag tagOf(std::string_view lowerCaseName);

// The lower-case name of a tag, for dumps and tests.
std::string_view nameOf(Tag tag);

bool isInlineFormatting(Tag tag);
bool isEmptyElement(Tag tag);
bool isHeading(Tag tag);
bool isList(Tag tag);
bool isTableCell(Tag tag);
// Elements whose raw content the tokenizer skips up to their end tag.
bool hidesContent(Tag tag);

} // namespace viewer
