#include "viewer/document_style.h"

#include <QFont>
#include <algorithm>
#include <cmath>

namespace viewer {

int pixelSizeOfPoints(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QStringList familiesFor(const QString& family) {
    QStringList families{family};
    const QString key = family.toLower();
    if (key == QLatin1String("arial")) {
        families << QStringLiteral("Liberation Sans");
    } else if (key == QLatin1String("courier new")) {
        families << QStringLiteral("Liberation Mono");
    } else if (key == QLatin1String("times new roman")) {
        families << QStringLiteral("Liberation Serif");
    }
    return families;
}

QTextCharFormat baseCharFormat(const ViewerSettings& settings) {
    QTextCharFormat format;
    format.setFontFamilies(familiesFor(settings.fontName));
    format.setProperty(QTextFormat::FontPixelSize, pixelSizeOfPoints(settings.fontSizePoints));
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setForeground(settings.fontColour);
    return format;
}

int scaledPixelSize(int pixels, double factor) {
    constexpr double kLargest = 400;
    return static_cast<int>(std::lround(std::clamp(pixels * factor, 1.0, kLargest)));
}

int pixelSizeOf(const QTextCharFormat& format) {
    return format.property(QTextFormat::FontPixelSize).toInt();
}

} // namespace viewer
