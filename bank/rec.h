#pragma once

#include "text.h"

namespace bank {

// One question: its text, five options, the committed answer, the right answer and the
// explanation. The committed answer is kept as the chosen option's text, never its number.
struct TRec {
    Text Q;
    Text A1;
    Text A2;
    Text A3;
    Text A4;
    Text A5;
    Text Given;
    Text Right;
    Text Com;

    // Option k, 1 to 5.
    const Text& option(int k) const;

    bool operator==(const TRec&) const = default;
};

} // namespace bank
