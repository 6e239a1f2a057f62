#include "viewer/markup_tree.h"

#include <algorithm>

namespace viewer {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isAllSpace(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isSpace);
}

class TreeBuilder {
public:
    TreeBuilder() { open_.push_back(&root_); }

    Node finish() { return std::move(root_); }

    void add(Token& token) {
        switch (token.kind) {
        case TokenKind::Text:
            addText(token.text);
            break;
        case TokenKind::StartTag:
            start(tagOf(token.name), token);
            break;
        case TokenKind::EndTag:
            end(tagOf(token.name));
            break;
        }
    }

private:
    Node& current() { return *open_.back(); }

    // Index in open_ of the nearest element matching `wanted`, searching from the top and
    // giving up at the first element matching `barrier`; 0 (the root) when there is none.
    template <class Wanted, class Barrier> std::size_t find(Wanted wanted, Barrier barrier) const {
        for (std::size_t i = open_.size() - 1; i > 0; --i) {
            if (wanted(open_[i]->tag)) {
                return i;
            }
            if (barrier(open_[i]->tag)) {
                return 0;
            }
        }
        return 0;
    }

    bool push(Tag tag, std::vector<Attribute> attributes = {}) {
        if (open_.size() >= kMaxOpenElements) {
            return false;
        }
        Node node;
        node.tag = tag;
        node.attributes = std::move(attributes);
        current().children.push_back(std::move(node));
        open_.push_back(&current().children.back());
        if (tag == Tag::Pre) {
            ++preDepth_;
        } else if (tag == Tag::Table) {
            ++tableDepth_;
        }
        return true;
    }

    // Closes the element at index and everything above it.
    void closeFrom(std::size_t index) {
        while (open_.size() > index) {
            if (current().tag == Tag::Pre) {
                --preDepth_;
            } else if (current().tag == Tag::Table) {
                --tableDepth_;
            }
            open_.pop_back();
        }
    }

    void addText(const std::string& text) {
        if (preDepth_ == 0 && isAllSpace(text) &&
            (current().tag == Tag::Table || current().tag == Tag::Tr)) {
            return;
        }
        prepareForContent();
        std::string collapsed;
        if (preDepth_ > 0) {
            collapsed.reserve(text.size());
            for (std::size_t i = 0; i < text.size(); ++i) {
                if (text[i] == '\r') {
                    collapsed += '\n';
                    if (i + 1 < text.size() && text[i + 1] == '\n') {
                        ++i;
                    }
                } else {
                    collapsed += text[i];
                }
            }
        } else {
            collapsed.reserve(text.size());
            for (const char c : text) {
                if (!isSpace(c)) {
                    collapsed += c;
                } else if (collapsed.empty() || collapsed.back() != ' ') {
                    collapsed += ' ';
                }
            }
        }
        auto& siblings = current().children;
        if (!siblings.empty() && siblings.back().tag == Tag::Text) {
            std::string& previous = siblings.back().text;
            if (preDepth_ == 0 && !previous.empty() && previous.back() == ' ' &&
                collapsed.front() == ' ') {
                previous.append(collapsed, 1);
            } else {
                previous += collapsed;
            }
            return;
        }
        Node node;
        node.tag = Tag::Text;
        node.text = std::move(collapsed);
        siblings.push_back(std::move(node));
    }

    // Content directly inside a table or a row goes into a cell made for it.
    void prepareForContent() {
        if (current().tag == Tag::Table) {
            push(Tag::Tr);
        }
        if (current().tag == Tag::Tr) {
            push(Tag::Td);
        }
    }

    void closeParagraph() {
        const std::size_t p =
            find([](Tag t) { return t == Tag::P; }, [](Tag t) { return !isInlineFormatting(t); });
        if (p != 0) {
            closeFrom(p);
        }
    }

    void start(Tag tag, Token& token) {
        if (tag == Tag::Unknown || tag == Tag::Ignored || hidesContent(tag)) {
            return;
        }
        if (token.selfClosing && !isEmptyElement(tag)) {
            return; // "<i/>" opens and closes at once: nothing to show
        }
        switch (tag) {
        case Tag::Br:
        case Tag::Img:
        case Tag::Hr: {
            if (tag == Tag::Hr) {
                closeParagraph();
            }
            prepareForContent();
            Node node;
            node.tag = tag;
            node.attributes = std::move(token.attributes);
            current().children.push_back(std::move(node));
            return;
        }
        case Tag::Li: {
            const auto isBarrier = [](Tag t) {
                return isList(t) || t == Tag::Table || isTableCell(t);
            };
            const std::size_t item = find([](Tag t) { return t == Tag::Li; }, isBarrier);
            if (item != 0) {
                closeFrom(item);
            } else {
                closeParagraph();
            }
            prepareForContent();
            if (!isList(current().tag) && !push(Tag::Ul)) {
                return;
            }
            push(Tag::Li, std::move(token.attributes));
            return;
        }
        case Tag::Tr: {
            const std::size_t table =
                find([](Tag t) { return t == Tag::Table; }, [](Tag) { return false; });
            if (table == 0) {
                return;
            }
            closeFrom(table + 1);
            push(Tag::Tr, std::move(token.attributes));
            return;
        }
        case Tag::Td:
        case Tag::Th: {
            const std::size_t holder = find([](Tag t) { return t == Tag::Tr || t == Tag::Table; },
                                            [](Tag) { return false; });
            if (holder == 0) {
                return;
            }
            closeFrom(holder + 1);
            if (current().tag == Tag::Table && !push(Tag::Tr)) {
                return;
            }
            push(tag, std::move(token.attributes));
            return;
        }
        case Tag::Table:
            if (tableDepth_ >= kMaxNestedTables) {
                return;
            }
            closeParagraph();
            prepareForContent();
            push(tag, std::move(token.attributes));
            return;
        default:
            break;
        }
        if (!isInlineFormatting(tag)) {
            closeParagraph();
            if (isHeading(tag)) {
                const std::size_t heading =
                    find(isHeading, [](Tag t) { return !isInlineFormatting(t); });
                if (heading != 0) {
                    closeFrom(heading);
                }
            }
        }
        prepareForContent();
        push(tag, std::move(token.attributes));
    }

