#pragma once

#include "bank/text.h"
#include "viewer/markup_view.h"

namespace viewer {

// Shows markup handed over as Windows-1251 text; pictures resolve against the working
// directory.
class THTMLViewer : public MarkupView {
    Q_OBJECT

public:
    explicit THTMLViewer(const ViewerSettings& settings, QWidget* parent = nullptr)
        : MarkupView(settings, parent) {}

    // Replaces the document by the markup and shows it from the top; never fails.
    void LoadFromString(const bank::Text& markup);
};

} // namespace viewer
