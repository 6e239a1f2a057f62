#include "bank/loaders.h"
#include "support/fixture_bank.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Highest score and participants without points, by year, for classes 2 to 11 (-1: no table).
const std::map<int, std::array<int, 10>> kTop = {
    {2000, {-1, -1, -1, 111, 115, 106, 100, 106, 109, 112}},
    {2001, {-1, 120, 120, 120, 116, 110, 111, 107, 110, 117}},
    {2002, {-1, 120, 116, 120, 120, 120, 120, 120, 114, 120}},
    {2003, {-1, 120, 120, 120, 120, 120, 116, 120, 117, 120}},
    {2004, {100, 100, 120, 120, 116, 120, 120, 120, 115, 120}},
    {2005, {100, 100, 120, 120, 120, 120, 120, 120, 115, 120}},
    {2006, {100, 100, 120, 120, 120, 120, 120, 117, 116, 120}},
};
const std::map<int, std::array<int, 10>> kZero = {
    {2000, {-1, -1, -1, 11, 2, 1, 1, 0, 2, 0}},
    {2001, {-1, 327, 98, 507, 644, 1088, 1315, 1616, 1066, 1100}},
    {2002, {-1, 471, 266, 668, 906, 1466, 1445, 1784, 1143, 1300}},
    {2003, {-1, 559, 496, 949, 1028, 1477, 1327, 1541, 1298, 1600}},
    {2004, {1062, 1283, 1073, 1058, 1319, 1656, 1521, 1961, 1547, 1641}},
    {2005, {1513, 1581, 1187, 1475, 1182, 1410, 1239, 1391, 1263, 1584}},
    {2006, {1083, 414, 149, 114, 68, 38, 29, 23, 14, 23}},
};

bank::TRezBase load(int year, int cls) {
    bank::TRezBase rez{};
    bank::ClearRezBase(rez);
    bank::fillRezBaseOf(year)(bank::compiledBank(), cls, rez);
    return rez;
}

TEST(CompiledDistributions, EveryTableHasTheContestsFiguresAndShape) {
    int tables = 0;
    for (const auto& [year, tops] : kTop) {
        for (int cls = 2; cls <= 11; ++cls) {
            const int top = tops[static_cast<std::size_t>(cls - 2)];
            const bank::Distribution* table = bank::compiledBank().findDistribution(year, cls);
            SCOPED_TRACE(std::to_string(year) + " class " + std::to_string(cls));
            if (top < 0) {
                EXPECT_EQ(table, nullptr);
                continue;
            }
            ASSERT_NE(table, nullptr);
            ++tables;
            const bank::TRezBase rez = load(year, cls);
            int highest = 0;
            int pairs = 0;
            std::int64_t withPoints = 0;
            for (int s = 0; s <= 120; ++s) {
                const int count = rez[static_cast<std::size_t>(s)];
                EXPECT_GE(count, 0);
                pairs += count > 0;
                highest = count > 0 ? s : highest;
                withPoints += s > 0 ? count : 0;
            }
            EXPECT_EQ(highest, top);
            EXPECT_EQ(rez[0], kZero.at(year)[static_cast<std::size_t>(cls - 2)]);
            EXPECT_GE(pairs, 90);
            EXPECT_LE(pairs, 117);
            EXPECT_GT(withPoints, 0);
            for (int s : {1, 2, 118, 119}) {
                EXPECT_EQ(rez[static_cast<std::size_t>(s)], 0) << s;
            }
        }
    }
    EXPECT_EQ(tables, 64);
}

TEST(CompiledDistributions, TheGivenRowsAreTheContestsOwn) {
    bank::TRezBase expected{};
    for (const bank::ScoreCount& p : testing_support::distribution2000Class11()) {
        expected[static_cast<std::size_t>(p.score)] = p.count;
    }
    EXPECT_EQ(load(2000, 11), expected);

    const bank::TRezBase y2006c3 = load(2006, 3);
    const std::map<int, int> low = {{0, 414}, {1, 0},  {2, 0},  {3, 280},
                                    {4, 139}, {5, 90}, {6, 305}};
    const std::map<int, int> high = {{90, 263}, {91, 570}, {92, 203}, {93, 45},
                                     {94, 5},   {95, 452}, {96, 117}, {97, 32},
                                     {98, 0},   {99, 0},   {100, 146}};
    for (const auto& part : {low, high}) {
        for (auto [score, count] : part) {
            EXPECT_EQ(y2006c3[static_cast<std::size_t>(score)], count) << score;
        }
    }

    const bank::TRezBase y2001c4 = load(2001, 4);
    const std::map<int, int> top = {{108, 4}, {109, 1}, {110, 0}, {111, 4}, {112, 4}, {113, 0},
                                    {114, 0}, {115, 1}, {116, 0}, {117, 0}, {120, 1}};
    for (auto [score, count] : top) {
        EXPECT_EQ(y2001c4[static_cast<std::size_t>(score)], count) << score;
    }
}

// The contest's table of 2000 class 11 has the fewest participants; the modelled ones keep it so.
TEST(CompiledDistributions, TheYear2000Class11TableIsTheSmallest) {
    auto participants = [](const bank::Distribution& table) {
        std::int64_t sum = 0;
        for (const bank::ScoreCount& p : table.pairs) {
            sum += p.count;
        }
        return sum;
    };
    const bank::Distribution* smallest = bank::compiledBank().findDistribution(2000, 11);
    ASSERT_NE(smallest, nullptr);
    EXPECT_EQ(participants(*smallest), 3528);
    for (const bank::Distribution& table : bank::compiledBank().distributions) {
        if (&table != smallest) {
            EXPECT_GT(participants(table), participants(*smallest))
                << table.year << " class " << table.schoolClass;
        }
    }
}

TEST(CompiledDistributions, LoadingATableLeavesNothingOfTheOneBefore) {
    bank::TRezBase rez{};
    bank::FillRezBase2001(bank::compiledBank(), 4, rez);
    ASSERT_EQ(rez[120], 1);
    bank::ClearRezBase(rez);
    bank::FillRezBase2006(bank::compiledBank(), 3, rez);
    EXPECT_EQ(rez, load(2006, 3));
    EXPECT_EQ(rez[120], 0);
}

} // namespace