    void end(Tag tag) {
        if (isInlineFormatting(tag)) {
            endInline(tag);
            return;
        }
        const auto tableBarrier = [](Tag t) {
            return t == Tag::Table || isTableCell(t) || t == Tag::Tr;
        };
        std::size_t index = 0;
        switch (tag) {
        case Tag::Li:
            index = find([](Tag t) { return t == Tag::Li; },
                         [&](Tag t) { return isList(t) || tableBarrier(t); });
            break;
        case Tag::Ul:
        case Tag::Ol:
            index = find([&](Tag t) { return t == tag; }, tableBarrier);
            break;
        case Tag::Td:
        case Tag::Th:
            index = find(isTableCell, [](Tag t) { return t == Tag::Table; });
            break;
        case Tag::Tr:
            index = find([](Tag t) { return t == Tag::Tr; }, [](Tag t) { return t == Tag::Table; });
            break;
        case Tag::Table:
            index = find([](Tag t) { return t == Tag::Table; }, [](Tag) { return false; });
            break;
        case Tag::P:
        case Tag::Div:
        case Tag::Center:
        case Tag::Pre:
        case Tag::Blockquote:
            index = find([&](Tag t) { return t == tag; }, tableBarrier);
            break;
        case Tag::H1:
        case Tag::H2:
        case Tag::H3:
        case Tag::H4:
        case Tag::H5:
        case Tag::H6:
            index = find(isHeading, tableBarrier);
            break;
        default:
            break; // "</br>", unknown and empty elements close nothing
        }
        if (index != 0) {
            closeFrom(index);
        }
    }

    // Closes the nearest open element of that tag, then reopens the inline formatting that
    // was open inside it, so "<b><i>x</b>y" keeps "y" italic.
    void endInline(Tag tag) {
        const std::size_t index =
            find([&](Tag t) { return t == tag; }, [](Tag t) { return !isInlineFormatting(t); });
        if (index == 0) {
            return;
        }
        std::vector<Node*> reopen(open_.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                                  open_.end());
        std::vector<std::pair<Tag, std::vector<Attribute>>> copies;
        copies.reserve(reopen.size());
        for (const Node* node : reopen) {
            copies.emplace_back(node->tag, node->attributes);
        }
        closeFrom(index);
        for (auto& [reopenedTag, attributes] : copies) {
            push(reopenedTag, std::move(attributes));
        }
    }

    Node root_;
    std::vector<Node*> open_;
    int preDepth_ = 0;
    int tableDepth_ = 0;
};

void dumpInto(const Node& node, std::string& out) {
    if (node.tag == Tag::Text) {
        for (const char c : node.text) {
            if (c == '<') {
                out += "&lt;";
            } else if (c == '&') {
                out += "&amp;";
            } else {
                out += c;
            }
        }
        return;
    }
    const bool element = node.tag != Tag::Root;
    if (element) {
        out += '<';
        out += nameOf(node.tag);
        for (const auto& [name, value] : node.attributes) {
            out += ' ';
            out += name;
            out += "=\"";
            out += value;
            out += '"';
        }
        out += '>';
    }
    for (const Node& child : node.children) {
        dumpInto(child, out);
    }
    if (element && !isEmptyElement(node.tag)) {
        out += "</";
        out += nameOf(node.tag);
        out += '>';
    }
}

} // namespace

const std::string* Node::attribute(std::string_view name) const {
    for (const Attribute& a : attributes) {
        if (a.name == name) {
            return &a.value;
        }
    }
    return nullptr;
}

Node parseMarkup(std::string_view markup) {
    TreeBuilder builder;
    Tokenizer tokenizer(markup);
    Token token;
    while (tokenizer.next(token)) {
        builder.add(token);
    }
    return builder.finish();
}

std::string dumpTree(const Node& node) {
    std::string out;
    dumpInto(node, out);
    return out;
}

} // namespace viewer
