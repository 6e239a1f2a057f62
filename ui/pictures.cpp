#include "pictures.h"

#include "viewer/picture_loader.h"

#include <QFile>

namespace ui {

namespace {

// Decoded straight into the screen's pixel format; Qt's own reader would decode to RGB and
// convert every pixel afterwards.
QImage decodeWindowPicture(const QString& name, qreal ratio) {
    return viewer::readForRatio(":/ui/" + name + ".jpg", ratio, [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? viewer::decodePicture(file.readAll()) : QImage();
    });
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

QPixmap windowPicture(const QString& name, QSize size, qreal ratio) {
    return toPixmap(decodeWindowPicture(name, ratio), size);
}

PicturePrefetch::PicturePrefetch(QStringList names, qreal ratio) : ratio_(ratio) {
    if (names.isEmpty()) {
        return;
    }
    decoding_ = std::async(std::launch::async, [names = std::move(names), ratio] {
        std::map<QString, QImage> images;
        for (const QString& name : names) {
            images[name] = decodeWindowPicture(name, ratio);
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
        return windowPicture(name, size, ratio_);
    }
    QImage image = std::move(it->second);
    decoded_.erase(it);
    return toPixmap(std::move(image), size);
}

} // namespace ui
