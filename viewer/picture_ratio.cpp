#include "viewer/picture_ratio.h"

#include <QGuiApplication>
#include <algorithm>

namespace viewer {

QString twiceSizePath(const QString& path) {
    const qsizetype dot = path.lastIndexOf('.');
    const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    if (dot <= slash + 1) {
        return path + "@2x";
    }
    return path.left(dot) + "@2x" + path.mid(dot);
}

QImage readForRatio(const QString& path, qreal ratio,
                    const std::function<QImage(const QString&)>& read) {
    if (ratio > 1.0) {
        QImage twice = read(twiceSizePath(path));
        if (!twice.isNull()) {
            if (ratio >= 2.0) {
                twice.setDevicePixelRatio(2.0);
                return twice;
            }
            const QSize logical = (QSizeF(twice.size()) / 2.0).toSize();
            const QSize pixels(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
            QImage scaled = twice.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaled.setDevicePixelRatio(ratio);
            return scaled;
        }
    }
    return read(path);
}

qreal screenRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

QSize logicalSize(const QImage& image) {
    return image.deviceIndependentSize().toSize();
}

} // namespace viewer
