#include "bank_record.h"

namespace bank {

const QuestionSet* Bank::findSet(int year, std::string_view group) const {
    for (const QuestionSet& set : sets) {
        if (set.year == year && set.group == group) {
            return &set;
        }
    }
    return nullptr;
}

const Distribution* Bank::findDistribution(int year, int schoolClass) const {
    for (const Distribution& table : distributions) {
        if (table.year == year && table.schoolClass == schoolClass) {
            return &table;
        }
    }
    return nullptr;
}

} // namespace bank
