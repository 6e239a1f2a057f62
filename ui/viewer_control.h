#pragma once

#include "engine/controls.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace ui {

// A markup viewer widget as the engine sees it.
class ViewerControl : public engine::Viewer {
public:
    virtual QWidget* widget() const = 0;
};

// The viewers of the main window by name ("QViewer", "A1Viewer" ... "RulesViewer"), each with
// its own font, colour, margins and enabled state.
std::unique_ptr<ViewerControl> makeMainViewer(const QString& name, QWidget* parent);

// A viewer made only when it is first used: its widget, its loads and showing it.
// Until then it counts as hidden.
std::unique_ptr<ViewerControl> makeLazyViewer(std::function<std::unique_ptr<ViewerControl>()> make);

// The help dialog's file viewer "Viewr".
std::unique_ptr<ViewerControl> makeHelpViewer(QWidget* parent);

} // namespace ui
