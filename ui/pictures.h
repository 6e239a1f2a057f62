#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// A picture stored with the windows, by its path under assets/ui without ".jpg"
// ("main/Back", "TTimeForm/RezBtn_lit"). A picture that is missing or cannot be decoded comes
// back as a plain pale sheet of the expected size, so the window still works.
QPixmap windowPicture(const QString& name, QSize size);

} // namespace ui
