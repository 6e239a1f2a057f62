#include "form_harness.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>

namespace ui_testing {
namespace {

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

QStringList grid(int count) {
    QStringList names;
    for (int n = 1; n <= count; ++n) {
        names << QString("Q%1Lab").arg(n) << QString("A%1Lab").arg(n);
    }
    return names;
}

QStringList menuScreen() {
    return sorted({"Back", "MenuBack", "PimImg1", "StartBtn", "InfoBtn", "ExitBtn", "MinBtn",
                   "CloseBtn", "ViewerBack", "RulesViewer", "Btn0", "Btn2000", "Btn2001", "Btn2002",
                   "Btn2003", "Btn2004", "Btn2005", "Btn2006"});
}

QStringList testScreen(int count) {
    return sorted(QStringList{"Back",       "MinBtn",   "CloseBtn", "PimImg2",  "SetkaBack",
                              "TimeLab",    "QABack",   "QViewer",  "A1Viewer", "A2Viewer",
                              "A3Viewer",   "A4Viewer", "A5Viewer", "A1Btn",    "A2Btn",
                              "A3Btn",      "A4Btn",    "A5Btn",    "EnterBtn", "LaterBtn",
                              "EndTestBtn", "HelpBtn"} +
                  grid(count));
}

QStringList resultsScreen(int count) {
    return sorted(QStringList{"Back", "MinBtn", "CloseBtn", "ViewerBack", "InfoBtn", "ExitBtn",
                              "HelpBtn", "PimImg", "SetkaRez", "RezViewer", "RezBtn", "TestBtn"} +
                  grid(count));
}

QString text(QWidget* label) {
    return qobject_cast<QLabel*>(label)->text();
}

TEST_F(FormTest, StartsOnTheMenuWithTheFontAndTheRulesPage) {
    EXPECT_EQ(shown(), menuScreen());
    EXPECT_EQ(platform.fontsAdded, 1);
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(form->size(), QSize(800, 600));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w("Btn2003")->geometry(), QRect(26, 329, 158, 25));
    EXPECT_EQ(w("A4Viewer")->geometry(), QRect(552, 372, 225, 64));
}

TEST_F(FormTest, APupilTakesATestFromTheMenuToTheReviewAndBack) {
    // A 30-question test first, ended early after a few answers.
    click(w("Btn2004"));
    click(w("ClassLab4")); // class 5
    EXPECT_EQ(text(w("ClassLab4")), QString::fromUtf8("5-й класс"));
    click(w("StartBtn"));
    EXPECT_EQ(shown(), testScreen(30));
    EXPECT_EQ(text(w("TimeLab")), "75:00");

    auto& state = form->engine().state();
    auto rightOf = [&](int pos) {
        for (int k = 1; k <= 5; ++k) {
            if (state.Base[pos].option(k) == state.Base[pos].Right) {
                return k;
            }
        }
        return 1;
    };
    click(w(QString("A%1Btn").arg(rightOf(1))));
    click(w("EnterBtn"));
    EXPECT_EQ(state.CurrentPos, 2);
    EXPECT_EQ(text(w("A1Lab")), QString(QChar(0x0410 + rightOf(1) - 1)));
    click(w("LaterBtn"));
    EXPECT_EQ(state.CurrentPos, 3);
    click(w("Q25Lab"));
    EXPECT_EQ(state.CurrentPos, 25);
    click(w(QString("A%1Btn").arg(rightOf(25))));
    click(w("EnterBtn"));
    EXPECT_EQ(state.Score, 3 + 5);

    whenShown(form->EndTestForm(), [this] { click(form->EndTestForm()->YesBtn); });
    click(w("EndTestBtn"));
    EXPECT_FALSE(form->EndTestForm()->isVisible());
    EXPECT_EQ(shown(), resultsScreen(30));
    EXPECT_EQ(form->Timer().interval(), 75);

    click(w("Q1Lab"));
    EXPECT_EQ(state.CurrentPos, 1);
    click(w("Q2Lab"));
    EXPECT_EQ(state.CurrentPos, 2);
    click(w("RezBtn"));
    EXPECT_EQ(form->controls().button("RezBtn").tag(), 1);
    click(w("TestBtn"));
    EXPECT_EQ(shown(), menuScreen());

    // Then a 26-question test: only the numbers 1 to 26 come up.
    click(w("Btn2005"));
    click(w("ClassLab2")); // class 3
    click(w("StartBtn"));
    EXPECT_EQ(shown(), testScreen(26));
}

TEST_F(FormTest, TimeRunsOutWhileTheEndTestConfirmationIsOpen) {
    click(w("Btn2001"));
    click(w("ClassLab1"));
    click(w("StartBtn"));
    ASSERT_EQ(form->Timer().interval(), 1000);

    whenShown(form->EndTestForm(), [this] {
        // The clock runs out while the question is asked: 4500 ticks, faster than life.
        whenShown(form->TimeForm(), [this] {
            EXPECT_TRUE(form->TimeForm()->Time->isVisibleTo(form->TimeForm()));
            EXPECT_FALSE(form->TimeForm()->AllQ->isVisibleTo(form->TimeForm()));
            click(form->TimeForm()->RezBtn);
        });
        for (int i = 0; i < 4500 && form->Timer().interval() == 1000; ++i) {
            form->engine().TimerTimer();
        }
    });
    click(w("EndTestBtn"));

    EXPECT_FALSE(form->EndTestForm()->isVisible());
    EXPECT_FALSE(form->TimeForm()->isVisible());
    EXPECT_EQ(text(w("TimeLab")), "00:00");
    EXPECT_EQ(shown(), resultsScreen(30));
}

TEST_F(FormTest, ExitConfirmationNoKeepsTheTestAndYesClosesOnce) {
    QSignalSpy closed(form.get(), &ui::TTestForm::closed);
    click(w("Btn2006"));
    click(w("ClassLab9"));
    click(w("StartBtn"));

    whenShown(form->TestCloseForm(), [this] { click(form->TestCloseForm()->NoBtn); });
    click(w("CloseBtn"));
    EXPECT_FALSE(form->TestCloseForm()->isVisible());
    EXPECT_EQ(shown(), testScreen(30));
    EXPECT_EQ(form->Timer().interval(), 1000);
    EXPECT_EQ(closed.count(), 0);

    whenShown(form->TestCloseForm(), [this] { click(form->TestCloseForm()->YesBtn); });
    click(w("CloseBtn"));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(platform.fontsRemoved, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormTest, InformationStartsTheCompanionAndCloses) {
    QSignalSpy closed(form.get(), &ui::TTestForm::closed);
    click(w("InfoBtn"));
    EXPECT_EQ(platform.programs, QStringList{"OviInfo.exe"});
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormTest, TheErrorDialogNamesTheMissingChoice) {
    auto* error = form->TestErrorForm();
    whenShown(error, [error] {
        EXPECT_TRUE(error->YearImg->isVisibleTo(error));
        EXPECT_FALSE(error->ClassImg->isVisibleTo(error));
        click(error->OKBtn);
    });
    click(w("StartBtn"));
    EXPECT_FALSE(error->isVisible());

    click(w("Btn2002"));
    whenShown(error, [error] {
        EXPECT_FALSE(error->YearImg->isVisibleTo(error));
        EXPECT_TRUE(error->ClassImg->isVisibleTo(error));
        click(error->OKBtn);
    });
    click(w("StartBtn"));
    EXPECT_EQ(shown().contains("StartBtn"), true);
}

// Pictures and buttons the window shows now that lack their picture; the mascot's frame is
// left out, as its animation fills it on the next tick.
QStringList blankPictures(QWidget& window) {
    QStringList blank;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const auto* box = dynamic_cast<const ui::PictureBox*>(child); // no meta-object of its own
        if (box != nullptr && box->isVisibleTo(&window) && box->picture().isNull() &&
            box->objectName() != "PimImg") {
            blank << box->objectName();
        }
    }
    for (auto* button : window.findChildren<TImgBtn*>()) {
        if (button->isVisibleTo(&window) && button->Picture().isNull()) {
            blank << button->objectName();
        }
    }
    return blank;
}

// The window decodes only what its first screen shows; whatever comes later must still arrive
// with its pictures, whether it is asked for before the first paint or after it.
TEST(FormStartUp, LaterScreensGetTheirPicturesBeforeAndAfterTheFirstPaint) {
    testing_support::FixtureBank fixture;
    RecordingPlatform platform;
    {
        ui::TTestForm form(platform, fixture.bank()); // never shown: nothing is painted
        engine::TestEngine& engine = form.engine();
        engine.BtnClick(form.controls().button("Btn2006"));
        engine.ClassLabClick(form.controls().label("ClassLab5"));
        engine.StartBtnClick();
        ASSERT_EQ(engine.state().QuestionCount, 30);
        EXPECT_EQ(blankPictures(form), QStringList{});
        EXPECT_EQ(form.findChildren<QDialog*>().size(), 0);

        engine.ShowRez();
        EXPECT_EQ(blankPictures(form), QStringList{});
        EXPECT_EQ(form.controls().imageList("PimList").frames.size(), 5u);
        EXPECT_EQ(blankPictures(*form.TimeForm()), QStringList{});
    }
    {
        ui::TTestForm form(platform, fixture.bank());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        // After the first paint the rest is made without being asked for.
        EXPECT_EQ(form.findChildren<QDialog*>().size(), 5);
        for (QDialog* dialog : form.findChildren<QDialog*>()) {
            EXPECT_EQ(blankPictures(*dialog), QStringList{});
        }
    }
}

TEST(FormStartUp, AMissingRulesPageIsReportedAndTheWindowOpens) {
    testing_support::FixtureBank fixture;
    RecordingPlatform platform;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    {
        ui::TTestForm form(platform, fixture.bank());
        form.show();
        EXPECT_EQ(platform.errorBoxes, QStringList{"Can't locate file: Info\\rules\\rules.html."});
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.engine().state().SelectedYear, -1);
    }
    QDir::setCurrent(previous);
}

} // namespace
} // namespace ui_testing
