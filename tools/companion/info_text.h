#pragma once

#include <QString>

namespace companion {

// The window's text: the years and classes, how the question bank and the participants'
// figures were made, and the fonts' licences.
QString infoHtml();

} // namespace companion
