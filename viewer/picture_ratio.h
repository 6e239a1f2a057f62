#pragma once

#include <QImage>
#include <QString>
#include <functional>

namespace viewer {

// Every picture of the system is also drawn at twice its size for high-density screens, in a
// file beside it: "Images/a.jpg" has "Images/a@2x.jpg".
QString twiceSizePath(const QString& path);

// The picture to draw on a screen of device pixel ratio `ratio`, read by `read` (a null image
// when the file is missing or broken). At a ratio of 1 or less it is the file at `path`, and
// the larger rendering is never read. Above 1 it is the rendering at twice the size when
// there is one: as it is from a ratio of 2 up, scaled down to the ratio between 1 and 2, with
// its device pixel ratio set so that it keeps the picture's size in logical pixels. Without a
// readable larger rendering it is the file at `path`.
QImage readForRatio(const QString& path, qreal ratio,
                    const std::function<QImage(const QString&)>& read);

// The device pixel ratio the windows' pictures are made for: the highest of the screens' (1
// before the application exists).
qreal screenRatio();

// The size a picture takes in logical pixels.
QSize logicalSize(const QImage& image);

} // namespace viewer
