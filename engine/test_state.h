#pragma once

#include "bank/rez_base.h"
#include "bank/test_base.h"
#include "bank/text.h"

#include <cstdint>

namespace engine {

// All state of one run: the test base, the distribution, the test variables, the timer
// counters and the summary. One instance lives from start to end.
struct TestState {
    bank::TestBase Base;
    bank::TRezBase RezBase{};

    std::int32_t SelectedYear = -1; // -1 none, 0 random test, 2000 to 2006
    std::int32_t SelectedClass = 0; // 0 none, 2 to 11
    std::int32_t QuestionCount = 0; // 26 or 30 once a test is filled
    std::int32_t CurrentPos = 0;
    std::int32_t AnsweredCount = 0;
    std::int32_t Score = 0;
    std::int32_t QuestionPoints = 0;

    // Minutes and seconds left in the countdown; phase and step in the animation.
    std::int32_t TimerMajor = 0;
    std::int32_t TimerMinor = 0;

    bank::Text ResultHtml;
};

} // namespace engine
