#include "bank/test_base.h"

#include <gtest/gtest.h>

namespace {

bank::BankRecord record(std::string_view q, int right) {
    static const std::string_view options[] = {"a1", "<i>a2</i>", "a3", "a4", "a5"};
    return {
        q, {options[0], options[1], options[2], options[3], options[4]}, options[right - 1], "com"};
}

TEST(TestBase, ClearBaseEmptiesEveryField) {
    bank::TestBase base;
    for (int pos = 1; pos <= 30; ++pos) {
        base.loadPosition(pos, record("q", 1));
        base.commitOption(pos, 2);
    }
    base.ClearBase();
    for (int pos = 1; pos <= 30; ++pos) {
        EXPECT_EQ(base[pos], bank::TRec{}) << pos;
    }
}

TEST(TestBase, LoadingAPositionCopiesTheBankFieldsAndEmptiesGiven) {
    bank::TestBase base;
    base[7].Given = "left over";
    base.loadPosition(7, record("question", 2));
    const bank::TRec& r = base[7];
    EXPECT_EQ(r.Q, "question");
    EXPECT_EQ(r.A2, "<i>a2</i>");
    EXPECT_EQ(r.A5, "a5");
    EXPECT_EQ(r.Right, "<i>a2</i>");
    EXPECT_EQ(r.Com, "com");
    EXPECT_TRUE(r.Given.empty());
    EXPECT_FALSE(base.isAnswered(7));
    EXPECT_EQ(base[6], bank::TRec{});
    EXPECT_EQ(base[8], bank::TRec{});
}

TEST(TestBase, CommittingStoresTheOptionTextAndJudgesByBytes) {
    bank::TestBase base;
    bank::BankRecord same = record("q", 2);
    same.A[2] = same.A[1]; // options 2, 3 and 5 carry the right text
    same.A[4] = same.A[1];
    same.A[3] = "<I>a2</I>"; // differs only in case: not the same text
    for (int k = 1; k <= 5; ++k) {
        base.loadPosition(k, same);
        base.commitOption(k, k);
        EXPECT_EQ(base[k].Given, base[k].option(k)) << k;
        EXPECT_TRUE(base.isAnswered(k));
        EXPECT_EQ(base.isCorrect(k), k == 2 || k == 3 || k == 5) << k;
    }
}

TEST(TestBase, UnansweredIsWrongButAnEmptyRecordComparesAsRight) {
    bank::TestBase base;
    base.loadPosition(1, record("q", 1));
    EXPECT_FALSE(base.isCorrect(1));
    EXPECT_TRUE(base.isCorrect(27));
}

TEST(TestBase, CopyRecordTakesAllNineFields) {
    bank::TRec from{"q", "1", "2", "3", "4", "5", "given", "2", "c"};
    bank::TRec to{"x", "x", "x", "x", "x", "x", "", "x", "x"};
    bank::copyRecord(from, to);
    EXPECT_EQ(to, from);
}

} // namespace
