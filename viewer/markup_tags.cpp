#include "viewer/markup_tags.h"

#include <array>
#include <utility>

namespace viewer {

namespace {

constexpr std::array<std::pair<std::string_view, Tag>, 47> kTags{{
    {"a", Tag::A},           {"b", Tag::B},
    {"big", Tag::Big},       {"blockquote", Tag::Blockquote},
    {"body", Tag::Ignored},  {"br", Tag::Br},
    {"center", Tag::Center}, {"code", Tag::Code},
    {"div", Tag::Div},       {"em", Tag::Em},
    {"font", Tag::Font},     {"h1", Tag::H1},
    {"h2", Tag::H2},         {"h3", Tag::H3},
    {"h4", Tag::H4},         {"h5", Tag::H5},
    {"h6", Tag::H6},         {"head", Tag::Ignored},
    {"hr", Tag::Hr},         {"html", Tag::Ignored},
    {"i", Tag::I},           {"img", Tag::Img},
    {"li", Tag::Li},         {"link", Tag::Ignored},
    {"meta", Tag::Ignored},  {"ol", Tag::Ol},
    {"p", Tag::P},           {"pre", Tag::Pre},
    {"s", Tag::S},           {"script", Tag::Script},
    {"small", Tag::Small},   {"span", Tag::Span},
    {"strike", Tag::S},      {"strong", Tag::Strong},
    {"style", Tag::Style},   {"sub", Tag::Sub},
    {"sup", Tag::Sup},       {"table", Tag::Table},
    {"tbody", Tag::Ignored}, {"td", Tag::Td},
    {"th", Tag::Th},         {"thead", Tag::Ignored},
    {"title", Tag::Title},   {"tr", Tag::Tr},
    {"tt", Tag::Tt},         {"u", Tag::U},
    {"ul", Tag::Ul},
}};

} // namespace

Tag tagOf(std::string_view lowerCaseName) {
    for (const auto& [name, tag] : kTags) {
        if (name == lowerCaseName) {
            return tag;
        }
    }
    return Tag::Unknown;
}

std::string_view nameOf(Tag tag) {
    switch (tag) {
    case Tag::Unknown:
        return "?";
    case Tag::Ignored:
        return "ignored";
    case Tag::Root:
        return "root";
    case Tag::Text:
        return "text";
    case Tag::S:
        return "s";
    default:
        break;
    }
    for (const auto& [name, known] : kTags) {
        if (known == tag) {
            return name;
        }
    }
    return "?";
}

bool isInlineFormatting(Tag tag) {
    return tag >= Tag::B && tag <= Tag::Code;
}

bool isEmptyElement(Tag tag) {
    return tag == Tag::Br || tag == Tag::Img || tag == Tag::Hr;
}

bool isHeading(Tag tag) {
    return tag >= Tag::H1 && tag <= Tag::H6;
}

bool isList(Tag tag) {
    return tag == Tag::Ul || tag == Tag::Ol;
}

bool isTableCell(Tag tag) {
    return tag == Tag::Td || tag == Tag::Th;
}

bool hidesContent(Tag tag) {
    return tag == Tag::Title || tag == Tag::Style || tag == Tag::Script;
}

} // namespace viewer
