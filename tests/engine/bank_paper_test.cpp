#include "bank/cp1251.h"
#include "engine/review.h"
#include "engine/test_engine.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

namespace testing_support {
namespace {

// A paper of the program's own bank, taken by calls.
struct PaperCase {
    int year;
    int cls;
    int withoutPoints;       // the year's participants of that class who scored nothing
    int repeatedRightAt = 0; // a position where the right text stands in more than one option
};

std::ostream& operator<<(std::ostream& out, const PaperCase& paper) {
    return out << paper.year << " class " << paper.cls;
}

// The last option with the right text, or the first without it.
int optionOf(const bank::TRec& rec, bool right) {
    int chosen = 0;
    for (int k = 1; k <= 5; ++k) {
        if ((rec.option(k) == rec.Right) == right && (right || chosen == 0)) {
            chosen = k;
        }
    }
    return chosen;
}

class BankPaper : public ::testing::TestWithParam<PaperCase> {};

// Start, answer every question (right in the first and last thirds, wrong in the middle one),
// see the score and the year's table, review, back to the menu.
TEST_P(BankPaper, RunsFromStartToReview) {
    const PaperCase paper = GetParam();
    RecordingWindow window;
    engine::TestEngine engine(window);
    engine.FormCreate();
    engine::TestState& state = engine.state();

    engine.BtnClick(window.button(engine::yearButtonName(paper.year)));
    for (int n = 1; n <= 10; ++n) { // the label that offers the class this year
        engine::Label& label = window.label(engine::classLabelName(n));
        if (label.visible() && label.tag() == paper.cls) {
            engine.ClassLabClick(label);
        }
    }
    ASSERT_EQ(state.SelectedClass, paper.cls);
    engine.StartBtnClick();
    ASSERT_EQ(state.QuestionCount, 30);
    ASSERT_FALSE(state.Base[30].Q.empty());
    EXPECT_EQ(window.viewer("QViewer").markup(), state.Base[1].Q);

    for (int pos = 1; pos <= 30; ++pos) {
        ASSERT_EQ(state.CurrentPos, pos);
        const bool right = pos <= 10 || pos > 20;
        const int option = optionOf(state.Base[pos], right);
        ASSERT_NE(option, 0) << pos;
        if (pos == paper.repeatedRightAt) {
            // Choosing a copy of the right text, not the first one, still counts.
            int first = 1;
            while (state.Base[pos].option(first) != state.Base[pos].Right) {
                ++first;
            }
            EXPECT_GT(option, first);
        }
        engine.ABtnClick(window.button(engine::optionButtonName(option)));
        if (pos == 30) {
            window.dialog(engine::kTimeForm).onShow = [&] { engine.TimeFormRezBtnClick(); };
        }
        engine.EnterBtnClick();
    }
    EXPECT_EQ(state.Score, 10 * 3 + 10 * 5);
    EXPECT_EQ(window.dialog(engine::kTimeForm).shows.back(), std::vector<std::string>{"AllQ"});
    EXPECT_EQ(state.RezBase[0], paper.withoutPoints);
    EXPECT_NE(state.ResultHtml.find(bank::cp1251::literal("Вы набрали 80 баллов.")),
              std::string::npos);
    EXPECT_NE(state.ResultHtml.find(bank::cp1251::literal("В ") + std::to_string(paper.year) +
                                    bank::cp1251::literal(" году ")),
              std::string::npos);

    engine.QLabClick(window.label("Q17Lab"));
    EXPECT_EQ(window.viewer("RezViewer").markup(), engine::reviewHtml(state.Base[17]));
    EXPECT_EQ(window.label("A17Lab").colour(), engine::Colour::Red);
    EXPECT_EQ(window.label("A3Lab").colour(), engine::Colour::Green);

    engine.TestBtnClick();
    EXPECT_TRUE(state.Base[1].Q.empty());
    EXPECT_TRUE(window.button("StartBtn").visible());
}

INSTANTIATE_TEST_SUITE_P(Papers, BankPaper,
                         ::testing::Values(PaperCase{2006, 4, 149}, PaperCase{2000, 10, 2},
                                           PaperCase{2001, 8, 1315, 5}, PaperCase{2002, 7, 1466},
                                           PaperCase{2003, 9, 1541}, PaperCase{2004, 6, 1319},
                                           PaperCase{2005, 5, 1475}));

} // namespace
} // namespace testing_support
