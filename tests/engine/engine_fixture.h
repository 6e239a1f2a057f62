#pragma once

#include "bank/cp1251.h"
#include "engine/scoring.h"
#include "engine/test_engine.h"
#include "support/fixture_bank.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

namespace testing_support {

using bank::cp1251::literal;

// A window, a bank and an engine after start-up, with helpers that click like a pupil.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() : engine(window, fixture.bank()) {
        engine.setSeedSource([] { return 12345u; });
        engine.FormCreate();
    }

    engine::TestState& state() { return engine.state(); }

    void chooseYear(int year) {
        engine.BtnClick(window.button(year == 0 ? "Btn0" : engine::yearButtonName(year)));
    }

    // Clicks the class label that carries `cls` for the chosen year.
    void chooseClass(int cls) {
        for (int n = 1; n <= 10; ++n) {
            RecordingLabel& l = window.label(engine::classLabelName(n));
            if (l.visible() && l.tag() == cls) {
                engine.ClassLabClick(l);
                return;
            }
        }
        FAIL() << "class " << cls << " not offered";
    }

    void startTest(int year, int cls) {
        chooseYear(year);
        chooseClass(cls);
        engine.StartBtnClick();
    }

    void choose(int k) { engine.ABtnClick(window.button(engine::optionButtonName(k))); }

    void answer(int k) {
        choose(k);
        engine.EnterBtnClick();
    }

    // An option of the question at `pos` that carries the right text, and one that does not.
    int rightOption(int pos) { return optionWhere(pos, true); }
    int wrongOption(int pos) { return optionWhere(pos, false); }

    int optionWhere(int pos, bool right) {
        const bank::TRec& rec = state().Base[pos];
        for (int k = 1; k <= 5; ++k) {
            if ((rec.option(k) == rec.Right) == right) {
                return k;
            }
        }
        ADD_FAILURE() << "no such option at " << pos;
        return 1;
    }

    void clickNumber(int n) { engine.QLabClick(window.label(engine::numberLabelName(n))); }

    // The numbers shown red now.
    std::vector<int> redNumbers() {
        std::vector<int> red;
        for (int n = 1; n <= 30; ++n) {
            if (window.label(engine::numberLabelName(n)).colour() == Colour::Red) {
                red.push_back(n);
            }
        }
        return red;
    }

    // The time dialog answers "Результат" when it comes up.
    void answerTimeDialogWithResult() {
        window.dialog(engine::kTimeForm).onShow = [this] { engine.TimeFormRezBtnClick(); };
    }

    void tick(int times) {
        for (int i = 0; i < times; ++i) {
            engine.TimerTimer();
        }
    }

    FixtureBank fixture;
    RecordingWindow window;
    engine::TestEngine engine;
};

} // namespace testing_support
