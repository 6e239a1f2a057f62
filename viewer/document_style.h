#pragma once

#include "viewer/viewer_settings.h"

#include <QStringList>
#include <QTextCharFormat>

namespace viewer {

// Font sizes are fixed in pixels at 96 dots per inch, so a layout drawn in pixels looks the
// same whatever the screen reports.
int pixelSizeOfPoints(int points);

// A family followed by its metric twin on systems that lack it ("Arial": Liberation Sans).
QStringList familiesFor(const QString& family);

// The document's default font: the viewer's family with its stand-ins, at the viewer's size,
// upright, normal weight, not underlined.
QFont defaultFont(const ViewerSettings& settings);

// The character format of text outside any markup, over the default font.
QTextCharFormat baseCharFormat(const ViewerSettings& settings);

// The pixel size of text in a character format: its own, or else the viewer's.
int pixelSizeOf(const QTextCharFormat& format, const ViewerSettings& settings);

// A font size scaled by a factor, kept between 1 and 400 pixels however deep sizes nest.
int scaledPixelSize(int pixels, double factor);

} // namespace viewer
