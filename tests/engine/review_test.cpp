#include "engine_fixture.h"

namespace testing_support {
namespace {

class ReviewTest : public EngineTest {
protected:
    void SetUp() override {
        startTest(2003, 11);
        answer(rightOption(1));
        answer(wrongOption(2));
        window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
        engine.EndTestBtnClick();
    }
};

TEST_F(ReviewTest, AQuestionIsShownWithLetteredOptionsAndItsExplanation) {
    bank::TRec& rec = state().Base[2];
    rec = {"Q", "a1", "a2", "a3", "a4", "a5", rec.Given, rec.Right, "C"};
    clickNumber(2);
    // "(A)" carries the Latin letter; the others are Cyrillic.
    EXPECT_EQ(window.viewer("RezViewer").markup(),
              "Q<br><br>(A)a1<br><br>(\xC1)a2<br><br>(\xC2)a3<br><br>(\xC3)a4<br><br>(\xC4)a5"
              "<br><br>C");
    EXPECT_EQ(state().CurrentPos, 2);
}

TEST_F(ReviewTest, ResultsButtonUnlightsOnTheFirstQuestionAndLightsForTheSummary) {
    clickNumber(5);
    EXPECT_EQ(nameOf(window.button("RezBtn").Pic()), "RezBtn");
    EXPECT_EQ(window.button("RezBtn").tag(), 0);
    EXPECT_EQ(redNumbers(), std::vector<int>{5});

    clickNumber(1); // later clicks leave RezBtn and BtnBuf alone
    EXPECT_EQ(nameOf(window.button("RezBtn").Pic()), "RezBtn");
    EXPECT_EQ(nameOf(window.image("BtnBuf").picture()), "RezBtn");
    EXPECT_EQ(redNumbers(), std::vector<int>{1});
    EXPECT_EQ(window.label("A1Lab").colour(), Colour::Green);
    EXPECT_EQ(window.label("A2Lab").colour(), Colour::Red);

    engine.RezBtnClick();
    engine.RezBtnClick();
    EXPECT_EQ(nameOf(window.button("RezBtn").Pic()), "RezBtn.lit");
    EXPECT_EQ(window.button("RezBtn").tag(), 1);
    EXPECT_TRUE(redNumbers().empty());
    EXPECT_EQ(window.viewer("RezViewer").markup(), state().ResultHtml);
}

TEST_F(ReviewTest, BackToTheMenuEmptiesTheTestFromEitherView) {
    for (bool fromQuestion : {false, true}) {
        if (fromQuestion) {
            SetUp();
            clickNumber(3);
        }
        const int rulesLoads = window.viewer("RulesViewer").fileLoads;
        engine.TestBtnClick();
        EXPECT_EQ(nameOf(window.button("RezBtn").Pic()), "RezBtn");
        EXPECT_EQ(window.button("RezBtn").tag(), 0);
        for (int n = 1; n <= 30; ++n) {
            EXPECT_EQ(state().Base[n], bank::TRec{});
            const RecordingLabel& number = window.label(engine::numberLabelName(n));
            const RecordingLabel& letter = window.label(engine::letterLabelName(n));
            EXPECT_FALSE(number.visible() || letter.visible()) << n;
            EXPECT_EQ(number.colour(), Colour::WindowText);
            EXPECT_EQ(letter.colour(), Colour::WindowText);
            EXPECT_EQ(letter.caption(), "");
        }
        EXPECT_TRUE(window.imageList("PimList").frames.empty());
        EXPECT_EQ(window.viewer("RulesViewer").fileLoads, rulesLoads + 1);
        EXPECT_TRUE(window.viewer("RulesViewer").visible());
        EXPECT_TRUE(window.errorBoxes.empty());
    }
}

TEST_F(ReviewTest, AMissingRulesPageLeavesTheEarlierStepsDone) {
    window.files.clear();
    engine.TestBtnClick();
    EXPECT_EQ(window.errorBoxes,
              std::vector<std::string>{"Can't locate file: Info\\rules\\rules.html."});
    EXPECT_FALSE(window.viewer("RulesViewer").visible());
    EXPECT_TRUE(window.image("ViewerBack").visible());
    EXPECT_TRUE(window.button("StartBtn").visible());
    EXPECT_TRUE(window.button("Btn2003").visible());
    EXPECT_FALSE(window.button("RezBtn").visible());
    EXPECT_TRUE(state().Base[1].Q.empty());
}

TEST_F(ReviewTest, AnUnansweredQuestionIsReviewedLikeAnyOther) {
    clickNumber(30);
    EXPECT_EQ(redNumbers(), std::vector<int>{30});
    EXPECT_EQ(window.viewer("RezViewer").markup().substr(0, state().Base[30].Q.size()),
              state().Base[30].Q);
    EXPECT_EQ(window.label("A30Lab").caption(), "");
}

} // namespace
} // namespace testing_support
