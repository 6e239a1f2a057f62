#include "layout.h"

#include <QHash>

namespace ui {
namespace {

QHash<QString, QRect> buildGeometry() {
    QHash<QString, QRect> g{
        {"Back", {0, 0, 800, 600}},
        {"MenuBack", {22, 215, 165, 326}},
        {"SetkaBack", {20, 225, 172, 277}},
        {"SetkaRez", {20, 255, 173, 251}},
        {"PimImg1", {0, 0, 205, 220}},
        {"StartBtn", {216, 541, 164, 35}},
        {"InfoBtn", {415, 541, 164, 35}},
        {"ExitBtn", {614, 542, 164, 35}},
        {"MinBtn", {639, 17, 45, 45}},
        {"HelpBtn", {687, 16, 45, 45}},
        {"CloseBtn", {735, 16, 45, 45}},
        {"BtnBuf", {184, 208, 17, 17}},
        {"PimImg2", {0, 0, 205, 220}},
        {"QABack", {201, 59, 590, 476}},
        {"EnterBtn", {216, 541, 164, 35}},
        {"LaterBtn", {415, 541, 164, 35}},
        {"EndTestBtn", {614, 542, 164, 35}},
        {"TimeLab", {68, 240, 0, 0}},
        {"A1Btn", {213, 298, 31, 31}},
        {"A2Btn", {213, 385, 31, 31}},
        {"A3Btn", {504, 298, 31, 31}},
        {"A4Btn", {504, 385, 31, 31}},
        {"A5Btn", {363, 472, 31, 31}},
        {"ABtnBuf", {760, 464, 25, 25}},
        {"PimImg", {0, 0, 205, 220}},
        {"RezBtn", {27, 264, 158, 25}},
        {"TestBtn", {216, 541, 164, 35}},
        {"ViewerBack", {200, 58, 586, 474}},
        {"Btn0", {26, 218, 158, 25}},
        {"Btn2000", {26, 246, 158, 25}},
        {"Btn2001", {26, 273, 158, 25}},
        {"Btn2002", {25, 301, 158, 25}},
        {"Btn2003", {26, 329, 158, 25}},
        {"Btn2004", {26, 357, 158, 25}},
        {"Btn2005", {26, 385, 158, 25}},
        {"Btn2006", {26, 413, 158, 25}},
        {"RulesViewer", {216, 103, 551, 387}},
        {"QViewer", {245, 80, 497, 169}},
        {"A1Viewer", {261, 281, 225, 64}},
        {"A3Viewer", {552, 282, 225, 64}},
        {"A2Viewer", {260, 369, 225, 64}},
        {"A4Viewer", {552, 372, 225, 64}},
        {"A5Viewer", {412, 457, 225, 64}},
        {"RezViewer", {217, 102, 550, 386}},
    };
    const int classTops[] = {444, 461, 478, 495, 512};
    for (int n = 1; n <= 10; ++n) {
        g.insert(QString("ClassLab%1").arg(n), {n <= 5 ? 32 : 112, classTops[(n - 1) % 5], 0, 0});
    }
    const int numberLefts[3][10] = {{30, 47, 63, 79, 95, 110, 127, 144, 158, 171},
                                    {27, 43, 59, 75, 92, 107, 123, 139, 155, 171},
                                    {27, 43, 59, 75, 91, 107, 123, 139, 155, 171}};
    const int letterLefts[3][10] = {{31, 47, 63, 79, 95, 111, 127, 142, 158, 174},
                                    {31, 47, 63, 79, 95, 111, 127, 142, 158, 174},
                                    {30, 46, 62, 78, 94, 110, 126, 141, 157, 173}};
    const int numberTops[] = {312, 380, 448};
    const int letterTops[] = {341, 408, 477};
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < 10; ++i) {
            const int n = row * 10 + i + 1;
            g.insert(QString("Q%1Lab").arg(n), {numberLefts[row][i], numberTops[row], 0, 0});
            g.insert(QString("A%1Lab").arg(n), {letterLefts[row][i], letterTops[row], 0, 0});
        }
    }
    return g;
}

} // namespace

QRect controlGeometry(const QString& name) {
    static const QHash<QString, QRect> geometry = buildGeometry();
    return geometry.value(name);
}

} // namespace ui
