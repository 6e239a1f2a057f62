#include "engine/scoring.h"
#include "engine_fixture.h"

namespace testing_support {
namespace {

TEST(ScoreWord, AgreesWithTheNumber) {
    const std::pair<int, const char*> cases[] = {
        {0, "баллов"},  {1, "балл"},     {2, "балла"},    {3, "балла"},    {4, "балла"},
        {5, "баллов"},  {10, "баллов"},  {11, "баллов"},  {12, "баллов"},  {13, "баллов"},
        {14, "баллов"}, {20, "баллов"},  {21, "балл"},    {22, "балла"},   {100, "баллов"},
        {101, "балл"},  {111, "баллов"}, {112, "баллов"}, {114, "баллов"}, {120, "баллов"},
    };
    for (auto [score, word] : cases) {
        EXPECT_EQ(engine::scoreWord(score), literal(word)) << score;
    }
}

TEST(RezPercent, SharesOfThe2000Class11Participants) {
    bank::TRezBase rez{};
    for (const bank::ScoreCount& p : distribution2000Class11()) {
        rez[static_cast<std::size_t>(p.score)] = p.count;
    }
    rez[0] = 500; // those without points count nowhere
    const std::pair<int, int> cases[] = {{0, 0},   {7, 0},    {8, 0},     {50, 53},
                                         {60, 75}, {112, 99}, {113, 100}, {120, 100}};
    for (auto [score, percent] : cases) {
        EXPECT_EQ(engine::RezPercent(score, rez), percent) << score;
    }
}

TEST(RezPercent, AnEmptyTableGivesZeroInsteadOfDividingByIt) {
    EXPECT_EQ(engine::RezPercent(60, bank::TRezBase{}), 0);
}

// Ends a test with `score` points (the right answers of the first positions that sum to it,
// at most a few points off), then returns nothing; the results screen is up afterwards.
class SummaryTest : public EngineTest {
protected:
    void finishWithRightAnswers(int year, int cls, const std::vector<int>& positions) {
        startTest(year, cls);
        for (int pos : positions) {
            clickNumber(pos);
            answer(rightOption(pos));
        }
        window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
        engine.EndTestBtnClick();
    }
};

std::vector<int> positionsWorth(int points) {
    // 5-point positions first, then 4 and 3, to reach exactly `points`.
    std::vector<int> out;
    for (int pos = 30; pos >= 1 && points > 0; --pos) {
        const int p = engine::pointsForPosition(pos);
        if (points - p >= 0 && (points - p == 0 || points - p >= 3)) {
            out.push_back(pos);
            points -= p;
        }
    }
    return out;
}

TEST_F(SummaryTest, ContestYearSummaryHasTheShareLine) {
    finishWithRightAnswers(2000, 11, positionsWorth(60));
    ASSERT_EQ(state().Score, 60);
    const std::string expected =
        literal("<br><br><br><br><br><br><br><br><h1 align=center>Вы набрали 60 баллов.</h1>"
                "<h3 align=center>В 2000 году 75% участников набрали меньшее количество баллов.");
    EXPECT_EQ(state().ResultHtml, expected);
    EXPECT_EQ(window.viewer("RezViewer").markup(), expected);
    EXPECT_EQ(state().SelectedYear, -1);
    EXPECT_EQ(state().SelectedClass, 0);
}

TEST_F(SummaryTest, RandomTestSummaryEndsAfterTheScore) {
    state().RezBase[3] = 10; // whatever the counters hold
    finishWithRightAnswers(0, 7, positionsWorth(21));
    ASSERT_EQ(state().Score, 21);
    EXPECT_EQ(state().ResultHtml,
              literal("<br><br><br><br><br><br><br><br><h1 align=center>Вы набрали 21 балл.</h1>"));
}

TEST_F(SummaryTest, AnswerLettersTurnGreenOrRed) {
    startTest(2004, 2);
    answer(rightOption(1));
    answer(wrongOption(2));
    window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
    engine.EndTestBtnClick();
    EXPECT_EQ(window.label("A1Lab").colour(), Colour::Green);
    EXPECT_EQ(window.label("A2Lab").colour(), Colour::Red);
    EXPECT_EQ(window.label("A3Lab").colour(), Colour::Red); // unanswered: red, but empty
    EXPECT_EQ(window.label("A3Lab").caption(), "");
    EXPECT_TRUE(window.label("A26Lab").visible());
    EXPECT_FALSE(window.label("A27Lab").visible());
    EXPECT_TRUE(redNumbers().empty());
}

TEST_F(SummaryTest, TheMascotFollowsTheScore) {
    const std::pair<int, const char*> cases[] = {{0, "Bad"},  {30, "Bad"},  {31, "Gud"},
                                                 {80, "Gud"}, {81, "Best"}, {120, "Best"}};
    for (auto [points, set] : cases) {
        finishWithRightAnswers(2005, 8, positionsWorth(points));
        ASSERT_EQ(state().Score, points);
        const auto& frames = window.imageList("PimList").frames;
        ASSERT_EQ(frames.size(), 5u);
        for (int f = 0; f < 5; ++f) {
            EXPECT_EQ(nameOf(frames[static_cast<std::size_t>(f)]), set + std::to_string(f));
        }
        engine.TestBtnClick();
    }
}

TEST_F(SummaryTest, AChosenButUncommittedOptionIsPutBack) {
    startTest(2006, 4);
    choose(3);
    window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
    engine.EndTestBtnClick();
    EXPECT_EQ(window.image("ABtnBuf").tag(), 0);
    EXPECT_EQ(nameOf(window.button("A3Btn").Pic()), "A3Btn");
    EXPECT_TRUE(state().Base[1].Given.empty());
}

TEST_F(SummaryTest, TheResultsButtonIsLitAndANewTestNeedsAFreshChoice) {
    finishWithRightAnswers(2001, 3, {});
    EXPECT_EQ(nameOf(window.button("RezBtn").Pic()), "RezBtn.lit");
    EXPECT_EQ(nameOf(window.image("BtnBuf").picture()), "RezBtn");
    EXPECT_EQ(window.button("RezBtn").tag(), 1);

    engine.TestBtnClick();
    RecordingDialog& error = window.dialog(engine::kTestErrorForm);
    error.onShow = [this] { engine.TestErrorFormOKBtnClick(); };
    engine.StartBtnClick();
    ASSERT_EQ(error.shows.size(), 1u);
    EXPECT_EQ(error.shows[0], std::vector<std::string>{"YearImg"});
}

} // namespace
} // namespace testing_support
