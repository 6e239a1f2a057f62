// Starts either the trainer's main window or a bare 800 x 600 window (the floor), and prints,
// when the window has first been painted, the monotonic clock in nanoseconds and the peak
// resident memory in kilobytes. startup.py runs it and compares the two.
#include "ui/platform.h"
#include "ui/test_form.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", now.tv_sec * 1000000000LL + now.tv_nsec, usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const bool floor = argc > 1 && std::string_view(argv[1]) == "--floor";
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    ui::DesktopPlatform platform;
    std::unique_ptr<QWidget> window;
    if (floor) {
        window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window->setFixedSize(800, 600);
    } else {
        window = std::make_unique<ui::TTestForm>(platform);
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}
