#include "bank/loaders.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const bank::Bank& compiled() {
    return bank::compiledBank();
}

TEST(CompiledBank, EveryRecordKeepsTheInvariantsOfAFilledPosition) {
    int records = 0;
    for (const bank::QuestionSet& set : compiled().sets) {
        SCOPED_TRACE(std::to_string(set.year) + " " + std::string(set.group));
        EXPECT_EQ(static_cast<int>(set.records.size()),
                  set.year >= 2004 && set.group == "2-3" ? 26 : 30);
        for (const bank::BankRecord& rec : set.records) {
            ++records;
            EXPECT_FALSE(rec.Q.empty());
            EXPECT_FALSE(rec.Com.empty());
            int matches = 0;
            for (std::string_view option : rec.A) {
                EXPECT_FALSE(option.empty());
                EXPECT_EQ(option.find('\n'), std::string_view::npos);
                matches += option == rec.Right;
            }
            EXPECT_GE(matches, 1);
        }
    }
    EXPECT_GT(records, 0);
}

TEST(CompiledBank, The2006PapersAreAllThere) {
    std::set<std::string> groups;
    for (const bank::QuestionSet& set : compiled().sets) {
        if (set.year == 2006) {
            groups.insert(std::string(set.group));
        }
    }
    EXPECT_EQ(groups, (std::set<std::string>{"2-3", "4-5", "6-7", "8-9", "10-11"}));
}

TEST(CompiledBank, EachLoaderFillsTheClassGroupsPaperOrNothing) {
    for (int year = bank::kFirstYear; year <= bank::kLastYear; ++year) {
        for (int cls = 2; cls <= 11; ++cls) {
            SCOPED_TRACE(std::to_string(year) + " class " + std::to_string(cls));
            bank::TestBase base;
            std::int32_t count = 0;
            bank::fillBaseOf(year)(compiled(), cls, {base, count});
            EXPECT_EQ(count, year >= 2004 && cls <= 3 ? 26 : 30);
            const std::string_view group = bank::classGroup(year, cls);
            const bank::QuestionSet* set =
                group.empty() ? nullptr : compiled().findSet(year, group);
            for (int pos = 1; pos <= 30; ++pos) {
                const bank::TRec& rec = base[pos];
                if (set == nullptr || pos > static_cast<int>(set->records.size())) {
                    EXPECT_EQ(rec, bank::TRec{}) << pos;
                    continue;
                }
                const bank::BankRecord& source = set->records[static_cast<std::size_t>(pos - 1)];
                EXPECT_EQ(rec.Q, source.Q);
                EXPECT_EQ(rec.A5, source.A[4]);
                EXPECT_EQ(rec.Com, source.Com);
                EXPECT_TRUE(rec.Given.empty());
                EXPECT_TRUE(rec.Right == rec.A1 || rec.Right == rec.A2 || rec.Right == rec.A3 ||
                            rec.Right == rec.A4 || rec.Right == rec.A5);
            }
        }
    }
}

} // namespace
