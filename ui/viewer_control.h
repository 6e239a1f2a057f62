#pragma once

#include "engine/controls.h"

#include <QString>
#include <QWidget>
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

// The help dialog's file viewer "Viewr".
std::unique_ptr<ViewerControl> makeHelpViewer(QWidget* parent);

} // namespace ui
