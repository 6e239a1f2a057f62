#include "bank/loaders.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

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

// The whole bank: every paper of the seven years, with the counts its texts were written to.
TEST(CompiledBank, HoldsEveryPaperWithItsPicturesTranscriptionsAndRemarks) {
    int records = 0;
    int withPictures = 0;
    int withPhoneticFont = 0;
    int withRemarkList = 0;
    for (const bank::QuestionSet& set : compiled().sets) {
        for (const bank::BankRecord& rec : set.records) {
            ++records;
            std::vector<std::string_view> texts{rec.Q, rec.Com};
            texts.insert(texts.end(), rec.A.begin(), rec.A.end());
            auto anyHolds = [&](std::string_view what) {
                return std::any_of(texts.begin(), texts.end(), [&](std::string_view text) {
                    return text.find(what) != std::string_view::npos;
                });
            };
            withPictures += anyHolds("<img") ? 1 : 0;
            withPhoneticFont += anyHolds("SILDoulosIPA") ? 1 : 0;
            const std::string_view com = rec.Com;
            withRemarkList += com.size() >= 5 && com.substr(com.size() - 5) == "</ul>" &&
                                      com.find("<ul><li>") != std::string_view::npos
                                  ? 1
                                  : 0;
        }
    }
    EXPECT_EQ(compiled().sets.size(), 30u);
    EXPECT_EQ(records, 888);
    EXPECT_EQ(withPictures, 34);
    EXPECT_EQ(withPhoneticFont, 57);
    EXPECT_EQ(withRemarkList, 305);
}

// The picture names an img tag of this text refers to ("Images\\NAME.jpg" gives NAME).
std::vector<std::string> pictureNames(std::string_view text) {
    std::vector<std::string> names;
    const std::string_view open = "<img src=\"Images\\";
    for (size_t at = text.find(open); at != std::string_view::npos; at = text.find(open, at)) {
        at += open.size();
        const size_t end = text.find(".jpg\"", at);
        names.emplace_back(text.substr(at, end == std::string_view::npos ? 0 : end - at));
    }
    return names;
}

// Where the pictures stand: only in the five options, only in the question, or in the question,
// the options and the explanation; each named after its own set, question and place.
TEST(CompiledBank, PicturesStandInTheOptionsTheQuestionOrAllThree) {
    int optionsOnly = 0;
    int questionOnly = 0;
    int everywhere = 0;
    std::set<std::string> files;
    for (const bank::QuestionSet& set : compiled().sets) {
        int position = 0;
        for (const bank::BankRecord& rec : set.records) {
            ++position;
            const std::string record = std::to_string(set.year) + "_" + std::string(set.group) +
                                       "_q" + std::to_string(position);
            SCOPED_TRACE(record);
            const std::string stem = std::to_string(set.year) + "_" + std::string(set.group) + "_";
            const std::string question = "q" + std::to_string(position);
            const std::string comment = "com" + std::to_string(position) + "_";
            const auto inQuestion = pictureNames(rec.Q);
            const auto inComment = pictureNames(rec.Com);
            int optionPictures = 0;
            for (int k = 1; k <= 5; ++k) {
                const auto names = pictureNames(rec.A[k - 1]);
                optionPictures += names.empty() ? 0 : 1;
                for (const std::string& name : names) {
                    EXPECT_EQ(name, stem + question + "_a" + std::to_string(k)) << "option " << k;
                    files.insert(name);
                }
            }
            EXPECT_TRUE(optionPictures == 0 || optionPictures == 5)
                << optionPictures << " of the five options are pictures";
            for (const std::string& name : inQuestion) {
                const std::string own = stem + question;
                EXPECT_TRUE(name == own || name.rfind(own + "_", 0) == 0) << name;
                EXPECT_EQ(name.find("_a", own.size()), std::string::npos) << name;
                files.insert(name);
            }
            for (const std::string& name : inComment) {
                EXPECT_EQ(name.rfind(stem + comment, 0), 0u) << name;
                files.insert(name);
            }
            const bool q = !inQuestion.empty();
            const bool a = optionPictures > 0;
            const bool c = !inComment.empty();
            optionsOnly += !q && a && !c ? 1 : 0;
            questionOnly += q && !a && !c ? 1 : 0;
            everywhere += q && a && c ? 1 : 0;
            EXPECT_TRUE((!q && !a && !c) || (!q && a && !c) || (q && !a && !c) || (q && a && c))
                << "pictures in question " << q << ", options " << a << ", explanation " << c;
        }
    }
    EXPECT_EQ(optionsOnly, 19);
    EXPECT_EQ(questionOnly, 12);
    EXPECT_EQ(everywhere, 3);
    // Five pictures for each record with option pictures, at least one more for each question
    // and explanation that holds pictures.
    EXPECT_GE(static_cast<int>(files.size()), (19 + 3) * 5 + 12 + 3 * 2);
}

// What the random test draws from: for each class, the filled records of the seven years'
// papers, third by third (positions 1-10, 11-20, 21-30).
TEST(CompiledBank, RandomTestPoolsHoldTheirCandidates) {
    struct Pools {
        int cls;
        std::array<int, 3> thirds;
    };
    const Pools expected[] = {{2, {30, 30, 18}}, {3, {60, 60, 48}}, {4, {60, 60, 60}},
                              {5, {70, 70, 70}}, {8, {70, 70, 70}}, {11, {70, 70, 70}}};
    for (const Pools& pools : expected) {
        SCOPED_TRACE("class " + std::to_string(pools.cls));
        std::array<int, 3> thirds{};
        for (int year = bank::kFirstYear; year <= bank::kLastYear; ++year) {
            bank::TestBase base;
            std::int32_t count = 0;
            bank::fillBaseOf(year)(compiled(), pools.cls, {base, count});
            for (int pos = 1; pos <= 30; ++pos) {
                thirds[static_cast<std::size_t>((pos - 1) / 10)] += base[pos].Q.empty() ? 0 : 1;
            }
        }
        EXPECT_EQ(thirds, pools.thirds);
    }
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
