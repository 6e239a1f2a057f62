#include "engine_fixture.h"

namespace testing_support {
namespace {

using engine::letterLabelName;
using engine::optionButtonName;

TEST_F(EngineTest, PointsFollowThePositionAndOnlyRightAnswersScore) {
    answerTimeDialogWithResult();
    startTest(2002, 8);
    // Right at 1, 10, 11, 20, 21, 30; wrong elsewhere.
    const std::set<int> right = {1, 10, 11, 20, 21, 30};
    for (int pos = 1; pos <= 30; ++pos) {
        ASSERT_EQ(state().CurrentPos, pos);
        EXPECT_EQ(state().QuestionPoints, pos <= 10 ? 3 : pos <= 20 ? 4 : 5);
        const int k = right.count(pos) ? rightOption(pos) : wrongOption(pos);
        const int before = state().Score;
        answer(k);
        EXPECT_EQ(state().Score - before, right.count(pos) ? engine::pointsForPosition(pos) : 0);
        EXPECT_EQ(window.label(letterLabelName(pos)).caption(), engine::optionLetter(k));
        EXPECT_EQ(state().Base[pos].Given, state().Base[pos].option(k));
        EXPECT_EQ(state().AnsweredCount, pos);
    }
    EXPECT_EQ(state().Score, 3 + 3 + 4 + 4 + 5 + 5);
}

TEST_F(EngineTest, AllRightGives120Or100) {
    answerTimeDialogWithResult();
    for (auto [year, cls, count, top] : {std::tuple{2005, 9, 30, 120}, {2004, 3, 26, 100}}) {
        startTest(year, cls);
        for (int pos = 1; pos <= count; ++pos) {
            answer(rightOption(pos));
        }
        EXPECT_EQ(state().Score, top);
        engine.TestBtnClick();
    }
}

TEST_F(EngineTest, OptionsWithTheRightTextAllScore) {
    for (int k = 1; k <= 5; ++k) {
        startTest(2001, 9);
        clickNumber(5);
        answer(k);
        EXPECT_EQ(state().Score, (k == 2 || k == 3 || k == 5) ? 3 : 0) << k;
        window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
        engine.EndTestBtnClick();
        engine.TestBtnClick();
    }
}

TEST_F(EngineTest, ChoosingLightsOneOptionAndCommittingPutsItBack) {
    startTest(2003, 6);
    choose(2);
    choose(4);
    EXPECT_EQ(nameOf(window.button("A2Btn").Pic()), "A2Btn");
    EXPECT_EQ(nameOf(window.button("A4Btn").Pic()), "A4Btn.lit");
    EXPECT_EQ(window.image("ABtnBuf").tag(), 4);
    EXPECT_TRUE(state().Base[1].Given.empty());

    engine.EnterBtnClick();
    EXPECT_EQ(state().CurrentPos, 2);
    EXPECT_EQ(window.image("ABtnBuf").tag(), 0);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(nameOf(window.button(optionButtonName(k)).Pic()), optionButtonName(k));
    }
    EXPECT_EQ(window.viewer("QViewer").markup(), FixtureBank::questionText(2003, "6-7", 2));
    EXPECT_EQ(redNumbers(), std::vector<int>{2});
}

TEST_F(EngineTest, CommitWithoutAChoiceShowsTheErrorAndChangesNothing) {
    RecordingDialog& error = window.dialog(engine::kTestErrorForm);
    error.onShow = [this] { engine.TestErrorFormOKBtnClick(); };
    startTest(2004, 5);
    answer(rightOption(1));
    const engine::TestState before = state();

    engine.EnterBtnClick();

    ASSERT_EQ(error.shows.size(), 1u);
    EXPECT_EQ(error.shows[0], std::vector<std::string>{"AnswerImg"});
    EXPECT_EQ(state().AnsweredCount, before.AnsweredCount);
    EXPECT_EQ(state().Score, before.Score);
    EXPECT_EQ(state().CurrentPos, 2);
    for (int pos = 1; pos <= 30; ++pos) {
        EXPECT_EQ(state().Base[pos], before.Base[pos]);
    }
}

struct PostponeCase {
    int year;
    int cls;
    std::vector<int> answered; // committed first, in this order
    int from;                  // the question on screen when postponing
    int expected;
};

TEST_F(EngineTest, PostponingBringsUpTheNextUnansweredWrappingToOne) {
    const PostponeCase cases[] = {
        {2002, 5, {}, 30, 1},   {2002, 5, {1, 2, 3}, 30, 4},
        {2002, 5, {}, 12, 13},  {2002, 5, {13, 14, 15}, 12, 16},
        {2006, 3, {}, 26, 1},   {2006, 3, {1}, 26, 2},
        {2006, 3, {26}, 25, 1},
    };
    for (const PostponeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + " from " + std::to_string(c.from));
        startTest(c.year, c.cls);
        for (int pos : c.answered) {
            clickNumber(pos);
            answer(wrongOption(pos));
        }
        clickNumber(c.from);
        choose(3);
        engine.LaterBtnClick();
        EXPECT_EQ(state().CurrentPos, c.expected);
        EXPECT_EQ(redNumbers(), std::vector<int>{c.expected});
        EXPECT_EQ(window.image("ABtnBuf").tag(), 0);
        EXPECT_EQ(nameOf(window.button("A3Btn").Pic()), "A3Btn");
        window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
        engine.EndTestBtnClick();
        engine.TestBtnClick();
    }
}

