#pragma once

#include "viewer/markup_view.h"

#include <stdexcept>
#include <string>

namespace viewer {

// A page file that cannot be found or read; what() names it as it was passed.
class PageFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Shows a markup file named by a path; pictures resolve against the file's folder.
class TFrameViewer : public MarkupView {
    Q_OBJECT

public:
    explicit TFrameViewer(const ViewerSettings& settings, QWidget* parent = nullptr)
        : MarkupView(settings, parent) {}

    // Reads the file afresh and shows it from the top. The part of the name before any "#"
    // names the file, relative to the working directory; a page is Windows-1251 unless it
    // declares UTF-8. Throws PageFileError ("Can't locate file: " + name) when there is no
    // such file, leaving the document shown as it was.
    void LoadFromFile(const std::string& fileName);
};

} // namespace viewer
