#include "viewer/document_text.h"

#include "bank/cp1251.h"
#include "bank/utf8.h"
#include "viewer/markup_tokenizer.h"

namespace viewer {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool namesUtf8(std::string_view charset) {
    const std::string name = lowerCase(charset);
    return name == "utf-8" || name == "utf8";
}

// The charset named in a content value such as "text/html; charset=utf-8".
std::string_view charsetOfContent(std::string_view content) {
    const std::string lower = lowerCase(content);
    const std::size_t at = lower.find("charset=");
    if (at == std::string::npos) {
        return {};
    }
    std::string_view rest = content.substr(at + 8);
    const std::size_t end = rest.find_first_of("; \t\"'");
    return rest.substr(0, end);
}

} // namespace

Encoding declaredEncoding(std::string_view page) {
    if (page.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        return Encoding::Utf8;
    }
    // The declaration belongs in the head; looking at the start of the page is enough.
    Tokenizer tokenizer(page.substr(0, 4096));
    Token token;
    while (tokenizer.next(token)) {
        if (token.kind != TokenKind::StartTag) {
            continue;
        }
        if (token.name == "body") {
            break;
        }
        if (token.name != "meta") {
            continue;
        }
        for (const Attribute& attribute : token.attributes) {
            if ((attribute.name == "charset" && namesUtf8(attribute.value)) ||
                (attribute.name == "content" && namesUtf8(charsetOfContent(attribute.value)))) {
                return Encoding::Utf8;
            }
        }
    }
    return Encoding::Windows1251;
}

std::string decodeText(std::string_view bytes, Encoding encoding) {
    if (encoding == Encoding::Windows1251) {
        return bank::cp1251::toUtf8(bytes);
    }
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return bank::utf8::sanitize(bytes);
}

} // namespace viewer
