#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

// What a screen reader sees of the picture windows: every picture button a button named by what
// it shows, the labels with their state, the viewers' text, and each window holding only the
// controls it shows now.
namespace ui {

// Installs the interfaces once per program.
void installAccessibility();

// A window whose accessible children are the controls `exposed` lists that are shown now, in
// that order; its name comes from `name` (a dialog is named by its message).
struct AccessibleWindow {
    std::function<QList<QWidget*>()> exposed;
    std::function<QString()> name;
};

// Set by the window on itself; read by its accessible interface.
void setAccessibleWindow(QWidget* window, AccessibleWindow description);

} // namespace ui
