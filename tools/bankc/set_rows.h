#pragma once

#include <optional>
#include <string>

namespace bankc {

// What a set must hold: its size and how many records have a picture, use the phonetic font
// and end their explanation with a remark list.
struct SetRow {
    int questions;
    int pictures;
    int phonetic;
    int remarks;
};

// The row of a set by year and class group; nothing for a set the bank does not have.
std::optional<SetRow> setRow(int year, const std::string& group);

} // namespace bankc
