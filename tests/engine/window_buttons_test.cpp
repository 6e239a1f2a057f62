#include "engine_fixture.h"

namespace testing_support {
namespace {

TEST_F(EngineTest, StartUpLoadsTheRulesPageAndChoosesNothing) {
    EXPECT_EQ(window.viewer("RulesViewer").file, "Info\\rules\\rules.html");
    EXPECT_TRUE(window.errorBoxes.empty());
    EXPECT_EQ(state().SelectedYear, -1);
    EXPECT_EQ(state().SelectedClass, 0);
}

TEST(StartUp, AMissingRulesPageIsReportedAndTheMenuStillComesUp) {
    FixtureBank fixture;
    RecordingWindow window;
    window.files.clear();
    engine::TestEngine engine(window, fixture.bank());
    engine.FormCreate();
    EXPECT_EQ(window.errorBoxes,
              std::vector<std::string>{"Can't locate file: Info\\rules\\rules.html."});
    EXPECT_TRUE(window.viewer("RulesViewer").visible());
    EXPECT_EQ(engine.state().SelectedYear, -1);
}

TEST_F(EngineTest, HelpReadsTheRulesPageAfreshEachTime) {
    RecordingDialog& help = window.dialog(engine::kHelpForm);
    help.onShow = [this] { engine.HelpFormCloseBtnClick(); };
    startTest(2004, 4);
    engine.HelpBtnClick();
    engine.HelpBtnClick();
    EXPECT_EQ(help.shows.size(), 2u);
    EXPECT_EQ(static_cast<RecordingViewer&>(help.viewer("Viewr")).fileLoads, 2);
    EXPECT_FALSE(help.isOpen());

    window.files.clear(); // now the page is gone: the box comes instead of the dialog
    engine.HelpBtnClick();
    EXPECT_EQ(help.shows.size(), 2u);
    EXPECT_EQ(window.errorBoxes,
              std::vector<std::string>{"Can't locate file: Info\\rules\\rules.html."});
}

TEST_F(EngineTest, ExitConfirmationYesClosesTheWindowNoKeepsTheTestRunning) {
    RecordingDialog& exit = window.dialog(engine::kTestCloseForm);
    startTest(2005, 11);
    exit.onShow = [this] {
        tick(2);
        engine.TestCloseFormNoClick();
    };
    engine.CloseBtnClick();
    EXPECT_EQ(window.closed, 0);
    EXPECT_EQ(window.label("TimeLab").caption(), "74:58");
    EXPECT_FALSE(exit.isOpen());

    exit.onShow = [this] { engine.TestCloseFormYesClick(); };
    engine.CloseBtnClick();
    EXPECT_EQ(window.closed, 1);
    EXPECT_FALSE(exit.isOpen());
}

TEST_F(EngineTest, InformationStartsTheCompanionAndClosesTheWindow) {
    engine.InfoBtnClick();
    EXPECT_TRUE(window.hidden);
    EXPECT_EQ(window.programsStarted, std::vector<std::string>{"OviInfo.exe"});
    EXPECT_EQ(window.closed, 1);
}

TEST_F(EngineTest, MinimisingLeavesTheCountdownRunning) {
    startTest(2006, 2);
    engine.MinBtnClick();
    EXPECT_EQ(window.minimized, 1);
    EXPECT_EQ(window.timer().interval(), 1000);
}

} // namespace
} // namespace testing_support
