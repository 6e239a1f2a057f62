#include "picture_button.h"

#include <QPainter>

namespace companion {

PictureButton::PictureButton(const QPixmap& resting, const QPixmap& lit, QWidget* parent)
    : QAbstractButton(parent), resting_(resting), lit_(lit) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(resting_.deviceIndependentSize().toSize());
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool lit = underMouse() || isDown();
    painter.drawPixmap(0, 0, lit ? lit_ : resting_);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}

} // namespace companion
