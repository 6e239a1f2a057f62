#include "engine/control_names.h"
#include "engine/scoring.h"
#include "engine/test_engine.h"

namespace engine {

void TestEngine::TimerTimer() {
    if (window_.timer().interval() == kCountdownInterval) {
        countdownTick();
    } else {
        animationTick();
    }
}

void TestEngine::countdownTick() {
    if (--state_.TimerMinor == -1) {
        --state_.TimerMajor;
        state_.TimerMinor = 59;
    }
    window_.label("TimeLab").setCaption(clockText(state_.TimerMajor, state_.TimerMinor));
    if (state_.TimerMajor != 0 || state_.TimerMinor != 0) {
        return;
    }
    window_.timer().setInterval(0);
    // The exit confirmation stays: the time dialog comes up over it.
    for (std::string_view name : {kEndTestForm, kHelpForm, kTestErrorForm}) {
        Dialog& dialog = window_.dialog(name);
        if (dialog.isOpen()) {
            dialog.close();
        }
    }
    showTimeDialog("Time");
}

void TestEngine::animationTick() {
    const std::vector<Picture>& frames = window_.imageList("PimList").frames;
    auto draw = [&](int frame) {
        if (frame >= 0 && static_cast<std::size_t>(frame) < frames.size()) {
            window_.image("PimImg").setPicture(frames[static_cast<std::size_t>(frame)]);
        }
    };
    if (state_.TimerMajor == 1) {
        draw(state_.TimerMinor);
    } else if (state_.TimerMajor == 2) {
        draw(4 - state_.TimerMinor);
    }
    if (state_.TimerMinor == 4) {
        state_.TimerMinor = 0;
        state_.TimerMajor = state_.TimerMajor == 10 ? 0 : state_.TimerMajor + 1;
    } else {
        ++state_.TimerMinor;
    }
}

} // namespace engine
