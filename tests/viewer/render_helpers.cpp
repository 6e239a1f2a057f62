#include "viewer/render_helpers.h"

#include "bank/cp1251.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <stdexcept>

namespace viewer_test {

viewer::ViewerSettings optionSettings() {
    viewer::ViewerSettings settings;
    settings.fontSizePoints = 10;
    settings.marginWidth = 0;
    settings.marginHeight = 0;
    settings.enabled = false;
    return settings;
}

viewer::ViewerSettings plainSettings() {
    viewer::ViewerSettings settings;
    settings.marginWidth = 0;
    settings.marginHeight = 0;
    return settings;
}

QImage render(QWidget& widget, int width, int height) {
    widget.resize(width, height);
    widget.show();
    QCoreApplication::processEvents();
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

namespace {

template <class Wanted> QRect boxOf(const QImage& image, Wanted wanted) {
    int left = image.width();
    int top = image.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (wanted(line[x] | 0xFF000000u)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

QRect inkBox(const QImage& image) {
    return boxOf(image, [](QRgb pixel) { return pixel != 0xFFFFFFFFu; });
}

QRect colourBox(const QImage& image, QRgb colour) {
    return boxOf(image, [&](QRgb pixel) { return pixel == (colour | 0xFF000000u); });
}

int countColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            count += (line[x] | 0xFF000000u) == (colour | 0xFF000000u) ? 1 : 0;
        }
    }
    return count;
}

std::string cp1251(const std::string& utf8) {
    return bank::cp1251::literal(utf8);
}

void writeJpeg(const QString& path, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, "JPEG", 100)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

WorkingDirectory::WorkingDirectory(const QString& path) : previous_(QDir::currentPath()) {
    QDir::setCurrent(path);
}

WorkingDirectory::~WorkingDirectory() {
    QDir::setCurrent(previous_);
}

std::string optionMarkup(const std::string& optionText) {
    return "<table valign=bottom border=0 cellpadding=0 cellspacing=0 width=225 height=64>"
           "<tr><td align=center>" +
           optionText + "</td></tr></table>";
}

} // namespace viewer_test
