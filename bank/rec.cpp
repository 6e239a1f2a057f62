#include "rec.h"

#include <cassert>

namespace bank {

const Text& TRec::option(int k) const {
    assert(k >= 1 && k <= 5);
    switch (k) {
    case 1:
        return A1;
    case 2:
        return A2;
    case 3:
        return A3;
    case 4:
        return A4;
    default:
        return A5;
    }
}

} // namespace bank
