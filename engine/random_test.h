#pragma once

#include "bank/loaders.h"

#include <random>

namespace engine {

// Assembles a random test for a class from all seven years' papers, third by third: positions
// 1-10 are drawn from the years' positions 1-10, 11-20 from 11-20, the rest from 21-30, each
// draw uniform over the records of the third not drawn yet. Sets QuestionCount to 26 for
// classes 2 and 3, else 30. Base must be empty on entry. Should a third hold fewer records than
// it must give, the positions it cannot fill stay empty.
void FillBaseRandom(const bank::Bank& bank, int selectedClass, bank::LoadTarget target,
                    std::mt19937& generator);

} // namespace engine
