#include "engine_fixture.h"

namespace testing_support {
namespace {

class AnimationTest : public EngineTest {
protected:
    void endWithScore0() {
        startTest(2000, 6);
        window.dialog(engine::kEndTestForm).onShow = [this] { engine.EndTestFormYesClick(); };
        engine.EndTestBtnClick();
    }

    // The frame each tick draws, "" where it draws nothing.
    std::vector<std::string> drawnOver(int ticks) {
        std::vector<std::string> drawn;
        RecordingImage& pim = window.image("PimImg");
        for (int i = 0; i < ticks; ++i) {
            const int writes = pim.pictureWrites;
            engine.TimerTimer();
            drawn.push_back(pim.pictureWrites != writes ? nameOf(pim.picture()) : "");
        }
        return drawn;
    }
};

TEST_F(AnimationTest, FramesRunForthAndBackThenRestForACycleOf55Ticks) {
    endWithScore0();
    const std::vector<std::string> drawn = drawnOver(2 * 55);
    for (int cycle = 0; cycle < 2; ++cycle) {
        const auto at = [&](int tick) {
            return drawn[static_cast<std::size_t>(55 * cycle + tick - 1)];
        };
        for (int t = 1; t <= 5; ++t) {
            EXPECT_EQ(at(t), "Bad" + std::to_string(t - 1)) << "tick " << t;
            EXPECT_EQ(at(t + 5), "Bad" + std::to_string(5 - t)) << "tick " << t + 5;
        }
        for (int t = 11; t <= 55; ++t) {
            EXPECT_EQ(at(t), "") << "tick " << t;
        }
    }
    EXPECT_EQ(nameOf(window.image("PimImg").picture()), "Bad0");
}

TEST_F(AnimationTest, AfterTheReturnToTheMenuTicksDrawNothing) {
    endWithScore0();
    drawnOver(3);
    engine.TestBtnClick();
    EXPECT_EQ(window.timer().interval(), 75); // the ticks go on
    for (const std::string& frame : drawnOver(120)) {
        EXPECT_EQ(frame, "");
    }

    startTest(2000, 7); // the next start returns to the countdown
    EXPECT_EQ(window.timer().interval(), 1000);
    engine.TimerTimer();
    EXPECT_EQ(window.label("TimeLab").caption(), "74:59");
}

} // namespace
} // namespace testing_support
