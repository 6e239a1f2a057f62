#include "engine/control_names.h"
#include "form_harness.h"

#include <QScrollBar>
#include <QTextEdit>

#ifdef TRAINER_STAGE_DIR

namespace ui_testing {
namespace {

// Which scroll bars a viewer shows now ("", "horizontal", "vertical" or "both") and the size of
// the document it lays out, as "horizontal at 500 x 265".
std::string scrollBarsShown(QWidget* widget) {
    auto* view = qobject_cast<QTextEdit*>(widget);
    if (view == nullptr) {
        return "not a viewer";
    }
    const bool h = view->horizontalScrollBar()->isVisibleTo(view);
    const bool v = view->verticalScrollBar()->isVisibleTo(view);
    if (!h && !v) {
        return "";
    }
    const QSizeF size = view->document()->size();
    return std::string(h && v ? "both"
                       : h    ? "horizontal"
                              : "vertical") +
           " at " + std::to_string(qCeil(size.width())) + " x " +
           std::to_string(qCeil(size.height()));
}

// Every question of the bank, pictures included, shows whole in the 497 x 169 question viewer,
// and every option in its 225 x 64 box: no viewer may show a scroll bar, not on a test's first
// question, loaded while the viewers are still hidden, and not on any question after it.
TEST(BankViewers, NoQuestionOrOptionOfTheBankNeedsAScrollBar) {
    StagedWindow staged(TRAINER_STAGE_DIR);
    ui::TTestForm& form = *staged.form;
    engine::TestEngine& engine = form.engine();
    auto& state = engine.state();
    int questions = 0;
    int options = 0;
    for (const bank::QuestionSet& set : bank::compiledBank().sets) {
        const std::string name = std::to_string(set.year) + " " + std::string(set.group);
        state.SelectedYear = set.year;
        state.SelectedClass = std::stoi(std::string(set.group));
        engine.StartBtnClick();
        ASSERT_EQ(state.QuestionCount, static_cast<int>(set.records.size())) << name;
        for (int pos = 1; pos <= state.QuestionCount; ++pos) {
            if (pos > 1) {
                state.CurrentPos = pos;
                engine.FillTest();
            }
            QWidget* question = form.widget("QViewer");
            ASSERT_TRUE(question->isVisible());
            EXPECT_EQ(scrollBarsShown(question), "") << name << ", question " << pos;
            ++questions;
            for (int k = 1; k <= 5; ++k) {
                QWidget* viewer = form.widget(QString::fromStdString(engine::optionViewerName(k)));
                ASSERT_TRUE(viewer->isVisible());
                EXPECT_EQ(scrollBarsShown(viewer), "")
                    << name << ", question " << pos << ", option " << k;
                ++options;
            }
        }
        engine.ShowRez();
        engine.TestBtnClick();
    }
    EXPECT_EQ(questions, 888);
    EXPECT_EQ(options, 888 * 5);
}

} // namespace
} // namespace ui_testing

#endif
