#include "engine_fixture.h"

namespace testing_support {
namespace {

using engine::classLabelName;

struct MenuRow {
    int year;
    int labels;
    int firstClass;
};

TEST_F(EngineTest, EachYearOffersItsClassesAndDropsTheChosenClass) {
    const MenuRow rows[] = {{0, 10, 2},   {2000, 7, 5},  {2001, 9, 3},  {2002, 9, 3},
                            {2003, 9, 3}, {2004, 10, 2}, {2005, 10, 2}, {2006, 10, 2}};
    for (const MenuRow& row : rows) {
        chooseYear(2004);
        chooseClass(11);
        chooseYear(row.year);
        SCOPED_TRACE(row.year);
        EXPECT_EQ(state().SelectedYear, row.year);
        EXPECT_EQ(state().SelectedClass, 0);
        for (int n = 1; n <= 10; ++n) {
            const RecordingLabel& l = window.label(classLabelName(n));
            EXPECT_EQ(l.visible(), n <= row.labels) << n;
            EXPECT_EQ(l.colour(), Colour::Maroon) << n;
            if (n <= row.labels) {
                const int cls = row.firstClass + n - 1;
                EXPECT_EQ(l.tag(), cls);
                EXPECT_EQ(l.caption(), std::to_string(cls) + literal("-й класс"));
            }
        }
    }
}

TEST_F(EngineTest, ChoosingAClassLightsOnlyThatLabel) {
    chooseYear(2001);
    chooseClass(4);
    chooseClass(7);
    EXPECT_EQ(state().SelectedClass, 7);
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(window.label(classLabelName(n)).colour(), n == 5 ? Colour::Red : Colour::Maroon);
    }
}

TEST_F(EngineTest, TheChosenYearStaysLitAndTheOneBeforeIsPutBack) {
    chooseYear(2003);
    EXPECT_EQ(nameOf(window.button("Btn2003").Pic()), "Btn2003.lit");
    chooseYear(2000);
    EXPECT_EQ(nameOf(window.button("Btn2003").Pic()), "Btn2003");
    EXPECT_EQ(nameOf(window.button("Btn2000").Pic()), "Btn2000.lit");
    EXPECT_EQ(nameOf(window.image("BtnBuf").picture()), "Btn2000");
    EXPECT_EQ(window.image("BtnBuf").tag(), 2000);

    chooseYear(2000); // the lit one again: same state
    EXPECT_EQ(nameOf(window.button("Btn2000").Pic()), "Btn2000.lit");
    EXPECT_EQ(nameOf(window.image("BtnBuf").picture()), "Btn2000");
    EXPECT_EQ(window.image("BtnBuf").tag(), 2000);
    EXPECT_FALSE(window.label(classLabelName(8)).visible());
}

TEST_F(EngineTest, StartNamesWhatIsMissingAndChangesNothing) {
    RecordingDialog& error = window.dialog(engine::kTestErrorForm);
    error.onShow = [this] { engine.TestErrorFormOKBtnClick(); };

    engine.StartBtnClick();
    chooseYear(2002);
    chooseClass(5);
    chooseYear(2004); // another year drops the class
    engine.StartBtnClick();

    ASSERT_EQ(error.shows.size(), 2u);
    EXPECT_EQ(error.shows[0], std::vector<std::string>{"YearImg"});
    EXPECT_EQ(error.shows[1], std::vector<std::string>{"ClassImg"});
    EXPECT_FALSE(error.isOpen());
    EXPECT_EQ(window.timer().interval(), 0);
    EXPECT_TRUE(window.button("StartBtn").visible());
    EXPECT_TRUE(state().Base[1].Q.empty());
}

TEST_F(EngineTest, StartFillsTheTestAndSwitchesToTheTestScreen) {
    state().RezBase[5] = 99; // left from an earlier test
    startTest(2000, 11);

    EXPECT_EQ(state().QuestionCount, 30);
    EXPECT_EQ(state().CurrentPos, 1);
    EXPECT_EQ(state().QuestionPoints, 3);
    EXPECT_EQ(state().RezBase[5], 0);
    EXPECT_EQ(state().RezBase[112], 1);
    EXPECT_EQ(redNumbers(), std::vector<int>{1});
    EXPECT_EQ(window.viewer("QViewer").markup(), FixtureBank::questionText(2000, "9-11", 1));
    EXPECT_EQ(window.viewer("A2Viewer").markup(),
              "<table valign=bottom border=0 cellpadding=0 cellspacing=0 width=225 height=64>"
              "<tr><td align=center>" +
                  state().Base[1].A2 + "</td></tr></table>");

    EXPECT_EQ(nameOf(window.button("Btn2000").Pic()), "Btn2000");
    EXPECT_EQ(window.image("BtnBuf").tag(), -1);
    EXPECT_EQ(window.timer().interval(), 1000);
    EXPECT_EQ(state().TimerMajor, 75);
    EXPECT_EQ(state().TimerMinor, 0);
    EXPECT_EQ(window.label("TimeLab").caption(), "75:00");
}

// The controls each screen shows, beyond those the window never hides.
std::set<std::string> menuScreen() {
    std::set<std::string> s{"Back",   "MenuBack", "PimImg1",    "StartBtn",    "InfoBtn", "ExitBtn",
                            "MinBtn", "CloseBtn", "ViewerBack", "RulesViewer", "Btn0"};
    for (int y = 2000; y <= 2006; ++y) {
        s.insert("Btn" + std::to_string(y));
    }
    return s;
}

std::set<std::string> gridLabels(int count) {
    std::set<std::string> s;
    for (int n = 1; n <= count; ++n) {
        s.insert(engine::numberLabelName(n));
        s.insert(engine::letterLabelName(n));
    }
    return s;
}

std::set<std::string> testScreen(int count) {
    std::set<std::string> s{"Back",   "MinBtn",  "CloseBtn", "PimImg2",  "SetkaBack",  "TimeLab",
                            "QABack", "QViewer", "EnterBtn", "LaterBtn", "EndTestBtn", "HelpBtn"};
    for (int k = 1; k <= 5; ++k) {
        s.insert("A" + std::to_string(k) + "Btn");
        s.insert("A" + std::to_string(k) + "Viewer");
    }
    s.merge(gridLabels(count));
    return s;
}

std::set<std::string> resultsScreen(int count) {
    std::set<std::string> s{"Back",    "MinBtn", "CloseBtn", "ViewerBack", "InfoBtn", "ExitBtn",
                            "HelpBtn", "PimImg", "SetkaRez", "RezViewer",  "RezBtn",  "TestBtn"};
    s.merge(gridLabels(count));
    return s;
}

TEST_F(EngineTest, EachScreenShowsExactlyItsControls) {
    EXPECT_EQ(window.shownControls(), menuScreen());
    answerTimeDialogWithResult();

    for (auto [year, cls, count] : {std::tuple{2004, 11, 30}, {2006, 2, 26}, {0, 3, 26}}) {
        SCOPED_TRACE(year);
        startTest(year, cls);
        EXPECT_EQ(window.shownControls(), testScreen(count));
        tick(4500);
        EXPECT_EQ(window.shownControls(), resultsScreen(count));
        engine.TestBtnClick();
        EXPECT_EQ(window.shownControls(), menuScreen());
    }
}

TEST_F(EngineTest, HoverUnderlinesALabelUntilThePointerLeaves) {
    RecordingLabel& label = window.label("Q7Lab");
    engine.ClassLabMouseEnter(label);
    EXPECT_TRUE(label.underlined());
    engine.ClassLabMouseLeave(label);
    EXPECT_FALSE(label.underlined());
}

} // namespace
} // namespace testing_support
