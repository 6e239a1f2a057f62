#include "pictures.h"

#include "viewer/picture_loader.h"

#include <QFile>

namespace ui {

QPixmap windowPicture(const QString& name, QSize size) {
    // Decoded straight into the screen's pixel format; Qt's own reader would decode to RGB and
    // convert every pixel afterwards.
    QFile file(":/ui/" + name + ".jpg");
    QImage image;
    if (file.open(QIODevice::ReadOnly)) {
        image = viewer::decodePicture(file.readAll());
    }
    if (image.isNull()) {
        QPixmap sheet(size);
        sheet.fill(QColor(250, 246, 230));
        return sheet;
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace ui
