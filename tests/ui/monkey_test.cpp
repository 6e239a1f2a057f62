#include "engine/control_names.h"
#include "engine/scoring.h"
#include "form_harness.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QWindow>
#include <deque>
#include <random>
#include <sstream>

#ifdef TRAINER_STAGE_DIR

namespace ui_testing {
namespace {

int envOr(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toInt();
}

// Drives the real window with random input: clicks anywhere and on controls, double clicks,
// presses released elsewhere, keys, and the countdown run faster than life. Each action runs
// from a timer of its own, so the actions go on inside the dialogs' modal loops as a pupil's
// clicks do. After every action the flow's invariants are checked.
class Monkey {
public:
    Monkey(unsigned seed, int actions) : seed_(seed), random_(seed), actionsLeft_(actions) {}

    // Runs every action; returns the first broken invariant with the last actions, or "".
    std::string run() {
        newForm();
        QTimer::singleShot(0, [this] { step(); });
        loop_.exec();
        form_.reset();
        return failure_;
    }

    int windowsOpened() const { return windowsOpened_; }
    int testsEndedByTime() const { return endedByTime_; }

private:
    void newForm() {
        form_.reset();
        form_ = std::make_unique<ui::TTestForm>(platform_);
        form_->engine().setSeedSource([this] { return static_cast<std::uint32_t>(random_()); });
        form_->show();
        ++windowsOpened_;
    }

    void step() {
        if (!modalAtStart_.empty() && QApplication::activeModalWidget() == modalAtStart_.back()) {

            // Called from the event processing of an action still under way (QTest's events
            // are delivered at once), not from a dialog it opened: the action finishes first.
            QTimer::singleShot(0, [this] { step(); });
            return;
        }
        if (!failure_.empty() || actionsLeft_ <= 0) {
            if (modalAtStart_.empty()) {
                loop_.quit();
            } else {
                closeEverything();
                QTimer::singleShot(0, [this] { step(); });
            }
            return;
        }
        // The next action is due even if this one opens a modal dialog.
        QTimer::singleShot(0, [this] { step(); });
        if (!form_->isVisible() && !form_->isMinimized()) {
            // The window was closed ("Да" to the exit question, or the information button):
            // the program would have ended. A dialog of the old window still up (the rest of a
            // double click, delivered after the window closed) goes, then a new window starts.
            closeEverything();
            if (modalAtStart_.empty() && QApplication::activeModalWidget() == nullptr) {
                newForm();
            }
            return;
        }
        if (form_->isMinimized()) {
            form_->showNormal();
        }
        --actionsLeft_;
        modalAtStart_.push_back(QApplication::activeModalWidget());
        act();
        modalAtStart_.pop_back();
        check();
    }

    // Gets out of every dialog so that the loop can end.
    void closeEverything() {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->done(QDialog::Rejected);
        }
    }

    QWidget* target() {
        QWidget* modal = QApplication::activeModalWidget();
        // Now and then a click goes to the main window behind a dialog; it must be ignored.
        if (modal != nullptr && pick(10) != 0) {
            return modal;
        }
        return form_.get();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QPoint anywhere(QWidget* window) { return {pick(window->width()), pick(window->height())}; }

    // A random visible control of the window that takes clicks.
    QPoint someControl(QWidget* window) {
        QList<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisibleTo(window) &&
                (qobject_cast<TImgBtn*>(child) != nullptr ||
                 (qobject_cast<QLabel*>(child) != nullptr &&
                  child->cursor().shape() == Qt::PointingHandCursor))) {
                controls << child;
            }
        }
        if (controls.isEmpty()) {
            return anywhere(window);
        }
        QWidget* chosen = controls[pick(static_cast<int>(controls.size()))];
        // The buttons that end or hide the window are pressed less often, so that tests run
        // long enough to be answered through.
        static const QStringList leaving = {"CloseBtn", "ExitBtn", "InfoBtn", "MinBtn"};
        if (leaving.contains(chosen->objectName()) && pick(5) != 0) {
            chosen = controls[pick(static_cast<int>(controls.size()))];
        }
        return chosen->mapTo(window, chosen->rect().center());
    }

