#include "engine/random_test.h"
#include "engine_fixture.h"

#include <map>
#include <regex>

namespace testing_support {
namespace {

// Where a drawn question came from: year, group and position, read from its fixture text.
struct Origin {
    int year;
    std::string group;
    int pos;
};

Origin originOf(const bank::TRec& rec) {
    static const std::regex pattern(R"(<i>(\d+) ([\d-]+)</i> \xB9(\d+))");
    std::smatch m;
    EXPECT_TRUE(std::regex_search(rec.Q, m, pattern)) << rec.Q;
    return {std::stoi(m[1]), m[2], std::stoi(m[3])};
}

struct ClassCase {
    int cls;
    int count;
    std::set<std::string> papers; // "year group" the questions may come from
};

std::set<std::string> papersOf(int cls) {
    std::set<std::string> papers;
    for (int year = 2000; year <= 2006; ++year) {
        const std::string_view group = bank::classGroup(year, cls);
        if (!group.empty()) {
            papers.insert(std::to_string(year) + " " + std::string(group));
        }
    }
    return papers;
}

TEST(FillBaseRandom, DrawsEachThirdFromTheSameThirdOfThePapersWithoutRepeats) {
    const FixtureBank fixture;
    for (int cls = 2; cls <= 11; ++cls) {
        SCOPED_TRACE(cls);
        const int count = cls <= 3 ? 26 : 30;
        const std::set<std::string> papers = papersOf(cls);
        std::map<int, std::set<std::string>> seenPerPosition;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            bank::TestBase base;
            std::int32_t questionCount = 0;
            std::mt19937 generator(seed);
            engine::FillBaseRandom(fixture.bank(), cls, {base, questionCount}, generator);
            ASSERT_EQ(questionCount, count);
            std::set<std::string> drawn;
            for (int pos = 1; pos <= 30; ++pos) {
                if (pos > count) {
                    EXPECT_EQ(base[pos], bank::TRec{});
                    continue;
                }
                const Origin o = originOf(base[pos]);
                EXPECT_TRUE(papers.count(std::to_string(o.year) + " " + o.group))
                    << o.year << " " << o.group;
                EXPECT_EQ((o.pos - 1) / 10, (pos - 1) / 10) << "third of position " << pos;
                EXPECT_TRUE(base[pos].Given.empty());
                EXPECT_TRUE(drawn.insert(base[pos].Q).second) << "drawn twice: " << pos;
                seenPerPosition[pos].insert(std::to_string(o.year));
            }
        }
        // Over forty draws every year with a paper turns up at position 1.
        EXPECT_EQ(seenPerPosition[1].size(), papers.size());
    }
}

TEST(FillBaseRandom, TheSameSeedGivesTheSameTest) {
    const FixtureBank fixture;
    auto assemble = [&](std::uint32_t seed) {
        bank::TestBase base;
        std::int32_t count = 0;
        std::mt19937 generator(seed);
        engine::FillBaseRandom(fixture.bank(), 6, {base, count}, generator);
        std::vector<std::string> questions;
        for (int pos = 1; pos <= 30; ++pos) {
            questions.push_back(base[pos].Q);
        }
        return questions;
    };
    EXPECT_EQ(assemble(7), assemble(7));
    EXPECT_NE(assemble(7), assemble(8));
}

TEST(FillBaseRandom, ATooSmallPoolLeavesTheRestEmptyInsteadOfSpinning) {
    static const bank::BankRecord rec{"q", {"a", "b", "c", "d", "e"}, "a", "c"};
    static const bank::BankRecord records[] = {rec, rec, rec};
    static const bank::QuestionSet sets[] = {{2004, "8-9", records}};
    const bank::Bank tiny{sets, {}};
    bank::TestBase base;
    std::int32_t count = 0;
    std::mt19937 generator(1);
    engine::FillBaseRandom(tiny, 9, {base, count}, generator);
    EXPECT_EQ(count, 30);
    for (int pos = 1; pos <= 30; ++pos) {
        EXPECT_EQ(base[pos].Q.empty(), pos > 3) << pos;
    }
}

TEST_F(EngineTest, ARandomTestIsTakenLikeAPaperWithoutADistribution) {
    startTest(2001, 4);
    engine.TestBtnClick();
    state().RezBase[10] = 3;
    startTest(0, 2);
    EXPECT_EQ(state().QuestionCount, 26);
    EXPECT_EQ(state().RezBase, bank::TRezBase{});
    EXPECT_FALSE(window.label("Q27Lab").visible());
    EXPECT_TRUE(window.label("Q26Lab").visible());
    EXPECT_EQ(window.viewer("QViewer").markup(), state().Base[1].Q);
}

} // namespace
} // namespace testing_support
