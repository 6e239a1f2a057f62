// Time from a synthesized click to the end of the repaint it causes, in the trainer's real
// window, for the clicks a pupil makes most. Run it on the platform to be measured, from the
// staged folder (bench/clicks/run.sh starts an X server for it):
//   cd build/stage && QT_QPA_PLATFORM=xcb ../bench/clicks/click_latency [REPEATS]
#include "engine/control_names.h"
#include "ui/platform.h"
#include "ui/test_form.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when a window has finished repainting (its posted update request handled).
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        const bool update = event->type() == QEvent::UpdateRequest && receiver->isWidgetType() &&
                            static_cast<QWidget*>(receiver)->isWindow();
        const bool result = QApplication::notify(receiver, event);
        if (update) {
            lastRepaintEnd = Clock::now();
        }
        return result;
    }
    Clock::time_point lastRepaintEnd;
};

TimedApplication* app() {
    return static_cast<TimedApplication*>(QCoreApplication::instance());
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// Clicks the widget and returns the milliseconds until the repaint that follows has ended.
double timedClick(QWidget* widget) {
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, widget->rect().center());
    QTest::mouseMove(top->windowHandle(), at);
    settle(); // the hover picture is painted before the clock starts
    const Clock::time_point start = Clock::now();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
    while (app()->lastRepaintEnd < start) {
        QCoreApplication::processEvents();
    }
    return std::chrono::duration<double, std::milli>(app()->lastRepaintEnd - start).count();
}

struct Figures {
    const char* name;
    std::vector<double> ms;
};

void print(Figures& f) {
    std::sort(f.ms.begin(), f.ms.end());
    const double median = f.ms[f.ms.size() / 2];
    const double p90 = f.ms[f.ms.size() * 9 / 10];
    std::printf("%-28s median %6.2f ms  90%% %6.2f ms  max %6.2f ms  (%zu clicks)\n", f.name,
                median, p90, f.ms.back(), f.ms.size());
}

} // namespace

int main(int argc, char** argv) {
    TimedApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;
    ui::DesktopPlatform platform;
    ui::TTestForm form(platform);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    settle();
    engine::TestEngine& engine = form.engine();
    auto w = [&form](const std::string& name) { return form.widget(QString::fromStdString(name)); };
    auto choose = [&](int year, int schoolClass) {
        engine.BtnClick(form.controls().button(year == 0 ? "Btn0" : engine::yearButtonName(year)));
        for (int n = 1; n <= 10; ++n) {
            engine::Label& label = form.controls().label(engine::classLabelName(n));
            if (label.visible() && label.tag() == schoolClass) {
                engine.ClassLabClick(label);
            }
        }
        settle();
    };
    auto toMenu = [&] {
        if (w("EnterBtn")->isVisible()) {
            engine.ShowRez();
        }
        if (w("TestBtn")->isVisible()) {
            engine.TestBtnClick();
        }
        settle();
    };
    auto startTest = [&] {
        toMenu();
        choose(2004, 8);
        engine.StartBtnClick();
        settle();
    };
    auto unanswered = [&] {
        for (int n = 1; n <= engine.state().QuestionCount; ++n) {
            if (!engine.state().Base.isAnswered(n) && n != engine.state().CurrentPos) {
                return n;
            }
        }
        return 0;
    };

    std::vector<Figures> all;
    auto measure = [&](const char* name, const std::function<QWidget*()>& prepare) {
        Figures figures{name, {}};
        for (int i = 0; i <= repeats; ++i) {
            QWidget* target = prepare();
            const double ms = timedClick(target);
            if (i > 0) { // the first click of each kind warms the caches
                figures.ms.push_back(ms);
            }
        }
        all.push_back(figures);
    };

    measure("start a contest-year test", [&] {
        toMenu();
        choose(2004, 8);
        return w("StartBtn");
    });
    measure("start a random test", [&] {
        toMenu();
        choose(0, 8);
        return w("StartBtn");
    });
    startTest();
    measure("choose an option",
            [&] { return w(engine::optionButtonName(1 + static_cast<int>(all.size()) % 5)); });
    int k = 0;
    measure("answer", [&] {
        if (unanswered() == 0) {
            startTest();
        }
        engine.ABtnClick(form.controls().button(engine::optionButtonName(1 + k++ % 5)));
        settle();
        return w("EnterBtn");
    });
    measure("postpone", [&] {
        if (unanswered() == 0) {
            startTest();
        }
        return w("LaterBtn");
    });
    measure("jump to a question", [&] {
        if (unanswered() == 0) {
            startTest();
        }
        return w(engine::numberLabelName(unanswered()));
    });

    // "Да" in the end-test question, clicked inside the dialog's modal loop.
    Figures endEarly{"end early with \"Да\"", {}};
    for (int i = 0; i <= repeats; ++i) {
        startTest();
        QTimer::singleShot(0, [&] {
            if (!QTest::qWaitForWindowExposed(form.EndTestForm())) {
                std::abort();
            }
            settle();
            const double ms = timedClick(form.EndTestForm()->YesBtn);
            if (i > 0) {
                endEarly.ms.push_back(ms);
            }
        });
        engine.EndTestBtnClick();
    }
    all.push_back(endEarly);

    int reviewed = 0;
    measure("review a question", [&] {
        if (!w("TestBtn")->isVisible()) {
            startTest();
            engine.ShowRez();
            settle();
        }
        return w(engine::numberLabelName(1 + reviewed++ % 30));
    });
    measure("return to the menu", [&] {
        if (!w("TestBtn")->isVisible()) {
            startTest();
            engine.ShowRez();
            settle();
        }
        return w("TestBtn");
    });

    // The floor of a screen switch: repainting the whole window, with nothing else to do.
    Figures floor{"(floor) repaint whole window", {}};
    for (int i = 0; i <= repeats; ++i) {
        settle();
        const Clock::time_point start = Clock::now();
        form.update();
        while (app()->lastRepaintEnd < start) {
            QCoreApplication::processEvents();
        }
        if (i > 0) {
            floor.ms.push_back(
                std::chrono::duration<double, std::milli>(app()->lastRepaintEnd - start).count());
        }
    }
    all.push_back(floor);

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    for (Figures& f : all) {
        print(f);
    }
    static_cast<QWidget&>(form).close();
    return 0;
}
