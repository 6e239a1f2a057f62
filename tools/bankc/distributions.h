#pragma once

#include "bank_source.h"

#include <string>
#include <utility>
#include <vector>

namespace bankc {

struct DistributionTable {
    int year = 0;
    int schoolClass = 0;
    int line = 0;
    std::vector<std::pair<int, int>> pairs; // score, count in ascending score order
};

struct DistributionFile {
    std::vector<DistributionTable> tables;
    std::vector<Diagnostic> problems;
};

// Reads "YEAR CLASS: score:count score:count ..." lines ('#' starts a comment) and checks
// that every year and class the menu offers has exactly one table, scores run 0 to 120 in
// ascending order without 1, 2, 118 or 119, counts are positive and a table holds 90 to 117
// pairs.
DistributionFile parseDistributions(const std::string& text);
DistributionFile readDistributions(const std::string& path);

} // namespace bankc
