#include "random_test.h"

#include <array>
#include <vector>

namespace engine {
namespace {

constexpr int kYears = bank::kLastYear - bank::kFirstYear + 1;
constexpr int kSlots = 10 * kYears;

using Pool = std::array<bank::TRec, kSlots>;

} // namespace

void FillBaseRandom(const bank::Bank& bank, int selectedClass, bank::LoadTarget target,
                    std::mt19937& generator) {
    std::array<Pool, 3> pools{};

    // Gather: each year's paper passes through Base into the three pools.
    for (int year = bank::kFirstYear; year <= bank::kLastYear; ++year) {
        bank::fillBaseOf(year)(bank, selectedClass, target);
        for (int j = 0; j < 10; ++j) {
            const auto slot = static_cast<std::size_t>(10 * (year - bank::kFirstYear) + j);
            for (int third = 0; third < 3; ++third) {
                bank::copyRecord(target.Base[10 * third + 1 + j],
                                 pools[static_cast<std::size_t>(third)][slot]);
            }
        }
        target.Base.ClearBase();
    }

    target.QuestionCount = (selectedClass == 2 || selectedClass == 3) ? 26 : 30;

    std::vector<bank::TRec> candidates;
    candidates.reserve(kSlots);
    for (int third = 0; third < 3; ++third) {
        candidates.clear();
        for (const bank::TRec& rec : pools[static_cast<std::size_t>(third)]) {
            if (!rec.Q.empty()) {
                candidates.push_back(rec);
            }
        }
        const int first = 10 * third + 1;
        const int last = third == 2 ? target.QuestionCount : first + 9;
        std::size_t available = candidates.size();
        for (int pos = first; pos <= last && available > 0; ++pos) {
            std::uniform_int_distribution<std::size_t> pick(0, candidates.size() - 1);
            std::size_t i = pick(generator);
            while (candidates[i].Q.empty()) {
                i = pick(generator);
            }
            bank::copyRecord(candidates[i], target.Base[pos]);
            candidates[i].Q.clear();
            --available;
        }
    }
}

} // namespace engine
