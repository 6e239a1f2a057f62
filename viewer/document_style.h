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

// The character format of text outside any markup.
QTextCharFormat baseCharFormat(const ViewerSettings& settings);

// The pixel size a character format carries.
int pixelSizeOf(const QTextCharFormat& format);

// A font size scaled by a factor, kept between 1 and 400 pixels however deep sizes nest.
int scaledPixelSize(int pixels, double factor);

} // namespace viewer
