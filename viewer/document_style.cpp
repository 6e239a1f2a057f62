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
    // The family, size, weight, slant and underline come from the document's default font; a
    // format that repeats them only makes every piece of text resolve its font the longer way.
    // The colour is set so that a disabled viewer paints like an enabled one.
    QTextCharFormat format;
    format.setForeground(settings.fontColour);
    return format;
}

QFont defaultFont(const ViewerSettings& settings) {
    QFont font(settings.fontName);
    font.setFamilies(familiesFor(settings.fontName));
    font.setPixelSize(pixelSizeOfPoints(settings.fontSizePoints));
    return font;
}

int scaledPixelSize(int pixels, double factor) {
    constexpr double kLargest = 400;
    return static_cast<int>(std::lround(std::clamp(pixels * factor, 1.0, kLargest)));
}

int pixelSizeOf(const QTextCharFormat& format, const ViewerSettings& settings) {
    return format.hasProperty(QTextFormat::FontPixelSize)
               ? format.intProperty(QTextFormat::FontPixelSize)
               : pixelSizeOfPoints(settings.fontSizePoints);
}

} // namespace viewer
