#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace viewer {

struct Attribute {
    std::string name;  // lower case
    std::string value; // UTF-8, character references replaced
};

enum class TokenKind { Text, StartTag, EndTag };

struct Token {
    TokenKind kind = TokenKind::Text;
    std::string name; // tags: lower case
    std::string text; // text: UTF-8, character references replaced, white space as written
    std::vector<Attribute> attributes;
    bool selfClosing = false; // "<x/>"
};

// Splits UTF-8 markup into text and tags, forgiving every malformed form:
// - "<" not followed by a letter, "/" + letter, "!" or "?" is text;
// - a tag that runs into the next "<" ends there ("</b</i>");
// - attribute values with or without quotes; a quote left open ends at the next ">";
// - "<!-- ... -->", "<!...>" and "<?...>" are skipped, as is the content of script, style
//   and title elements.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view markup) : in_(markup) {}

    // Fills token with the next token; false at the end of the markup.
    bool next(Token& token);

private:
    void readTag(Token& token, bool endTag);
    void readAttributes(Token& token);
    void readText(Token& token);
    bool startsTag(std::size_t pos) const;
    void skipMarkupDeclaration();
    void skipHiddenContent(std::string_view name);

    std::string_view in_;
    std::size_t pos_ = 0;
};

} // namespace viewer
