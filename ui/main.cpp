// The trainer: one frameless window and five picture dialogs. Started with its own folder as
// the working directory, where Images/, Fonts/, Info/ and the companion program lie.
#include "ui/platform.h"
#include "ui/test_form.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8("Тест"));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::DesktopPlatform platform;
    ui::TTestForm form(platform);
    QObject::connect(&form, &ui::TTestForm::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form.show();
    return QApplication::exec();
}
