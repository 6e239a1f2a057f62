#include "pictures.h"

namespace ui {

QPixmap windowPicture(const QString& name, QSize size) {
    QPixmap pixmap(":/ui/" + name + ".jpg");
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(QColor(250, 246, 230));
    }
    return pixmap;
}

} // namespace ui
