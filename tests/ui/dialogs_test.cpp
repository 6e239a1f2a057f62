#include "form_harness.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QWindow>

namespace ui_testing {
namespace {

// What a stray key or window-system close must not change.
struct Snapshot {
    QStringList shown;
    int position;
    int answered;
    int score;
    int interval;
    bool operator==(const Snapshot&) const = default;
};

// Runs the countdown's ticks, faster than life, until the clock stops at 00:00.
void runOutOfTime(ui::TTestForm& form) {
    for (int i = 0; i < 4500 && form.Timer().isActive() && form.Timer().interval() == 1000; ++i) {
        form.engine().TimerTimer();
    }
}

class DialogTest : public FormTest {
protected:
    Snapshot snapshot() const {
        const auto& state = form->engine().state();
        return {shown(), state.CurrentPos, state.AnsweredCount, state.Score,
                form->Timer().isActive() ? form->Timer().interval() : 0};
    }

    void startTest() {
        click(w("Btn2001"));
        click(w("ClassLab1"));
        click(w("StartBtn"));
        ASSERT_EQ(form->Timer().interval(), 1000);
    }

    void runOutOfTime() { ui_testing::runOutOfTime(*form); }
};

struct DialogCase {
    const char* name;
    // Brings the dialog up; returns once it has closed.
    std::function<void(ui::TTestForm&)> open;
    std::function<QDialog*(ui::TTestForm&)> dialog;
    std::function<QWidget*(ui::TTestForm&)> closeButton;
};

std::vector<DialogCase> dialogCases() {
    return {
        {"exit confirmation", [](ui::TTestForm& f) { click(f.widget("CloseBtn")); },
         [](ui::TTestForm& f) { return f.TestCloseForm(); },
         [](ui::TTestForm& f) { return f.TestCloseForm()->NoBtn; }},
        {"error", [](ui::TTestForm& f) { click(f.widget("EnterBtn")); },
         [](ui::TTestForm& f) { return f.TestErrorForm(); },
         [](ui::TTestForm& f) { return f.TestErrorForm()->OKBtn; }},
        {"end-test confirmation", [](ui::TTestForm& f) { click(f.widget("EndTestBtn")); },
         [](ui::TTestForm& f) { return f.EndTestForm(); },
         [](ui::TTestForm& f) { return f.EndTestForm()->NoBtn; }},
        {"help", [](ui::TTestForm& f) { click(f.widget("HelpBtn")); },
         [](ui::TTestForm& f) { return f.HelpForm(); },
         [](ui::TTestForm& f) { return f.HelpForm()->CloseBtn; }},
        {"time", [](ui::TTestForm& f) { runOutOfTime(f); },
         [](ui::TTestForm& f) { return f.TimeForm(); },
         [](ui::TTestForm& f) { return f.TimeForm()->RezBtn; }},
    };
}

// The window system's close (a spontaneous close event) leaves every dialog open and the test
// as it was; only the dialog's own buttons close it (Esc presses one of them, see
// accessibility_test.cpp).
TEST_F(DialogTest, TheWindowSystemsCloseLeavesEveryDialogOpen) {
    for (const DialogCase& c : dialogCases()) {
        SCOPED_TRACE(c.name);
        startTest();
        QDialog* dialog = c.dialog(*form);
        Snapshot before;
        bool checked = false;
        whenShown(dialog, [&] {
            before = snapshot();
            dialog->windowHandle()->close(); // what the window manager's close button does
            QCoreApplication::processEvents();
            EXPECT_TRUE(dialog->isVisible()) << "after a close from the window system";
            EXPECT_EQ(snapshot(), before);
            checked = true;
            click(c.closeButton(*form));
        });
        c.open(*form);
        EXPECT_TRUE(checked);
        EXPECT_FALSE(dialog->isVisible());
        // Back to the menu for the next case.
        if (form->widget("TestBtn")->isVisible()) {
            click(w("TestBtn"));
        } else if (form->widget("EndTestBtn")->isVisible()) {
            whenShown(form->EndTestForm(), [this] { click(form->EndTestForm()->YesBtn); });
            click(w("EndTestBtn"));
            click(w("TestBtn"));
        }
        ASSERT_TRUE(w("StartBtn")->isVisible());
    }
}

// At 00:00 the open end-test, help or error dialog stays on screen behind the time dialog, and
// is gone once "Результат" has been pressed.
TEST_F(DialogTest, ADialogOpenAtTimeOutStaysBehindTheTimeDialogUntilTheResult) {
    for (const DialogCase& c : dialogCases()) {
        if (std::string_view(c.name) == "exit confirmation" || std::string_view(c.name) == "time") {
            continue;
        }
        SCOPED_TRACE(c.name);
        startTest();
        QDialog* dialog = c.dialog(*form);
        bool timeShown = false;
        whenShown(dialog, [&] {
            whenShown(form->TimeForm(), [&] {
                timeShown = true;
                QCoreApplication::processEvents();
                EXPECT_TRUE(dialog->isVisible());
                EXPECT_EQ(QApplication::activeModalWidget(), form->TimeForm());
                click(form->TimeForm()->RezBtn);
            });
            runOutOfTime();
        });
        c.open(*form);
        EXPECT_TRUE(timeShown);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE(form->TimeForm()->isVisible());
        EXPECT_TRUE(w("TestBtn")->isVisible()) << "the results screen";
        click(w("TestBtn"));
    }
}

// The exit confirmation is not closed by the time: after "Результат" it still waits.
TEST_F(DialogTest, TheExitConfirmationOutlastsTheTimeDialog) {
    startTest();
    bool stillAsked = false;
    whenShown(form->TestCloseForm(), [&] {
        whenShown(form->TimeForm(), [&] { click(form->TimeForm()->RezBtn); });
        runOutOfTime();
        stillAsked = form->TestCloseForm()->isVisible();
        click(form->TestCloseForm()->NoBtn);
    });
    click(w("CloseBtn"));
    EXPECT_TRUE(stillAsked);
    EXPECT_FALSE(form->TestCloseForm()->isVisible());
    EXPECT_TRUE(w("TestBtn")->isVisible());
}

} // namespace
} // namespace ui_testing
