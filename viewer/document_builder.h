#pragma once

#include "viewer/markup_tree.h"
#include "viewer/picture_loader.h"
#include "viewer/viewer_settings.h"

#include <QTextDocument>
#include <memory>

namespace viewer {

// Turns a markup tree into a Qt text document in the viewer's look. textWidth is the width the
// document will be shown at; it is needed to give tables their fixed heights.
std::unique_ptr<QTextDocument> buildDocument(const Node& root, const ViewerSettings& settings,
                                             PictureSource& pictures, int textWidth);

} // namespace viewer
