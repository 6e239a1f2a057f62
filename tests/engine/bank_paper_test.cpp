#include "bank/cp1251.h"
#include "engine/review.h"
#include "engine/test_engine.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

namespace testing_support {
namespace {

int optionOf(const bank::TRec& rec, bool right) {
    for (int k = 1; k <= 5; ++k) {
        if ((rec.option(k) == rec.Right) == right) {
            return k;
        }
    }
    return 1;
}

// A 2006 paper taken by calls on the program's own bank: start, answer, end, review, menu.
TEST(BankPaper, A2006TestRunsFromStartToReview) {
    RecordingWindow window;
    engine::TestEngine engine(window);
    engine.FormCreate();
    engine::TestState& state = engine.state();

    engine.BtnClick(window.button("Btn2006"));
    engine.ClassLabClick(window.label("ClassLab3")); // class 4: the 4-5 paper
    ASSERT_EQ(state.SelectedClass, 4);
    engine.StartBtnClick();
    ASSERT_EQ(state.QuestionCount, 30);
    ASSERT_FALSE(state.Base[30].Q.empty());
    EXPECT_EQ(window.viewer("QViewer").markup(), state.Base[1].Q);

    // Right in the first and last thirds, wrong in the middle one.
    int expected = 0;
    for (int pos = 1; pos <= 30; ++pos) {
        ASSERT_EQ(state.CurrentPos, pos);
        const bool right = pos <= 10 || pos > 20;
        engine.ABtnClick(window.button(engine::optionButtonName(optionOf(state.Base[pos], right))));
        if (pos == 30) {
            window.dialog(engine::kTimeForm).onShow = [&] { engine.TimeFormRezBtnClick(); };
        }
        engine.EnterBtnClick();
        expected += right ? (pos <= 10 ? 3 : 5) : 0;
    }
    EXPECT_EQ(state.Score, 80);
    EXPECT_EQ(expected, 80);
    EXPECT_EQ(window.dialog(engine::kTimeForm).shows.back(), std::vector<std::string>{"AllQ"});
    const bank::TRezBase& rez = state.RezBase;
    EXPECT_EQ(rez[0], 149); // 2006, class 4: participants without points
    EXPECT_NE(state.ResultHtml.find(bank::cp1251::literal("Вы набрали 80 баллов.")),
              std::string::npos);
    EXPECT_NE(state.ResultHtml.find(bank::cp1251::literal("В 2006 году ")), std::string::npos);

    engine.QLabClick(window.label("Q17Lab"));
    EXPECT_EQ(window.viewer("RezViewer").markup(), engine::reviewHtml(state.Base[17]));
    EXPECT_EQ(window.label("A17Lab").colour(), engine::Colour::Red);
    EXPECT_EQ(window.label("A3Lab").colour(), engine::Colour::Green);

    engine.TestBtnClick();
    EXPECT_TRUE(state.Base[1].Q.empty());
    EXPECT_TRUE(window.button("StartBtn").visible());
}

} // namespace
} // namespace testing_support
