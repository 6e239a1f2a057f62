#pragma once

#include "viewer/markup_tree.h"
#include "viewer/viewer_settings.h"

#include <QTextCharFormat>
#include <QTextTableFormat>

// How an element's tag and attributes change the formats of what it holds.
namespace viewer {

// The format inside an inline element (b, i, u, font ...), given the format around it.
QTextCharFormat inlineFormat(const Node& node, QTextCharFormat format,
                             const ViewerSettings& settings);

// A table's lines, spacing, padding, width, alignment and background; a border needs a value
// above 0, and without bordercolor its lines are 3-D. Spacing and padding default to 2 and 1.
QTextTableFormat tableFormat(const Node& node);

} // namespace viewer