    void log(std::string what) {
        if (trace_) {
            std::fprintf(stderr, "%d %s\n", done_, what.c_str());
        }
        recent_.push_back(std::to_string(done_++) + " " + std::move(what));
        if (recent_.size() > 25) {
            recent_.pop_front();
        }
    }

    static std::string where(QWidget* window, QPoint at) {
        std::ostringstream out;
        out << window->metaObject()->className() << " " << at.x() << "," << at.y();
        return out.str();
    }

    void act() {
        QWidget* window = target();
        QWindow* handle = window->windowHandle();
        if (handle == nullptr) {
            return;
        }
        const int kind = pick(100);
        if (kind < 12 && window == form_.get() && form_->widget("EnterBtn")->isVisible()) {
            // What a pupil does most: an option, then "Ответить".
            const int k = 1 + pick(5);
            log("answer " + std::to_string(k));
            for (const QString& name : {QString("A%1Btn").arg(k), QString("EnterBtn")}) {
                QWidget* button = form_->widget(name);
                const QPoint at = button->mapTo(window, button->rect().center());
                QTest::mouseMove(handle, at);
                QTest::mouseClick(handle, Qt::LeftButton, {}, at);
            }
        } else if (kind < 35) {
            const QPoint at = someControl(window);
            log("click control " + where(window, at));
            QTest::mouseMove(handle, at);
            QTest::mouseClick(handle, Qt::LeftButton, {}, at);
        } else if (kind < 60) {
            const QPoint at = anywhere(window);
            log("click " + where(window, at));
            QTest::mouseMove(handle, at);
            QTest::mouseClick(handle, Qt::LeftButton, {}, at);
        } else if (kind < 66) {
            const QPoint at = pick(2) == 0 ? someControl(window) : anywhere(window);
            log("double click " + where(window, at));
            QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
        } else if (kind < 72) {
            const QPoint from = pick(2) == 0 ? someControl(window) : anywhere(window);
            const QPoint to = anywhere(window);
            log("drag " + where(window, from) + " to " + std::to_string(to.x()) + "," +
                std::to_string(to.y()));
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, to);
            QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
        } else if (kind < 88) {
            // The keys of the window, as typed on a Russian layout, and a few that mean nothing.
            struct Key {
                int code;
                const char* text;
            };
            static const Key keys[] = {
                {Qt::Key_Escape, ""}, {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"},
                {Qt::Key_Tab, "\t"},  {Qt::Key_Backtab, ""},  {Qt::Key_Space, " "},
                {Qt::Key_A, "a"},     {Qt::Key_F1, ""},       {Qt::Key_0, "0"},
                {Qt::Key_1, "1"},     {Qt::Key_3, "3"},       {Qt::Key_5, "5"},
                {0x0410, "а"},        {0x0411, "б"},          {0x0412, "в"},
                {0x0413, "г"},        {0x0414, "д"},          {0x041E, "о"},
            };
            const Key& key = keys[pick(static_cast<int>(std::size(keys)))];
            log("key " + std::to_string(key.code) + " to " + window->metaObject()->className());
            const QString text = QString::fromUtf8(key.text);
            QTest::sendKeyEvent(QTest::Press, handle, Qt::Key(key.code), text, {});
            QTest::sendKeyEvent(QTest::Release, handle, Qt::Key(key.code), text, {});
        } else {
            // The countdown, faster than life: a few seconds, a few minutes or to the end.
            engine::TestEngine& engine = form_->engine();
            const int ticks = kind < 94 ? 1 + pick(30) : kind < 98 ? 60 * (1 + pick(20)) : 4500;
            log("countdown " + std::to_string(ticks) + " ticks");
            for (int i = 0; i < ticks && form_->Timer().isActive() &&
                            form_->Timer().interval() == engine::kCountdownInterval;
                 ++i) {
                if (engine.state().TimerMajor == 0 && engine.state().TimerMinor == 1) {
                    ++endedByTime_;
                }
                engine.TimerTimer();
            }
        }
    }

