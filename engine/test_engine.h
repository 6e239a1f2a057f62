#pragma once

#include "bank/bank_record.h"
#include "engine/controls.h"
#include "engine/test_state.h"

#include <cstdint>
#include <functional>
#include <random>

namespace engine {

// The main window's behaviour: one handler per kind of click or tick, named as the window
// names them, working on one TestState and reaching the window only through `Window`.
class TestEngine {
public:
    explicit TestEngine(Window& window, const bank::Bank& bank = bank::compiledBank());

    TestState& state() { return state_; }
    const TestState& state() const { return state_; }

    // Where the random test takes its seed; the clock's milliseconds unless replaced.
    void setSeedSource(std::function<std::uint32_t()> seedSource);

    // Start-up and the window-level buttons.
    void FormCreate();
    void InfoBtnClick();
    void MinBtnClick();
    void CloseBtnClick();
    void HelpBtnClick();
    void ClassLabMouseEnter(Label& sender);
    void ClassLabMouseLeave(Label& sender);

    // Menu: year, class, start.
    void BtnClick(PictureButton& sender);
    void ClassLabRePaint();
    void ClassLabClick(Label& sender);
    void StartBtnClick();
    void FillBaseRandom();
    void ShowTest();

    // Test screen.
    void FillTest();
    void ABtnClick(PictureButton& sender);
    void EnterBtnClick();
    void LaterBtnClick();
    void QLabClick(Label& sender);
    void EndTestBtnClick();

    // The main window's timer: countdown at 1000 ms, mascot animation otherwise.
    void TimerTimer();

    // Results and review.
    void ShowRez();
    void RezBtnClick();
    void TestBtnClick();

    // The dialogs' buttons.
    void TestCloseFormYesClick();
    void TestCloseFormNoClick();
    void EndTestFormYesClick();
    void EndTestFormNoClick();
    void TimeFormRezBtnClick();
    void TestErrorFormOKBtnClick();
    void HelpFormCloseBtnClick();

private:
    void showErrorDialog(std::string_view visibleImage);
    void showTimeDialog(std::string_view visibleImage);
    // Loads the rules page into a viewer; on failure shows the error box and returns false.
    bool loadRulesPage(Viewer& viewer);
    void countdownTick();
    void animationTick();
    void reviewQuestion(Label& sender);
    void jumpToQuestion(Label& sender);
    void unlightRezBtn();
    void setAllNumberLabels(Colour colour);

    Window& window_;
    const bank::Bank& bank_;
    TestState state_;
    std::function<std::uint32_t()> seedSource_;
    std::mt19937 generator_;
};

// The position a question-number label names by its caption; 0 if it names none.
int positionOf(const Label& numberLabel);

// The text the application's error box shows for an error: a full stop is added when the text
// does not end in one.
std::string errorReportText(const std::string& error);

} // namespace engine
