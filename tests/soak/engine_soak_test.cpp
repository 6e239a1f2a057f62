// A soak of the engine: seeded random pupils take whole tests by calls, and the flow's
// invariants are checked after every step. A failure prints the seed and the steps.
#include "engine/control_names.h"
#include "engine/scoring.h"
#include "engine/test_engine.h"
#include "support/fixture_bank.h"
#include "support/recording_window.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sstream>

namespace testing_support {
namespace {

using engine::letterLabelName;
using engine::numberLabelName;

enum class Screen { Menu, Test, Results };

class Pupil {
public:
    Pupil(const FixtureBank& fixture, std::uint32_t seed)
        : seed_(seed), random_(seed), engine_(window_, fixture.bank()) {
        engine_.setSeedSource([seed] { return seed * 2654435761u; });
        engine_.FormCreate();
        scriptDialogs();
    }

    // Takes one test from the menu to the review and back; false on a broken invariant.
    bool takeOneTest(std::string& failure) {
        chooseAndStart();
        if (!check(failure)) {
            return false;
        }
        const int ending = pick(0, 2); // 0 all answered, 1 time out, 2 early end
        int steps = 0;
        while (screen() == Screen::Test && steps++ < 400) {
            act(ending);
            if (!check(failure)) {
                return false;
            }
        }
        if (screen() != Screen::Test) {
            review();
        }
        return check(failure);
    }

    std::string log() const { return "seed " + std::to_string(seed_) + ":" + log_.str(); }

    // How the tests ended so far: all answered, time over, ended early.
    std::array<long, 3> endings() {
        std::array<long, 3> count{};
        for (const auto& shown : window_.dialog(engine::kTimeForm).shows) {
            ++count[shown == std::vector<std::string>{"AllQ"} ? 0 : 1];
        }
        count[2] = earlyEnds_;
        return count;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    void note(const std::string& step) { log_ << " " << step; }

    Screen screen() {
        if (window_.button("RezBtn").visible()) {
            return Screen::Results;
        }
        return window_.button("EnterBtn").visible() ? Screen::Test : Screen::Menu;
    }

    void scriptDialogs() {
        window_.dialog(engine::kTestErrorForm).onShow = [this] {
            engine_.TestErrorFormOKBtnClick();
        };
        window_.dialog(engine::kTimeForm).onShow = [this] { engine_.TimeFormRezBtnClick(); };
        window_.dialog(engine::kHelpForm).onShow = [this] {
            if (pick(0, 3) == 0) {
                tick(pick(1, 30));
            }
            engine_.HelpFormCloseBtnClick();
        };
        window_.dialog(engine::kTestCloseForm).onShow = [this] { engine_.TestCloseFormNoClick(); };
    }

    void tick(int times) {
        note("tick" + std::to_string(times));
        for (int i = 0; i < times; ++i) {
            engine_.TimerTimer();
        }
    }

    void chooseAndStart() {
        // Sometimes start too early: the error dialog names what is missing.
        if (pick(0, 4) == 0) {
            note("start-without-choice");
            engine_.StartBtnClick();
        }
        for (int tries = pick(1, 3); tries > 0; --tries) {
            const int year = pick(0, 7) == 0 ? 0 : pick(2000, 2006);
            note("year" + std::to_string(year));
            engine_.BtnClick(window_.button(year == 0 ? "Btn0" : engine::yearButtonName(year)));
            std::vector<int> offered;
            for (int n = 1; n <= 10; ++n) {
                if (window_.label(engine::classLabelName(n)).visible()) {
                    offered.push_back(n);
                }
            }
            const int n =
                offered[static_cast<std::size_t>(pick(0, static_cast<int>(offered.size()) - 1))];
            note("class-label" + std::to_string(n));
            engine_.ClassLabClick(window_.label(engine::classLabelName(n)));
        }
        note("start");
        engine_.StartBtnClick();
    }

    int optionWhere(int pos, bool right) {
        const bank::TRec& rec = engine_.state().Base[pos];
        for (int k = 1; k <= 5; ++k) {
            if ((rec.option(k) == rec.Right) == right) {
                return k;
            }
        }
        return 1;
    }

    void act(int ending) {
        const engine::TestState& s = engine_.state();
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3: { // choose, maybe change the mind, commit
            int k = pick(1, 5);
            note("choose" + std::to_string(k));
            engine_.ABtnClick(window_.button(engine::optionButtonName(k)));
            if (pick(0, 3) == 0) {
                k = optionWhere(s.CurrentPos, pick(0, 1) == 0);
                note("rechoose" + std::to_string(k));
                engine_.ABtnClick(window_.button(engine::optionButtonName(k)));
            }
            if (pick(0, 5) != 0) {
                note("enter");
                engine_.EnterBtnClick();
            }
            break;
        }
        case 4:
            note("later");
            engine_.LaterBtnClick();
            break;
        case 5: {
            const int n = pick(1, s.QuestionCount);
            note("jump" + std::to_string(n));
            engine_.QLabClick(window_.label(numberLabelName(n)));
            break;
        }
        case 6:
            note("enter-without-choice?");
            engine_.EnterBtnClick();
            break;
        case 7:
            if (ending == 2 && pick(0, 2) == 0) {
                window_.dialog(engine::kEndTestForm).onShow = [this] {
                    ++earlyEnds_;
                    engine_.EndTestFormYesClick();
                };
                note("end-yes");
            } else {
                window_.dialog(engine::kEndTestForm).onShow = [this] {
                    if (pick(0, 2) == 0) {
                        tick(pick(1, 60));
                    }
                    engine_.EndTestFormNoClick();
                };
                note("end-no");
            }
            engine_.EndTestBtnClick();
            break;
        case 8:
            if (pick(0, 1) == 0) {
                note("help");
                engine_.HelpBtnClick();
            } else {
                note("exit-no");
                engine_.CloseBtnClick();
            }
            break;
        default:
            tick(ending == 1 ? pick(100, 900) : pick(1, 20));
            break;
        }
    }

