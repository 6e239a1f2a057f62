#pragma once

#include <array>
#include <cstdint>

namespace bank {

// Participants of one year and class by score 0 to 120.
using TRezBase = std::array<std::int32_t, 121>;

inline void ClearRezBase(TRezBase& rez) {
    rez.fill(0);
}

} // namespace bank
