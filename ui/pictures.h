#pragma once

#include "viewer/picture_ratio.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <future>
#include <map>

namespace ui {

// A picture stored with the windows, by its path under assets/ui without ".jpg"
// ("main/Back", "TTimeForm/RezBtn_lit"), in its rendering for a screen of the given device
// pixel ratio (the larger rendering scaled to it, keeping the size in logical pixels). A
// picture that is missing or cannot be decoded comes back as a plain pale sheet of the expected
// size, so the window still works.
QPixmap windowPicture(const QString& name, QSize size, qreal ratio = viewer::screenRatio());

// Window pictures decoded on a worker thread while the window builds its other controls. The
// thread's future waits for it on destruction, so an unused prefetch never outlives its owner.
class PicturePrefetch {
public:
    explicit PicturePrefetch(QStringList names, qreal ratio = viewer::screenRatio());

    // One of the names given, once decoded; any other name is decoded here and now.
    QPixmap picture(const QString& name, QSize size);

private:
    qreal ratio_;
    std::future<std::map<QString, QImage>> decoding_;
    std::map<QString, QImage> decoded_;
};

} // namespace ui