TEST_F(EngineTest, PostponingTheOnlyUnansweredQuestionKeepsItAndClearsTheChoice) {
    startTest(2004, 2);
    for (int pos = 1; pos <= 25; ++pos) {
        answer(rightOption(pos));
    }
    ASSERT_EQ(state().CurrentPos, 26);
    choose(1);
    const int loadsBefore = window.viewer("QViewer").stringLoads;
    engine.LaterBtnClick();
    EXPECT_EQ(state().CurrentPos, 26);
    EXPECT_EQ(redNumbers(), std::vector<int>{26});
    EXPECT_EQ(window.image("ABtnBuf").tag(), 0);
    EXPECT_EQ(window.viewer("QViewer").stringLoads, loadsBefore + 1);
}

TEST_F(EngineTest, PostponingWithNothingUnansweredReturnsAndChangesNothing) {
    startTest(2000, 5);
    for (int pos = 1; pos <= 30; ++pos) {
        state().Base.commitOption(pos, 1);
    }
    engine.LaterBtnClick();
    EXPECT_EQ(state().CurrentPos, 1);
    EXPECT_EQ(redNumbers(), std::vector<int>{1});
}

TEST_F(EngineTest, JumpingByNumberSkipsAnsweredAndClearsTheChoice) {
    startTest(2005, 7);
    answer(rightOption(1)); // now at 2
    clickNumber(17);
    EXPECT_EQ(state().CurrentPos, 17);
    EXPECT_EQ(state().QuestionPoints, 4);
    EXPECT_EQ(redNumbers(), std::vector<int>{17});
    EXPECT_EQ(window.viewer("QViewer").markup(), FixtureBank::questionText(2005, "6-7", 17));

    clickNumber(1); // answered: ignored
    EXPECT_EQ(state().CurrentPos, 17);
    EXPECT_EQ(redNumbers(), std::vector<int>{17});

    choose(5);
    clickNumber(17); // the one on screen: shown again, choice cleared
    EXPECT_EQ(state().CurrentPos, 17);
    EXPECT_EQ(window.image("ABtnBuf").tag(), 0);
    EXPECT_EQ(nameOf(window.button("A5Btn").Pic()), "A5Btn");
    EXPECT_EQ(redNumbers(), std::vector<int>{17});
}

TEST_F(EngineTest, AnAnswerIsNeverAskedTwice) {
    answerTimeDialogWithResult();
    startTest(2001, 10);
    // Jump around, postpone and answer out of order; each position is committed once.
    for (int pos : {30, 15, 1, 16, 29}) {
        clickNumber(pos);
        answer(rightOption(pos));
    }
    while (state().AnsweredCount < 30) {
        ASSERT_FALSE(state().Base.isAnswered(state().CurrentPos));
        if (state().CurrentPos % 4 == 0) {
            engine.LaterBtnClick();
            ASSERT_FALSE(state().Base.isAnswered(state().CurrentPos));
        }
        answer(rightOption(state().CurrentPos));
    }
    EXPECT_EQ(state().Score, 120);
}

} // namespace
} // namespace testing_support
