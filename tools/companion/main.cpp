#include "info_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    companion::InfoWindow window(QApplication::applicationDirPath());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place = window.geometry();
        place.moveCenter(screen->availableGeometry().center());
        window.move(place.topLeft());
    }
    window.show();
    return QApplication::exec();
}
