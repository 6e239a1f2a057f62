#pragma once

#include "viewer/viewer_settings.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <string>

namespace viewer_test {

// Settings of the option boxes: 10 points, black, no margins, disabled.
viewer::ViewerSettings optionSettings();
// Settings of a viewer with margins of 0 that takes input, for measuring.
viewer::ViewerSettings plainSettings();

// Shows the widget at the size given and returns what it paints.
QImage render(QWidget& widget, int width, int height);

// The box around every pixel that is not white; empty when there is none.
QRect inkBox(const QImage& image);
// The box around the pixels of exactly this colour.
QRect colourBox(const QImage& image, QRgb colour);
int countColour(const QImage& image, QRgb colour);

// Windows-1251 bytes of UTF-8 text.
std::string cp1251(const std::string& utf8);

// Writes a solid-colour JPEG.
void writeJpeg(const QString& path, int width, int height, QColor colour);
void writeFile(const QString& path, const std::string& bytes);

// Switches the working directory for the life of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& path);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    QString previous_;
};

// The markup the option viewers get around an option text.
std::string optionMarkup(const std::string& optionText);

} // namespace viewer_test
