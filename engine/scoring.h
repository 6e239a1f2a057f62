#pragma once

#include "bank/rez_base.h"
#include "bank/text.h"

#include <cstdint>

namespace engine {

using bank::Text;

inline constexpr int kTestMinutes = 75;
inline constexpr int kCountdownInterval = 1000;
inline constexpr int kAnimationInterval = 75;

// Points a position is worth: 3 for 1-10, 4 for 11-20, 5 for 21-30.
int pointsForPosition(int pos);

// "балл", "балла" or "баллов" for a score, as Russian grammar agrees it with the number.
const Text& scoreWord(int score);

// Share, 0 to 100, of the participants with at least one point who scored fewer than `score`.
std::uint8_t RezPercent(int score, const bank::TRezBase& rezBase);

// The result summary: with the share line for a contest year, without it for the random test.
Text summaryHtml(int score, int selectedYear, const bank::TRezBase& rezBase);

// The clock label's text: minutes and seconds, two digits each.
Text clockText(int minutes, int seconds);

// The k-th letter of "АБВГД" (k = 1 to 5).
Text optionLetter(int k);

// An option text inside the 225 x 64 table that centres it in its viewer.
Text optionHtml(const Text& option);

} // namespace engine
