#pragma once

#include <QRect>
#include <QString>

// Where each control of the main window lies: left, top, width, height in client pixels.
// Labels have no size of their own (they fit their caption): only left and top count.
namespace ui {

inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;

// The geometry of a main-window control by name; an empty rect for a name it does not know.
QRect controlGeometry(const QString& name);

} // namespace ui
