#pragma once

#include "viewer/document_text.h"
#include "viewer/picture_loader.h"
#include "viewer/viewer_settings.h"

#include <QTextDocument>
#include <memory>
#include <string_view>

namespace viewer {

// The whole load: decodes the bytes, reads the markup and builds the document for a viewer
// of the given settings, shown textWidth pixels wide. Never fails on malformed markup.
std::unique_ptr<QTextDocument> loadMarkupDocument(std::string_view bytes, Encoding encoding,
                                                  const ViewerSettings& settings,
                                                  PictureSource& pictures, int textWidth);

} // namespace viewer
