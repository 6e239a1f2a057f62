#include "review.h"

namespace engine {

bank::Text reviewHtml(const bank::TRec& rec) {
    // The first letter is the Latin "A"; the others are Windows-1251 Cyrillic (0xC1 to 0xC4).
    bank::Text html = rec.Q;
    html += "<br><br>(A)" + rec.A1;
    html += "<br><br>(\xC1)" + rec.A2;
    html += "<br><br>(\xC2)" + rec.A3;
    html += "<br><br>(\xC3)" + rec.A4;
    html += "<br><br>(\xC4)" + rec.A5;
    html += "<br><br>" + rec.Com;
    return html;
}

} // namespace engine
