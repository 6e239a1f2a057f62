#include "fixture_bank.h"

#include "bank/cp1251.h"

namespace testing_support {
namespace {

struct Paper {
    int year;
    const char* group;
    int size;
};

std::vector<Paper> allPapers() {
    std::vector<Paper> papers{{2000, "5-6", 30}, {2000, "7-8", 30}, {2000, "9-11", 30}};
    for (int year = 2001; year <= 2003; ++year) {
        for (const char* g : {"3-5", "6-7", "8-9", "10-11"}) {
            papers.push_back({year, g, 30});
        }
    }
    for (int year = 2004; year <= 2006; ++year) {
        papers.push_back({year, "2-3", 26});
        for (const char* g : {"4-5", "6-7", "8-9", "10-11"}) {
            papers.push_back({year, g, 30});
        }
    }
    return papers;
}

} // namespace

std::string FixtureBank::questionText(int year, const std::string& group, int pos) {
    return bank::cp1251::literal("Вопрос <i>" + std::to_string(year) + " " + group + "</i> №" +
                                 std::to_string(pos));
}

std::string_view FixtureBank::keep(std::string text) {
    return texts_.emplace_back(std::move(text));
}

FixtureBank::FixtureBank() {
    for (const Paper& paper : allPapers()) {
        const std::string group = paper.group;
        auto& records = records_.emplace_back();
        for (int pos = 1; pos <= paper.size; ++pos) {
            bank::BankRecord rec;
            rec.Q = keep(questionText(paper.year, group, pos));
            const std::string tag =
                std::to_string(paper.year) + " " + group + " " + std::to_string(pos);
            for (int k = 1; k <= 5; ++k) {
                rec.A[static_cast<std::size_t>(k - 1)] =
                    keep(bank::cp1251::literal("ответ " + std::to_string(k) + " (" + tag + ")"));
            }
            if (paper.year == 2001 && group == "8-9" && pos == 5) {
                rec.A[2] = rec.A[1];
                rec.A[4] = rec.A[1];
                rec.Right = rec.A[1];
            } else {
                rec.Right = rec.A[static_cast<std::size_t>(rightOption(pos) - 1)];
            }
            rec.Com = keep(bank::cp1251::literal("Пояснение (" + tag + ")"));
            records.push_back(rec);
        }
        sets_.push_back({paper.year, groups_.emplace_back(group), records});
    }

    distributions_.push_back({2000, 11, distribution2000Class11()});
    // A table for every other pair, so that loading one after another can be seen to replace it.
    for (int year = 2001; year <= 2006; ++year) {
        for (int cls = year >= 2004 ? 2 : 3; cls <= 11; ++cls) {
            auto& pairs = pairs_.emplace_back();
            const int top = year >= 2004 && cls <= 3 ? 100 : 120;
            pairs.push_back({0, year + cls});
            for (int score = 3; score <= top; score += 3) {
                pairs.push_back({score, cls * 10 + score % 7 + 1});
            }
            distributions_.push_back({year, cls, pairs});
        }
    }
    bank_ = bank::Bank{sets_, distributions_};
}

const std::vector<bank::ScoreCount>& distribution2000Class11() {
    static const std::vector<bank::ScoreCount> pairs = {
        {7, 1},   {9, 1},    {10, 1},   {11, 2},   {12, 1},  {13, 1},   {14, 6},  {15, 1},
        {16, 10}, {17, 6},   {18, 9},   {19, 7},   {20, 12}, {21, 16},  {22, 19}, {23, 23},
        {24, 23}, {25, 16},  {26, 24},  {27, 37},  {28, 34}, {29, 36},  {30, 42}, {31, 46},
        {32, 56}, {33, 58},  {34, 69},  {35, 85},  {36, 81}, {37, 66},  {38, 80}, {39, 79},
        {40, 81}, {41, 93},  {42, 101}, {43, 101}, {44, 86}, {45, 100}, {46, 99}, {47, 85},
        {48, 77}, {49, 116}, {50, 93},  {51, 94},  {52, 86}, {53, 88},  {54, 80}, {55, 62},
        {56, 78}, {57, 48},  {58, 73},  {59, 79},  {60, 60}, {61, 65},  {62, 64}, {63, 56},
        {64, 44}, {65, 49},  {66, 52},  {67, 45},  {68, 32}, {69, 49},  {70, 27}, {71, 29},
        {72, 37}, {73, 23},  {74, 32},  {75, 23},  {76, 16}, {77, 19},  {78, 15}, {79, 20},
        {80, 7},  {81, 7},   {82, 16},  {83, 11},  {84, 7},  {85, 7},   {86, 6},  {87, 6},
        {88, 6},  {89, 1},   {90, 2},   {91, 9},   {92, 1},  {93, 3},   {94, 1},  {95, 1},
        {96, 3},  {98, 1},   {100, 1},  {102, 1},  {103, 2}, {104, 1},  {108, 2}, {112, 1},
    };
    return pairs;
}

} // namespace testing_support
