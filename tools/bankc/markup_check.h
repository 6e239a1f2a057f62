#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bankc {

// What one field's markup holds, and what is wrong with it.
struct MarkupFacts {
    bool hasPicture = false;
    bool hasPhonetic = false;
    std::vector<std::string> pictures; // src values
    std::vector<std::string> problems;
};

// Checks a field against the bank's markup subset: known tags and attributes only, every
// element closed, phonetic spans of exactly one '@' or '#', references well formed, pictures
// named "Images\NAME.jpg" and present (`pictureExists` is asked for NAME.jpg).
MarkupFacts checkMarkup(const std::string& utf8,
                        const std::function<bool(const std::string&)>& pictureExists);

} // namespace bankc
