#include "markup_check.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

namespace bankc {
namespace {

const std::map<std::string, std::set<std::string>>& allowedTags() {
    static const std::map<std::string, std::set<std::string>> tags = {
        {"i", {}},
        {"b", {}},
        {"u", {}},
        {"br", {}},
        {"ul", {}},
        {"ol", {}},
        {"li", {}},
        {"font", {"face"}},
        {"img", {"src"}},
        {"table", {"border", "cellspacing", "cellpadding", "bordercolor", "width"}},
        {"tr", {}},
        {"td", {"colspan", "align"}},
    };
    return tags;
}

bool isVoid(const std::string& tag) {
    return tag == "br" || tag == "img" || tag == "li";
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

struct Tag {
    std::string name;
    bool closing = false;
    std::map<std::string, std::string> attributes;
    std::size_t end = 0; // index after '>'
};

// Reads a tag starting at text[i] == '<'; nothing if it is not closed by '>' before the next '<'.
std::optional<Tag> readTag(const std::string& text, std::size_t i, std::string& problem) {
    Tag tag;
    std::size_t p = i + 1;
    if (p < text.size() && text[p] == '/') {
        tag.closing = true;
        ++p;
    }
    const std::size_t nameStart = p;
    while (p < text.size() && std::isalnum(static_cast<unsigned char>(text[p]))) {
        ++p;
    }
    tag.name = lower(text.substr(nameStart, p - nameStart));
    while (p < text.size() && text[p] != '>') {
        if (text[p] == '<') {
            problem = "tag <" + tag.name + "> is not closed by >";
            return std::nullopt;
        }
        if (std::isspace(static_cast<unsigned char>(text[p]))) {
            ++p;
            continue;
        }
        const std::size_t attrStart = p;
        while (p < text.size() && text[p] != '=' && text[p] != '>' &&
               !std::isspace(static_cast<unsigned char>(text[p]))) {
            ++p;
        }
        const std::string name = lower(text.substr(attrStart, p - attrStart));
        std::string value;
        if (p < text.size() && text[p] == '=') {
            ++p;
            if (p < text.size() && text[p] == '"') {
                const std::size_t close = text.find('"', p + 1);
                if (close == std::string::npos) {
                    problem = "attribute " + name + " has no closing quote";
                    return std::nullopt;
                }
                value = text.substr(p + 1, close - p - 1);
                p = close + 1;
            } else {
                const std::size_t valueStart = p;
                while (p < text.size() && text[p] != '>' &&
                       !std::isspace(static_cast<unsigned char>(text[p]))) {
                    ++p;
                }
                value = text.substr(valueStart, p - valueStart);
            }
        }
        tag.attributes[name] = value;
    }
    if (p >= text.size()) {
        problem = "tag <" + tag.name + "> is not closed by >";
        return std::nullopt;
    }
    tag.end = p + 1;
    return tag;
}

bool validReference(const std::string& text, std::size_t i) {
    std::size_t p = i + 1;
    if (p < text.size() && text[p] == '#') {
        ++p;
        const bool hex = p < text.size() && (text[p] == 'x' || text[p] == 'X');
        p += hex ? 1 : 0;
        const std::size_t digits = p;
        while (p < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[p]))
                                       : std::isdigit(static_cast<unsigned char>(text[p])))) {
            ++p;
        }
        return p > digits && p < text.size() && text[p] == ';';
    }
    const std::size_t name = p;
    while (p < text.size() && std::isalnum(static_cast<unsigned char>(text[p]))) {
        ++p;
    }
    return p > name && p < text.size() && text[p] == ';';
}

} // namespace

MarkupFacts checkMarkup(const std::string& text,
                        const std::function<bool(const std::string&)>& pictureExists) {
    MarkupFacts facts;
    std::vector<std::string> open;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '&') {
            if (!validReference(text, i)) {
                facts.problems.push_back("& starts no reference ending in ; (write &amp;)");
            }
            ++i;
            continue;
        }
        if (c != '<') {
            ++i;
            continue;
        }
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (!std::isalpha(static_cast<unsigned char>(next)) && next != '/') {
            facts.problems.push_back("< starts no tag (write &lt;)");
            ++i;
            continue;
        }
        std::string problem;
        const auto tag = readTag(text, i, problem);
        if (!tag) {
            facts.problems.push_back(problem);
            return facts;
        }
        i = tag->end;
        const auto allowed = allowedTags().find(tag->name);
        if (allowed == allowedTags().end()) {
            facts.problems.push_back("tag <" + tag->name + "> is outside the bank's subset");
            continue;
        }
        if (tag->closing) {
            if (isVoid(tag->name)) {
                facts.problems.push_back("</" + tag->name + "> closes nothing: <" + tag->name +
                                         "> has no end tag");
            } else if (open.empty() || open.back() != tag->name) {
                facts.problems.push_back(
                    "</" + tag->name + "> does not close the innermost open " +
                    (open.empty() ? "tag (none is open)" : "<" + open.back() + ">"));
            } else {
                open.pop_back();
            }
            continue;
        }
        for (const auto& [name, value] : tag->attributes) {
            if (allowed->second.count(name) == 0) {
                facts.problems.push_back("attribute " + name + " on <" + tag->name +
                                         "> is outside the bank's subset");
            }
        }
        if (tag->name == "font") {
            const auto face = tag->attributes.find("face");
            if (face == tag->attributes.end() || face->second != "SILDoulosIPA") {
                facts.problems.push_back("<font> must be <font face=SILDoulosIPA>");
            }
            facts.hasPhonetic = true;
            const std::size_t close = text.find("</font>", i);
            const std::string inside = text.substr(i, close == std::string::npos ? 0 : close - i);
            if (close == std::string::npos || (inside != "@" && inside != "#")) {
                facts.problems.push_back("a phonetic span must hold exactly one @ or #, not \"" +
                                         inside + "\"");
            }
        } else if (tag->name == "img") {
            facts.hasPicture = true;
            const auto src = tag->attributes.find("src");
            const std::string value = src == tag->attributes.end() ? "" : src->second;
            const std::string prefix = "Images\\";
            if (value.rfind(prefix, 0) != 0 || value.size() <= prefix.size() + 4 ||
                value.substr(value.size() - 4) != ".jpg") {
                facts.problems.push_back("picture \"" + value + "\" is not Images\\NAME.jpg");
            } else {
                const std::string name = value.substr(prefix.size());
                facts.pictures.push_back(value);
                if (!pictureExists(name)) {
                    facts.problems.push_back("picture " + value + " is missing from assets/Images");
                }
            }
        }
        if (!isVoid(tag->name)) {
            open.push_back(tag->name);
        }
    }
    for (const std::string& tag : open) {
        facts.problems.push_back("<" + tag + "> is left open");
    }
    return facts;
}

} // namespace bankc
