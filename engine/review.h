#pragma once

#include "bank/rec.h"

namespace engine {

// The review page of one question: the question, the five options each after two line breaks
// and its letter in parentheses, then the explanation.
bank::Text reviewHtml(const bank::TRec& rec);

} // namespace engine
