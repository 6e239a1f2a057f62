// Starts either the trainer's main window or a bare 800 x 600 window (the floor), and prints,
// when the window has first been painted, the monotonic clock in nanoseconds and the peak
// resident memory in kilobytes. startup.py runs it and compares the two.
#include "ui/platform.h"
#include "ui/test_form.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>
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

long long nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

} // namespace

int main(int argc, char** argv) {
    const long long started = nowNs();
    const std::string_view mode = argc > 1 ? argv[1] : "";
    const bool floor = mode == "--floor" || mode == "--floor-text";
    QApplication app(argc, argv);
    const long long appReady = nowNs();
    FirstPaint firstPaint;
    ui::DesktopPlatform platform;
    std::unique_ptr<QWidget> window;
    if (floor) {
        window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window->setFixedSize(800, 600);
        if (mode == "--floor-text") {
            // The same bare window with one line of text: what the font system costs.
            auto* line = new QLabel(QString::fromUtf8("Тест по русскому языку"), window.get());
            line->move(20, 20);
        }
    } else {
        window = std::make_unique<ui::TTestForm>(platform);
    }
    // Phases on the error stream, in milliseconds: the application object, the window.
    std::fprintf(stderr, "app %.2f window %.2f\n", static_cast<double>(appReady - started) / 1e6,
                 static_cast<double>(nowNs() - appReady) / 1e6);
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}
