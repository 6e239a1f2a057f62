#include "engine_fixture.h"

namespace testing_support {
namespace {

TEST_F(EngineTest, TheLastAnswerStopsTheClockAndAnnouncesAllAnswered) {
    startTest(2004, 7);
    for (int pos = 1; pos <= 29; ++pos) {
        answer(rightOption(pos));
    }
    tick(100);
    const std::string clock = window.label("TimeLab").caption();
    const int loads = window.viewer("QViewer").stringLoads;
    RecordingDialog& time = window.dialog(engine::kTimeForm);

    answer(wrongOption(30)); // the time dialog stays open: no scripted answer

    EXPECT_EQ(window.timer().interval(), 0);
    ASSERT_EQ(time.shows.size(), 1u);
    EXPECT_EQ(time.shows[0], std::vector<std::string>{"AllQ"});
    EXPECT_EQ(window.viewer("QViewer").stringLoads, loads); // not refilled
    EXPECT_EQ(state().CurrentPos, 30);
    EXPECT_EQ(window.image("ABtnBuf").tag(), wrongOption(30)); // still lit
    EXPECT_EQ(window.label("TimeLab").caption(), clock);
    EXPECT_EQ(clock, "73:20");

    engine.TimeFormRezBtnClick();
    EXPECT_FALSE(time.isOpen());
    EXPECT_TRUE(window.button("RezBtn").visible());
    EXPECT_EQ(window.image("ABtnBuf").tag(), 0);
    EXPECT_EQ(nameOf(window.button(engine::optionButtonName(wrongOption(30))).Pic()),
              engine::optionButtonName(wrongOption(30)));
    EXPECT_EQ(state().Score, 120 - 5);
}

TEST_F(EngineTest, TheClockCountsDownSeventyFiveMinutes) {
    startTest(2003, 9);
    RecordingDialog& time = window.dialog(engine::kTimeForm);
    const std::pair<int, const char*> marks[] = {
        {1, "74:59"}, {60, "74:00"}, {3901, "09:59"}, {4491, "00:09"}, {4499, "00:01"}};
    int done = 0;
    for (auto [ticks, text] : marks) {
        tick(ticks - done);
        done = ticks;
        EXPECT_EQ(window.label("TimeLab").caption(), text) << ticks;
        EXPECT_TRUE(time.shows.empty());
        EXPECT_EQ(window.timer().interval(), 1000);
    }
    tick(1);
    EXPECT_EQ(window.label("TimeLab").caption(), "00:00");
    EXPECT_EQ(window.timer().interval(), 0);
    EXPECT_EQ(state().TimerMajor, 0);
    EXPECT_EQ(state().TimerMinor, 0);
    ASSERT_EQ(time.shows.size(), 1u);
    EXPECT_EQ(time.shows[0], std::vector<std::string>{"Time"});
}

// At 00:00 the end-test, help and error dialogs close; the exit confirmation stays.
struct OpenAtTimeOut {
    std::string_view dialog;
    bool staysOpen;
};

TEST_F(EngineTest, TimeOutClosesEveryDialogButTheExitConfirmation) {
    const OpenAtTimeOut cases[] = {{engine::kEndTestForm, false},
                                   {engine::kHelpForm, false},
                                   {engine::kTestErrorForm, false},
                                   {engine::kTestCloseForm, true}};
    answerTimeDialogWithResult();
    for (const OpenAtTimeOut& c : cases) {
        SCOPED_TRACE(c.dialog);
        startTest(2006, 10);
        if (c.dialog != engine::kTestErrorForm) {
            choose(2); // chosen, never committed: not scored
        }
        tick(4000);
        RecordingDialog& open = window.dialog(c.dialog);
        bool openAfterResults = false;
        open.onShow = [&] {
            tick(500); // the clock runs out while this dialog waits
            openAfterResults = open.isOpen();
        };
        if (c.dialog == engine::kEndTestForm) {
            engine.EndTestBtnClick();
        } else if (c.dialog == engine::kHelpForm) {
            engine.HelpBtnClick();
        } else if (c.dialog == engine::kTestErrorForm) {
            engine.EnterBtnClick(); // no option chosen

        } else {
            engine.CloseBtnClick();
        }
        EXPECT_EQ(openAfterResults, c.staysOpen);
        EXPECT_EQ(open.isOpen(), c.staysOpen);
        EXPECT_EQ(window.dialog(engine::kTimeForm).shows.back(), std::vector<std::string>{"Time"});
        EXPECT_TRUE(window.button("RezBtn").visible()); // results shown
        EXPECT_EQ(state().Score, 0);
        EXPECT_EQ(window.timer().interval(), 75);
        if (c.staysOpen) {
            engine.TestCloseFormNoClick();
            EXPECT_EQ(window.closed, 0);
        }
        open.onShow = nullptr;
        engine.TestBtnClick();
    }
}

TEST_F(EngineTest, EndingEarlyWithYesGoesStraightToTheAnimation) {
    startTest(2002, 3);
    answer(rightOption(1));
    tick(10);
    window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
    engine.EndTestBtnClick();

    EXPECT_FALSE(window.dialog(engine::kEndTestForm).isOpen());
    EXPECT_TRUE(window.dialog(engine::kTimeForm).shows.empty());
    EXPECT_EQ(window.timer().interval(), 75);
    EXPECT_EQ(state().TimerMajor, 1);
    EXPECT_EQ(state().TimerMinor, 0);
    EXPECT_EQ(state().Score, 3);
    EXPECT_TRUE(window.viewer("RezViewer").visible());
}

TEST_F(EngineTest, EndingEarlyWithNoLeavesTheTestRunning) {
    startTest(2002, 3);
    choose(4);
    window.dialog(engine::kEndTestForm).onShow = [this] {
        tick(3); // the countdown goes on while the question is asked
        engine.EndTestFormNoClick();
    };
    engine.EndTestBtnClick();
    EXPECT_EQ(window.label("TimeLab").caption(), "74:57");
    EXPECT_EQ(window.timer().interval(), 1000);
    EXPECT_TRUE(window.button("EnterBtn").visible());
    EXPECT_EQ(window.image("ABtnBuf").tag(), 4);
    engine.EnterBtnClick();
    EXPECT_EQ(state().AnsweredCount, 1);
}

} // namespace
} // namespace testing_support
