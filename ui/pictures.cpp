#include "pictures.h"

#include "viewer/picture_loader.h"

#include <QFile>

namespace ui {

namespace {

// Decoded straight into the screen's pixel format; Qt's own reader would decode to RGB and
// convert every pixel afterwards.
QImage decodeWindowPicture(const QString& name) {
    QFile file(":/ui/" + name + ".jpg");
    return file.open(QIODevice::ReadOnly) ? viewer::decodePicture(file.readAll()) : QImage();
}

QPixmap toPixmap(QImage image, QSize size) {
    if (image.isNull()) {
        QPixmap sheet(size);
        sheet.fill(QColor(250, 246, 230));
        return sheet;
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap windowPicture(const QString& name, QSize size) {
    return toPixmap(decodeWindowPicture(name), size);
}

PicturePrefetch::PicturePrefetch(QStringList names) {
    if (names.isEmpty()) {
        return;
    }
    decoding_ = std::async(std::launch::async, [names = std::move(names)] {
        std::map<QString, QImage> images;
        for (const QString& name : names) {
            images[name] = decodeWindowPicture(name);
        }
        return images;
    });
}

QPixmap PicturePrefetch::picture(const QString& name, QSize size) {
    if (decoding_.valid()) {
        decoded_ = decoding_.get();
    }
    const auto it = decoded_.find(name);
    if (it == decoded_.end()) {
        return windowPicture(name, size);
    }
    QImage image = std::move(it->second);
    decoded_.erase(it);
    return toPixmap(std::move(image), size);
}

} // namespace ui
