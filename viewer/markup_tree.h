#pragma once

#include "viewer/markup_tags.h"
#include "viewer/markup_tokenizer.h"

#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// A node of the document tree: the root, an element or a run of text.
struct Node {
    Tag tag = Tag::Root;
    std::string text; // Text nodes: UTF-8; white space collapsed outside pre
    std::vector<Attribute> attributes;
    std::vector<Node> children;

    // The value of an attribute (lower-case name), or nullptr when absent.
    const std::string* attribute(std::string_view name) const;
};

// Limits that keep hostile markup from exhausting the stack or Qt's table layout; deeper
// start tags are skipped like unknown ones.
inline constexpr std::size_t kMaxOpenElements = 64;
inline constexpr int kMaxNestedTables = 4;

// Builds the tree of UTF-8 markup. Never fails: elements still open at the end close there,
// unknown tags are dropped with their attributes while their content stays, end tags that close
// nothing are dropped, and inline formatting closed out of order is reopened after the close
// ("<b><i>x</b>y" gives <b><i>x</i></b><i>y</i>).
Node parseMarkup(std::string_view markup);

// The tree written back as regular markup, for tests and debugging.
std::string dumpTree(const Node& node);

} // namespace viewer
