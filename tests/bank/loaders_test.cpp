#include "bank/loaders.h"
#include "support/fixture_bank.h"

#include <gtest/gtest.h>

namespace {

using testing_support::FixtureBank;

// Which paper a year gives each class 2 to 11 ("" for none) and the question count.
struct YearRow {
    int year;
    std::array<const char*, 10> groups;
    std::array<int, 10> counts;
};

const YearRow kRows[] = {
    {2000,
     {"", "", "", "5-6", "5-6", "7-8", "7-8", "9-11", "9-11", "9-11"},
     {30, 30, 30, 30, 30, 30, 30, 30, 30, 30}},
    {2001,
     {"", "3-5", "3-5", "3-5", "6-7", "6-7", "8-9", "8-9", "10-11", "10-11"},
     {30, 30, 30, 30, 30, 30, 30, 30, 30, 30}},
    {2003,
     {"", "3-5", "3-5", "3-5", "6-7", "6-7", "8-9", "8-9", "10-11", "10-11"},
     {30, 30, 30, 30, 30, 30, 30, 30, 30, 30}},
    {2004,
     {"2-3", "2-3", "4-5", "4-5", "6-7", "6-7", "8-9", "8-9", "10-11", "10-11"},
     {26, 26, 30, 30, 30, 30, 30, 30, 30, 30}},
    {2006,
     {"2-3", "2-3", "4-5", "4-5", "6-7", "6-7", "8-9", "8-9", "10-11", "10-11"},
     {26, 26, 30, 30, 30, 30, 30, 30, 30, 30}},
};

TEST(Loaders, EachClassGetsItsGroupsPaperAndCount) {
    const FixtureBank fixture;
    for (const YearRow& row : kRows) {
        for (int cls = 2; cls <= 11; ++cls) {
            const std::string group = row.groups[static_cast<std::size_t>(cls - 2)];
            bank::TestBase base;
            std::int32_t count = 0;
            bank::fillBaseOf(row.year)(fixture.bank(), cls, {base, count});
            SCOPED_TRACE(std::to_string(row.year) + " class " + std::to_string(cls));
            EXPECT_EQ(count, row.counts[static_cast<std::size_t>(cls - 2)]);
            EXPECT_EQ(bank::classGroup(row.year, cls), group);
            if (group.empty()) {
                EXPECT_TRUE(base[1].Q.empty());
                continue;
            }
            for (int pos = 1; pos <= 30; ++pos) {
                if (pos <= count) {
                    EXPECT_EQ(base[pos].Q, FixtureBank::questionText(row.year, group, pos));
                    EXPECT_TRUE(base[pos].Given.empty());
                    EXPECT_EQ(base[pos].Right, base[pos].option(FixtureBank::rightOption(pos)));
                } else {
                    EXPECT_EQ(base[pos], bank::TRec{}) << pos;
                }
            }
        }
    }
}

TEST(Loaders, AYearWithoutItsPapersLoadsNothingButSetsTheCount) {
    const bank::Bank empty{};
    bank::TestBase base;
    std::int32_t count = 0;
    bank::FillBase2005(empty, 3, {base, count});
    EXPECT_EQ(count, 26);
    EXPECT_TRUE(base[1].Q.empty());
}

TEST(Loaders, LoaderDoesNotEmptyTheBaseFirst) {
    const FixtureBank fixture;
    bank::TestBase base;
    std::int32_t count = 0;
    base[28].Q = "left";
    bank::FillBase2004(fixture.bank(), 2, {base, count});
    EXPECT_EQ(base[28].Q, "left");
}

TEST(Loaders, DistributionReplacesOnlyTheScoresItLists) {
    const FixtureBank fixture;
    bank::TRezBase rez{};
    bank::FillRezBase2000(fixture.bank(), 11, rez);
    std::int64_t total = 0;
    int listed = 0;
    for (int s = 0; s <= 120; ++s) {
        total += rez[static_cast<std::size_t>(s)];
        listed += rez[static_cast<std::size_t>(s)] != 0;
    }
    EXPECT_EQ(listed, 96);
    EXPECT_EQ(total, 3528);
    EXPECT_EQ(rez[0], 0);
    EXPECT_EQ(rez[112], 1);
    EXPECT_EQ(rez[49], 116);

    bank::ClearRezBase(rez);
    EXPECT_EQ(rez, bank::TRezBase{});

    bank::FillRezBase2000(fixture.bank(), 3, rez); // no table: writes nothing
    EXPECT_EQ(rez, bank::TRezBase{});
}

} // namespace
