#include "viewer/html_viewer.h"

namespace viewer {

void THTMLViewer::LoadFromString(const bank::Text& markup) {
    showMarkup(markup, Encoding::Windows1251, {});
}

} // namespace viewer
