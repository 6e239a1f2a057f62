#include "viewer/picture_loader.h"

#include "viewer/picture_name.h"
#include "viewer/picture_ratio.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <turbojpeg.h>

namespace viewer {

namespace {

constexpr qint64 kMaxPixels = 40'000'000;
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

bool looksLikeJpeg(const QByteArray& bytes) {
    return bytes.size() > 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8;
}

QImage decodeJpeg(const QByteArray& bytes) {
    tjhandle handle = tjInitDecompress();
    if (handle == nullptr) {
        return {};
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourSpace = 0;
    QImage image;
    if (tjDecompressHeader3(handle, data, size, &width, &height, &subsampling, &colourSpace) == 0 &&
        width > 0 && height > 0 && qint64(width) * height <= kMaxPixels) {
        image = QImage(width, height, QImage::Format_RGB32);
        // A warning (say, data cut short) still leaves a picture; only errors count.
        if (!image.isNull() &&
            tjDecompress2(handle, data, size, image.bits(), width,
                          static_cast<int>(image.bytesPerLine()), height, TJPF_BGRX, 0) != 0 &&
            tjGetErrorCode(handle) != TJERR_WARNING) {
            image = QImage();
        }
    }
    tjDestroy(handle);
    return image;
}

QImage makeErrorMarker() {
    QImage marker(16, 16, QImage::Format_RGB32);
    marker.fill(QColor(255, 255, 0));
    QPainter painter(&marker);
    painter.fillRect(7, 2, 2, 8, Qt::black);  // the stroke of "!"
    painter.fillRect(7, 12, 2, 2, Qt::black); // its dot
    return marker;
}

} // namespace

const QImage& errorMarker() {
    static const QImage marker = makeErrorMarker();
    return marker;
}

QImage decodePicture(const QByteArray& bytes) {
    if (looksLikeJpeg(bytes)) {
        QImage image = decodeJpeg(bytes);
        if (!image.isNull()) {
            return image;
        }
        // libjpeg-turbo gives no RGB for a few colour spaces (CMYK); Qt's reader converts them.
    }
    QImage image = QImage::fromData(bytes);
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxPixels) {
        return {};
    }
    return image;
}

QImage FilePictures::picture(std::string_view src) {
    const auto name = resolvePictureName(src, baseFolder_);
    if (!name) {
        return errorMarker();
    }
    const QString path = QString::fromStdString(toLocalPath(*name));
    if (path.isEmpty()) {
        return errorMarker();
    }
    const QImage image = readForRatio(path, ratio_, [](const QString& file) {
        const QFileInfo info(file);
        QFile reader(file);
        if (!info.isFile() || info.size() > kMaxFileBytes || !reader.open(QIODevice::ReadOnly)) {
            return QImage();
        }
        return decodePicture(reader.readAll());
    });
    return image.isNull() ? errorMarker() : image;
}

} // namespace viewer
