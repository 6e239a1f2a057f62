#include "viewer/markup_tokenizer.h"

#include "viewer/char_refs.h"
#include "viewer/markup_tags.h"

namespace viewer {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsName(char c) {
    return isSpace(c) || c == '/' || c == '>' || c == '<' || c == '=';
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool Tokenizer::startsTag(std::size_t pos) const {
    if (in_[pos] != '<' || pos + 1 >= in_.size()) {
        return false;
    }
    const char next = in_[pos + 1];
    if (isLetter(next) || next == '!' || next == '?') {
        return true;
    }
    return next == '/' && pos + 2 < in_.size() && isLetter(in_[pos + 2]);
}

bool Tokenizer::next(Token& token) {
    while (pos_ < in_.size()) {
        if (!startsTag(pos_)) {
            readText(token);
            return true;
        }
        const char next = in_[pos_ + 1];
        if (next == '!' || next == '?') {
            skipMarkupDeclaration();
            continue;
        }
        readTag(token, next == '/');
        if (token.kind == TokenKind::StartTag && !token.selfClosing &&
            hidesContent(tagOf(token.name))) {
            skipHiddenContent(token.name);
        }
        return true;
    }
    return false;
}

void Tokenizer::readText(Token& token) {
    token.kind = TokenKind::Text;
    token.name.clear();
    token.attributes.clear();
    token.selfClosing = false;
    token.text.clear();
    std::size_t end = pos_ + 1; // the first character is text even when it is '<'
    while (true) {
        end = in_.find('<', end);
        if (end == std::string_view::npos) {
            end = in_.size();
            break;
        }
        if (startsTag(end)) {
            break;
        }
        ++end;
    }
    appendReplacingReferences(in_.substr(pos_, end - pos_), token.text);
    pos_ = end;
}

void Tokenizer::readTag(Token& token, bool endTag) {
    token.kind = endTag ? TokenKind::EndTag : TokenKind::StartTag;
    token.text.clear();
    token.name.clear();
    token.attributes.clear();
    token.selfClosing = false;
    pos_ += endTag ? 2 : 1;
    while (pos_ < in_.size() && !endsName(in_[pos_])) {
        token.name += lower(in_[pos_]);
        ++pos_;
    }
    readAttributes(token);
}

void Tokenizer::readAttributes(Token& token) {
    while (pos_ < in_.size()) {
        const char c = in_[pos_];
        if (isSpace(c)) {
            ++pos_;
            continue;
        }
        if (c == '>') {
            ++pos_;
            return;
        }
        if (c == '<') {
            return; // the tag runs into the next one
        }
        if (c == '/') {
            ++pos_;
            if (pos_ < in_.size() && in_[pos_] == '>') {
                token.selfClosing = true;
                ++pos_;
                return;
            }
            continue;
        }
        Attribute attribute;
        if (c == '=') {
            ++pos_; // a value without a name: read it and drop it below
        } else {
            while (pos_ < in_.size() && !endsName(in_[pos_])) {
                attribute.name += lower(in_[pos_]);
                ++pos_;
            }
            while (pos_ < in_.size() && isSpace(in_[pos_])) {
                ++pos_;
            }
            if (pos_ >= in_.size() || in_[pos_] != '=') {
                token.attributes.push_back(std::move(attribute));
                continue;
            }
            ++pos_;
        }
        while (pos_ < in_.size() && isSpace(in_[pos_])) {
            ++pos_;
        }
        std::string_view raw;
        if (pos_ < in_.size() && (in_[pos_] == '"' || in_[pos_] == '\'')) {
            const char quote = in_[pos_];
            const std::size_t closing = in_.find(quote, pos_ + 1);
            const std::size_t tagEnd = in_.find('>', pos_ + 1);
            if (closing != std::string_view::npos) {
                raw = in_.substr(pos_ + 1, closing - pos_ - 1);
                pos_ = closing + 1;
            } else {
                // An unclosed quote takes the value up to the end of the tag, not the document.
                const std::size_t end = tagEnd == std::string_view::npos ? in_.size() : tagEnd;
                raw = in_.substr(pos_ + 1, end - pos_ - 1);
                pos_ = end;
            }
        } else {
            const std::size_t start = pos_;
            while (pos_ < in_.size() && !isSpace(in_[pos_]) && in_[pos_] != '>' &&
                   in_[pos_] != '<') {
                ++pos_;
            }
            raw = in_.substr(start, pos_ - start);
        }
        if (!attribute.name.empty()) {
            appendReplacingReferences(raw, attribute.value);
            token.attributes.push_back(std::move(attribute));
        }
    }
}

void Tokenizer::skipMarkupDeclaration() {
    if (in_.substr(pos_, 4) == "<!--") {
        const std::size_t end = in_.find("-->", pos_ + 4);
        pos_ = end == std::string_view::npos ? in_.size() : end + 3;
        return;
    }
    const std::size_t end = in_.find('>', pos_ + 2);
    pos_ = end == std::string_view::npos ? in_.size() : end + 1;
}

void Tokenizer::skipHiddenContent(std::string_view name) {
    std::size_t search = pos_;
    while (true) {
        const std::size_t candidate = in_.find("</", search);
        if (candidate == std::string_view::npos) {
            pos_ = in_.size();
            return;
        }
        if (startsWithNoCase(in_.substr(candidate + 2), name)) {
            pos_ = candidate;
            return;
        }
        search = candidate + 2;
    }
}

} // namespace viewer
