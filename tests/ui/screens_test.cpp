// Pictures of every screen a pupil meets, compared with the references under tests/ui/screens
// (and tests/ui/screens/2x for a run at QT_SCALE_FACTOR=2, a high-density screen). The run pins
// its fonts (screens/fonts.conf, set by CTest) so the pictures do not depend on what else a
// machine has installed. SCREENS_UPDATE=1 writes the references instead of comparing
// (scripts/update-screens.sh).
#include "engine/control_names.h"
#include "form_harness.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdlib>

#if defined(TRAINER_STAGE_DIR) && defined(SCREENS_DIR) && defined(SCREENS_OUT_DIR)

namespace ui_testing {
namespace {

// Two pixels are the same when no channel differs by more than this (anti-aliasing), and a
// picture matches when at most this share of its pixels differ.
constexpr int kChannelTolerance = 24;
constexpr double kDifferingShare = 0.001;

struct Comparison {
    qsizetype differing = 0;
    QImage difference; // differing pixels red over a pale copy of the reference
};

Comparison compare(const QImage& reference, const QImage& actual, const QRect& ignored) {
    Comparison result;
    result.difference = QImage(reference.size(), QImage::Format_RGB32);
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb r = reference.pixel(x, y);
            const QRgb a = actual.pixel(x, y);
            const bool same =
                ignored.contains(x, y) || (std::abs(qRed(r) - qRed(a)) <= kChannelTolerance &&
                                           std::abs(qGreen(r) - qGreen(a)) <= kChannelTolerance &&
                                           std::abs(qBlue(r) - qBlue(a)) <= kChannelTolerance);
            if (same) {
                const int grey = 192 + qGray(r) / 4;
                result.difference.setPixel(x, y, qRgb(grey, grey, grey));
            } else {
                ++result.differing;
                result.difference.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    return result;
}

class Screens : public ::testing::Test {
protected:
    Screens() {
        form->engine().setSeedSource([] { return 20261211u; });
        form->move(0, 0);
    }

    engine::TestEngine& engine() { return form->engine(); }
    engine::TestState& state() { return form->engine().state(); }

    // The clock and the mascot run on timers; the pictures are taken with them stopped.
    void stopClock() { form->Timer().stop(); }

    // The results with the mascot's first frame, drawn by the animation's first tick.
    void showResults() {
        engine().ShowRez();
        engine().TimerTimer();
        stopClock();
    }

    void chooseYearAndClass(int year, int schoolClass) {
        engine().BtnClick(
            form->controls().button(year == 0 ? "Btn0" : engine::yearButtonName(year)));
        for (int n = 1; n <= 10; ++n) {
            engine::Label& label = form->controls().label(engine::classLabelName(n));
            if (label.visible() && label.tag() == schoolClass) {
                engine().ClassLabClick(label);
                return;
            }
        }
        ADD_FAILURE() << "no label for class " << schoolClass;
    }

    void start(int year, int schoolClass) {
        chooseYearAndClass(year, schoolClass);
        engine().StartBtnClick();
        stopClock();
    }

    int rightOption(int pos) {
        for (int k = 1; k <= 5; ++k) {
            if (state().Base[pos].option(k) == state().Base[pos].Right) {
                return k;
            }
        }
        return 0;
    }

    void choose(int k) { engine().ABtnClick(form->controls().button(engine::optionButtonName(k))); }

    // Answers the current question with option k.
    void answer(int k) {
        choose(k);
        engine().EnterBtnClick();
    }

    QImage window() { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The window with a dialog drawn where it stands over it.
    QImage windowWith(QWidget* dialog) {
        QImage picture = window();
        QPainter painter(&picture);
        painter.drawPixmap(dialog->geometry().topLeft() - form->geometry().topLeft(),
                           dialog->grab());
        return picture;
    }

    // The error dialog's mascot wags its finger on a timer of its own; its box is left out.
    QRect errorMascot() {
        QWidget* error = form->TestErrorForm();
        return QRect(error->geometry().topLeft() - form->geometry().topLeft() + QPoint(31, 100),
                     QSize(200, 220));
    }

    // Compares with the reference of the screen's device pixel ratio: tests/ui/screens/ at 1,
    // tests/ui/screens/2x/ at 2. `ignored` is in the window's logical pixels.
    void expectScreen(const QString& name, const QImage& actual, const QRect& logicalIgnored = {}) {
        const qreal ratio = actual.devicePixelRatio();
        const QString folder = QString(SCREENS_DIR) + (ratio == 1.0 ? "" : "/2x");
        const QRect ignored(logicalIgnored.topLeft() * ratio, logicalIgnored.size() * ratio);
        const QString referencePath = folder + "/" + name + ".png";
        if (qEnvironmentVariableIsSet("SCREENS_UPDATE")) {
            QDir().mkpath(folder);
            EXPECT_TRUE(actual.save(referencePath)) << referencePath.toStdString();
            return;
        }
        const QImage reference = QImage(referencePath).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(reference.isNull()) << "no reference " << referencePath.toStdString();
        ASSERT_EQ(reference.size(), actual.size()) << name.toStdString();
        const Comparison result = compare(reference, actual, ignored);
        const qsizetype allowed =
            static_cast<qsizetype>(kDifferingShare * reference.width() * reference.height());
        if (result.differing > allowed) {
            QDir().mkpath(SCREENS_OUT_DIR);
            const QString stem =
                QString(SCREENS_OUT_DIR) + "/" + name + (ratio == 1.0 ? "" : "@2x");
            const QString actualPath = stem + "-actual.png";
            const QString differencePath = stem + "-diff.png";
            actual.save(actualPath);
            result.difference.save(differencePath);
            ADD_FAILURE() << name.toStdString() << ": " << result.differing
                          << " pixels differ (at most " << allowed << " may); see "
                          << actualPath.toStdString() << " and " << differencePath.toStdString();
        }
    }

    // Takes the picture of a modal dialog once it is up, then presses `close` to dismiss it.
    void whileShown(QWidget* dialog, const QString& name, QWidget* close,
                    const QRect& ignored = {}) {
        whenShown(dialog, [=, this] {
            stopClock();
            expectScreen(name, windowWith(dialog), ignored);
            click(close);
        });
    }

    StagedWindow staged{TRAINER_STAGE_DIR};
    ui::TTestForm* const form = staged.form.get();
};

TEST_F(Screens, TheMenuTheChoiceAndItsErrors) {
    expectScreen("menu", window());

    whileShown(form->TestErrorForm(), "error-no-year", form->TestErrorForm()->OKBtn, errorMascot());
    engine().StartBtnClick();

    engine().BtnClick(form->controls().button(engine::yearButtonName(2003)));
    whileShown(form->TestErrorForm(), "error-no-class", form->TestErrorForm()->OKBtn,
               errorMascot());
    engine().StartBtnClick();

    chooseYearAndClass(2003, 8);
    expectScreen("year-and-class-chosen", window());

    whileShown(form->TestCloseForm(), "exit-question", form->TestCloseForm()->NoBtn);
    engine().CloseBtnClick();
}

TEST_F(Screens, ATestFromTheFirstQuestionToTheReview) {
    start(2003, 8);
    expectScreen("test-text-question", window());

    whileShown(form->TestErrorForm(), "error-no-answer", form->TestErrorForm()->OKBtn,
               errorMascot());
    engine().EnterBtnClick();

    choose(3);
    expectScreen("test-option-chosen", window());

    whileShown(form->HelpForm(), "help", form->HelpForm()->CloseBtn);
    engine().HelpBtnClick();

    whileShown(form->EndTestForm(), "end-test-question", form->EndTestForm()->NoBtn);
    engine().EndTestBtnClick();

    // The first question right, the second wrong, then the end.
    answer(rightOption(1));
    answer(rightOption(2) % 5 + 1);
    showResults();
    expectScreen("results-contest-year", window());

    engine().QLabClick(form->controls().label(engine::numberLabelName(1)));
    expectScreen("review-right-answer", window());
    engine().QLabClick(form->controls().label(engine::numberLabelName(2)));
    expectScreen("review-wrong-answer", window());

    engine().TestBtnClick();
    stopClock();
    expectScreen("menu-after-test", window());
}

// The first question of the bank with a picture of its own.
TEST_F(Screens, AQuestionWithAPicture) {
    for (const bank::QuestionSet& set : bank::compiledBank().sets) {
        for (std::size_t i = 0; i < set.records.size(); ++i) {
            if (set.records[i].Q.find("<img") == std::string_view::npos) {
                continue;
            }
            start(set.year, std::stoi(std::string(set.group)));
            engine().QLabClick(
                form->controls().label(engine::numberLabelName(static_cast<int>(i) + 1)));
            expectScreen("test-picture-question", window());
            return;
        }
    }
    FAIL() << "no question with a picture";
}

TEST_F(Screens, TheTimeDialogsAndTheRandomTest) {
    start(2005, 3); // 26 questions
    whileShown(form->TimeForm(), "time-all-answered", form->TimeForm()->RezBtn);
    for (int pos = 1; pos <= state().QuestionCount; ++pos) {
        engine().QLabClick(form->controls().label(engine::numberLabelName(pos)));
        answer(rightOption(pos));
    }
    engine().TestBtnClick();

    start(2001, 10);
    form->Timer().start(1000);
    whileShown(form->TimeForm(), "time-over", form->TimeForm()->RezBtn);
    while (form->Timer().isActive() && form->Timer().interval() == 1000) {
        engine().TimerTimer();
    }
    engine().TestBtnClick();

    start(0, 5);
    answer(rightOption(1));
    answer(rightOption(2));
    showResults();
    expectScreen("results-random-test", window());
}

// The first record with pictures in its question, its options and its explanation: the test
// screen with it, then its review after a wrong answer.
TEST_F(Screens, ARecordWithPicturesInQuestionOptionsAndExplanation) {
    for (const bank::QuestionSet& set : bank::compiledBank().sets) {
        for (std::size_t i = 0; i < set.records.size(); ++i) {
            const bank::BankRecord& rec = set.records[i];
            auto holds = [](std::string_view text) {
                return text.find("<img") != std::string_view::npos;
            };
            if (!holds(rec.Q) || !holds(rec.A[0]) || !holds(rec.Com)) {
                continue;
            }
            const int pos = static_cast<int>(i) + 1;
            start(set.year, std::stoi(std::string(set.group)));
            engine().QLabClick(form->controls().label(engine::numberLabelName(pos)));
            expectScreen("test-pictures-everywhere", window());
            answer(rightOption(pos) % 5 + 1);
            showResults();
            engine().QLabClick(form->controls().label(engine::numberLabelName(pos)));
            expectScreen("review-pictures-everywhere", window());
            return;
        }
    }
    FAIL() << "no record with pictures in its question, options and explanation";
}

} // namespace
} // namespace ui_testing

#endif
