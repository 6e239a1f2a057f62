#pragma once

#include <QColor>
#include <QString>

namespace viewer {

// What a viewer instance is set up with; the window layer fills one per viewer.
struct ViewerSettings {
    QString fontName = QStringLiteral("Arial");          // text outside any font markup
    QString preFontName = QStringLiteral("Courier New"); // preformatted text
    int fontSizePoints = 10;
    QColor fontColour = QColor(0, 0, 0);
    int marginWidth = 10; // blank pixels left and right of the document
    int marginHeight = 0; // blank pixels above and below it
    bool enabled = true;  // a disabled viewer paints the same but takes no input
};

} // namespace viewer
