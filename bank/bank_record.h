#pragma once

#include <array>
#include <span>
#include <string_view>

namespace bank {

// A question as the bank stores it: constant Windows-1251 texts compiled into the program.
struct BankRecord {
    std::string_view Q;
    std::array<std::string_view, 5> A;
    std::string_view Right;
    std::string_view Com;
};

// One paper: the questions of one contest year for one class group, in position order.
struct QuestionSet {
    int year;
    std::string_view group; // "2-3", "9-11" ...
    std::span<const BankRecord> records;
};

// How many participants of one year and class scored exactly `score` points.
struct ScoreCount {
    int score;
    int count;
};

struct Distribution {
    int year;
    int schoolClass;
    std::span<const ScoreCount> pairs;
};

// Everything the bank holds. The program's own bank is compiledBank(); tests build their own.
struct Bank {
    std::span<const QuestionSet> sets;
    std::span<const Distribution> distributions;

    const QuestionSet* findSet(int year, std::string_view group) const;
    const Distribution* findDistribution(int year, int schoolClass) const;
};

// The question sets and distributions compiled into the program.
const Bank& compiledBank();

} // namespace bank
