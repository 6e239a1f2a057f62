#include "viewer/markup_document.h"

#include "viewer/document_builder.h"
#include "viewer/markup_tree.h"

namespace viewer {

std::unique_ptr<QTextDocument> loadMarkupDocument(std::string_view bytes, Encoding encoding,
                                                  const ViewerSettings& settings,
                                                  PictureSource& pictures, int textWidth) {
    const Node tree = parseMarkup(decodeText(bytes, encoding));
    return buildDocument(tree, settings, pictures, textWidth);
}

} // namespace viewer
