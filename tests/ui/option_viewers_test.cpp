#include "engine/control_names.h"
#include "form_harness.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QScrollBar>

#ifdef TRAINER_STAGE_DIR

namespace ui_testing {
namespace {

// Which scroll bars an option viewer shows now, as "" or "horizontal", "vertical", "both".
std::string scrollBarsShown(QWidget* widget) {
    auto* view = qobject_cast<QAbstractScrollArea*>(widget);
    if (view == nullptr) {
        return "not a viewer";
    }
    const bool h = view->horizontalScrollBar()->isVisibleTo(view);
    const bool v = view->verticalScrollBar()->isVisibleTo(view);
    return h && v ? "both" : h ? "horizontal" : v ? "vertical" : "";
}

// Every option of the bank fits its 225 x 64 box, so no option viewer may show a scroll bar:
// not on a test's first question, loaded while the viewers are still hidden, and not on any
// question after it.
TEST(OptionViewers, NoOptionOfTheBankShowsAScrollBar) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(TRAINER_STAGE_DIR);
    {
        ui::DesktopPlatform platform(QString(TRAINER_STAGE_DIR) + "/Fonts/SILDoulosIPA.ttf");
        ui::TTestForm form(platform);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents(); // the first paint: the rest of the window is made
        engine::TestEngine& engine = form.engine();
        auto& state = engine.state();
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
                for (int k = 1; k <= 5; ++k) {
                    QWidget* viewer =
                        form.widget(QString::fromStdString(engine::optionViewerName(k)));
                    ASSERT_TRUE(viewer->isVisible());
                    EXPECT_EQ(scrollBarsShown(viewer), "")
                        << name << ", question " << pos << ", option " << k;
                    ++options;
                }
            }
            engine.ShowRez();
            engine.TestBtnClick();
        }
        EXPECT_EQ(options, 888 * 5);
        static_cast<QWidget&>(form).close();
    }
    QDir::setCurrent(previous);
}

} // namespace
} // namespace ui_testing

#endif