    void fail(const std::string& what) {
        if (!failure_.empty()) {
            return;
        }
        std::ostringstream out;
        out << what << "\nseed " << seed_ << "; the last actions:\n";
        for (const std::string& line : recent_) {
            out << "  " << line << "\n";
        }
        failure_ = out.str();
    }

    void check() {
        if (!form_ || !form_->isVisible()) {
            return;
        }
        const auto& s = form_->engine().state();
        const bool testScreen = form_->widget("EnterBtn")->isVisible();
        const bool resultsScreen = form_->widget("TestBtn")->isVisible();
        // The menu keeps the last score and count until the next start, over an empty base.
        if (testScreen || resultsScreen) {
            int answered = 0;
            int score = 0;
            for (int pos = 1; pos <= s.QuestionCount; ++pos) {
                if (s.Base.isAnswered(pos)) {
                    ++answered;
                    score += s.Base.isCorrect(pos) ? engine::pointsForPosition(pos) : 0;
                }
            }
            if (s.Score != score) {
                fail("score " + std::to_string(s.Score) + ", the answers give " +
                     std::to_string(score));
            }
            if (s.AnsweredCount != answered) {
                fail("answered count " + std::to_string(s.AnsweredCount) + ", answers given " +
                     std::to_string(answered));
            }
        }
        if (s.Score > 120 || s.AnsweredCount > s.QuestionCount) {
            fail("score " + std::to_string(s.Score) + ", " + std::to_string(s.AnsweredCount) +
                 " of " + std::to_string(s.QuestionCount) + " answered");
        }
        if (testScreen && !s.Base.isAnswered(s.CurrentPos) && s.CurrentPos != 0) {
            int red = 0;
            for (int n = 1; n <= s.QuestionCount; ++n) {
                red += form_->controls().label(engine::numberLabelName(n)).colour() ==
                       engine::Colour::Red;
            }
            if (red != 1) {
                fail(std::to_string(red) + " red numbers on the test screen");
            }
        }
        if (testScreen && (s.TimerMajor < 0 || s.TimerMinor < 0 || s.TimerMajor > 75)) {
            fail("the clock reads " + std::to_string(s.TimerMajor) + ":" +
                 std::to_string(s.TimerMinor));
        }
        if (testScreen && resultsScreen) {
            fail("the test and the results screens at once");
        }
        if (resultsScreen && form_->Timer().isActive() &&
            form_->Timer().interval() != engine::kAnimationInterval) {
            fail("the results screen with a timer of " + std::to_string(form_->Timer().interval()) +
                 " ms");
        }
    }

    unsigned seed_;
    std::mt19937 random_;
    int actionsLeft_;
    int done_ = 0;
    // The modal dialog up when each action on the stack began (null for none).
    std::vector<QWidget*> modalAtStart_;
    int windowsOpened_ = 0;
    int endedByTime_ = 0;
    RecordingPlatform platform_;
    std::unique_ptr<ui::TTestForm> form_;
    QEventLoop loop_;
    std::deque<std::string> recent_;
    std::string failure_;
    bool trace_ = !qEnvironmentVariableIsEmpty("MONKEY_TRACE");
};

// MONKEY_SEED and MONKEY_ACTIONS choose another run (a million actions takes a while);
// MONKEY_TRACE prints every action.
TEST(Monkey, RandomInputKeepsTheFlowsInvariants) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(TRAINER_STAGE_DIR);
    const auto seed = static_cast<unsigned>(envOr("MONKEY_SEED", 20261211));
    Monkey monkey(seed, envOr("MONKEY_ACTIONS", 10000));
    const std::string failure = monkey.run();
    QDir::setCurrent(previous);
    EXPECT_EQ(failure, "");
    // The run went through the program's paths, not round one screen.
    EXPECT_GT(monkey.windowsOpened(), 1);
    EXPECT_GT(monkey.testsEndedByTime(), 0);
    std::printf("seed %u: %d windows, %d tests ended by time\n", seed, monkey.windowsOpened(),
                monkey.testsEndedByTime());
}

} // namespace
} // namespace ui_testing

#endif
