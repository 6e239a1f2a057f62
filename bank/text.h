#pragma once

#include <string>

namespace bank {

// A text of the system: Windows-1251 bytes, copied by value and compared byte for byte.
// The empty string stands for an absent value.
using Text = std::string;

} // namespace bank