    void review() {
        for (int i = pick(0, 4); i > 0; --i) {
            if (pick(0, 2) == 0) {
                note("rez");
                engine_.RezBtnClick();
            } else {
                const int n = pick(1, engine_.state().QuestionCount);
                note("review" + std::to_string(n));
                engine_.QLabClick(window_.label(numberLabelName(n)));
            }
            tick(pick(0, 60));
        }
        note("menu");
        engine_.TestBtnClick();
        tick(pick(0, 20));
    }

    bool check(std::string& failure) {
        const engine::TestState& s = engine_.state();
        auto fail = [&failure](const std::string& what) {
            failure = what;
            return false;
        };
        if (s.QuestionCount != 26 && s.QuestionCount != 30) {
            return fail("QuestionCount " + std::to_string(s.QuestionCount));
        }
        const Screen now = screen();
        if (now == Screen::Menu) {
            for (int pos = 1; pos <= 30; ++pos) {
                if (!(s.Base[pos] == bank::TRec{})) {
                    return fail("Base not empty on the menu at " + std::to_string(pos));
                }
            }
            return true;
        }
        for (int pos = s.QuestionCount + 1; pos <= 30; ++pos) {
            if (!(s.Base[pos] == bank::TRec{})) {
                return fail("position above QuestionCount filled: " + std::to_string(pos));
            }
        }
        int answered = 0;
        int score = 0;
        for (int pos = 1; pos <= s.QuestionCount; ++pos) {
            const bool isAnswered = s.Base.isAnswered(pos);
            answered += isAnswered;
            score += isAnswered && s.Base.isCorrect(pos) ? engine::pointsForPosition(pos) : 0;
            const bool hasLetter = !window_.label(letterLabelName(pos)).caption().empty();
            if (hasLetter != isAnswered) {
                return fail("letter label and answer disagree at " + std::to_string(pos));
            }
        }
        if (answered != s.AnsweredCount || score != s.Score) {
            return fail("AnsweredCount/Score " + std::to_string(s.AnsweredCount) + "/" +
                        std::to_string(s.Score) + " but Base says " + std::to_string(answered) +
                        "/" + std::to_string(score));
        }
        int red = 0;
        for (int n = 1; n <= 30; ++n) {
            red += window_.label(numberLabelName(n)).colour() == Colour::Red;
        }
        if (now == Screen::Test) {
            if (s.Base.isAnswered(s.CurrentPos)) {
                return fail("the question on screen is answered");
            }
            if (red != 1 || window_.label(numberLabelName(s.CurrentPos)).colour() != Colour::Red) {
                return fail("not exactly the current number red");
            }
            if (s.QuestionPoints != engine::pointsForPosition(s.CurrentPos)) {
                return fail("QuestionPoints");
            }
        } else if (red > 1) {
            return fail("more than one red number in the review");
        }
        return true;
    }

    std::uint32_t seed_;
    std::mt19937 random_;
    RecordingWindow window_;
    engine::TestEngine engine_;
    std::ostringstream log_;
    long earlyEnds_ = 0;
};

// CI runs 10,000 tests; TRAINER_SOAK_TESTS sets another count for a longer run.
TEST(EngineSoak, RandomPupilsKeepTheFlowsInvariants) {
    const FixtureBank fixture;
    const char* env = std::getenv("TRAINER_SOAK_TESTS");
    const long tests = env != nullptr ? std::atol(env) : 10000;
    const long perPupil = 10;
    std::array<long, 3> endings{};
    for (long first = 0; first < tests; first += perPupil) {
        Pupil pupil(fixture, static_cast<std::uint32_t>(first + 1));
        for (long t = 0; t < perPupil && first + t < tests; ++t) {
            std::string failure;
            if (!pupil.takeOneTest(failure)) {
                FAIL() << failure << "\n" << pupil.log();
            }
        }
        const auto ended = pupil.endings();
        for (std::size_t i = 0; i < endings.size(); ++i) {
            endings[i] += ended[i];
        }
    }
    // Every way a test ends was taken, and every test ended.
    EXPECT_GT(endings[0], 0);
    EXPECT_GT(endings[1], 0);
    EXPECT_GT(endings[2], 0);
    EXPECT_EQ(endings[0] + endings[1] + endings[2], tests);
    std::cout << "endings: all answered " << endings[0] << ", time over " << endings[1]
              << ", ended early " << endings[2] << "\n";
}

} // namespace
} // namespace testing_support
