#include "loaders.h"

#include <algorithm>
#include <cassert>

namespace bank {

std::string_view classGroup(int year, int schoolClass) {
    if (year == 2000) {
        switch (schoolClass) {
        case 5:
        case 6:
            return "5-6";
        case 7:
        case 8:
            return "7-8";
        case 9:
        case 10:
        case 11:
            return "9-11";
        default:
            return {};
        }
    }
    if (year < kFirstYear || year > kLastYear) {
        return {};
    }
    const bool from2004 = year >= 2004;
    switch (schoolClass) {
    case 2:
        return from2004 ? "2-3" : "";
    case 3:
        return from2004 ? "2-3" : "3-5";
    case 4:
    case 5:
        return from2004 ? "4-5" : "3-5";
    case 6:
    case 7:
        return "6-7";
    case 8:
    case 9:
        return "8-9";
    case 10:
    case 11:
        return "10-11";
    default:
        return {};
    }
}

std::int32_t questionCount(int year, int schoolClass) {
    return year >= 2004 && (schoolClass == 2 || schoolClass == 3) ? 26 : 30;
}

void FillBase(int year, const Bank& bank, int selectedClass, LoadTarget target) {
    const std::string_view group = classGroup(year, selectedClass);
    if (!group.empty()) {
        if (const QuestionSet* set = bank.findSet(year, group)) {
            const std::size_t n = std::min<std::size_t>(set->records.size(), TestBase::kPositions);
            for (std::size_t i = 0; i < n; ++i) {
                target.Base.loadPosition(static_cast<int>(i) + 1, set->records[i]);
            }
        }
    }
    target.QuestionCount = questionCount(year, selectedClass);
}

void FillRezBase(int year, const Bank& bank, int selectedClass, TRezBase& rezBase) {
    const Distribution* table = bank.findDistribution(year, selectedClass);
    if (table == nullptr) {
        return;
    }
    for (const ScoreCount& pair : table->pairs) {
        if (pair.score >= 0 && pair.score < static_cast<int>(rezBase.size())) {
            rezBase[static_cast<std::size_t>(pair.score)] = pair.count;
        }
    }
}

#define TRAINER_YEAR_LOADERS(Y)                                                                    \
    void FillBase##Y(const Bank& bank, int selectedClass, LoadTarget target) {                     \
        FillBase(Y, bank, selectedClass, target);                                                  \
    }                                                                                              \
    void FillRezBase##Y(const Bank& bank, int selectedClass, TRezBase& rezBase) {                  \
        FillRezBase(Y, bank, selectedClass, rezBase);                                              \
    }

TRAINER_YEAR_LOADERS(2000)
TRAINER_YEAR_LOADERS(2001)
TRAINER_YEAR_LOADERS(2002)
TRAINER_YEAR_LOADERS(2003)
TRAINER_YEAR_LOADERS(2004)
TRAINER_YEAR_LOADERS(2005)
TRAINER_YEAR_LOADERS(2006)

#undef TRAINER_YEAR_LOADERS

FillBaseFn fillBaseOf(int year) {
    static constexpr FillBaseFn kLoaders[] = {FillBase2000, FillBase2001, FillBase2002,
                                              FillBase2003, FillBase2004, FillBase2005,
                                              FillBase2006};
    assert(year >= kFirstYear && year <= kLastYear);
    return kLoaders[year - kFirstYear];
}

FillRezBaseFn fillRezBaseOf(int year) {
    static constexpr FillRezBaseFn kLoaders[] = {FillRezBase2000, FillRezBase2001, FillRezBase2002,
                                                 FillRezBase2003, FillRezBase2004, FillRezBase2005,
                                                 FillRezBase2006};
    assert(year >= kFirstYear && year <= kLastYear);
    return kLoaders[year - kFirstYear];
}

} // namespace bank
