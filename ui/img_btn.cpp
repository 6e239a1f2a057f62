#include "img_btn.h"

#include "ui/keyboard_focus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TImgBtn::TImgBtn(QWidget* parent) : QWidget(parent), saved_(pos()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    resize(105, 105);
}

void TImgBtn::showPicture(const QPixmap& p) {
    picture_ = p;
    update();
}

void TImgBtn::SetPic(const QPixmap& p) {
    showPicture(p);
    pic_ = p;
}

void TImgBtn::setPicture(const QPixmap& p) {
    showPicture(p);
}

void TImgBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawPixmap(0, 0, picture_);
}

void TImgBtn::pointerEntered() {
    if (!Supported) {
        return;
    }
    hover_ = true;
    showPicture(pressed_ ? picDown_ : picUp_);
    emit mouseEntered();
}

void TImgBtn::pointerLeft() {
    if (!Supported) {
        return;
    }
    hover_ = false;
    showPicture(pic_);
    emit mouseLeft();
}

void TImgBtn::enterEvent(QEnterEvent*) {
    if (!hover_) {
        pointerEntered();
    }
}

void TImgBtn::leaveEvent(QEvent*) {
    if (hover_) {
        pointerLeft();
    }
}

// While the button holds the mouse, leaving and coming back are tracked here, so they arrive
// the same way on every platform.
void TImgBtn::mouseMoveEvent(QMouseEvent* event) {
    if (!holding_) {
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && !hover_) {
        pointerEntered();
    } else if (!inside && hover_) {
        pointerLeft();
    }
}

void TImgBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    holding_ = true;
    clickArmed_ = true;
    if (!Supported) {
        return;
    }
    pressed_ = true;
    if (hover_) {
        showPicture(picDown_);
    }
    saved_ = pos();
    if (NeedDown || NeedRight) {
        move(saved_.x() + (NeedRight ? 1 : 0), saved_.y() + (NeedDown ? 1 : 0));
    }
    emit mouseDown();
}

// The second press of a double click is not a press: no pressed picture, no shift, no click.
void TImgBtn::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        holding_ = true;
    }
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    holding_ = false;
    const bool click = clickArmed_ && rect().contains(event->position().toPoint());
    clickArmed_ = false;
    if (click) {
        QPointer<TImgBtn> alive(this);
        emit clicked(); // a handler may open a modal dialog, hide or close the window
        if (!alive) {
            return;
        }
    }
    if (!Supported) {
        return;
    }
    pressed_ = false;
    if (NeedDown || NeedRight) {
        move(NeedRight ? saved_.x() : x(), NeedDown ? saved_.y() : y());
    }
    if (hover_) {
        showPicture(picUp_);
    }
    emit mouseUp();
}

void TImgBtn::click() {
    emit clicked();
}

void TImgBtn::keyPressEvent(QKeyEvent* event) {
    if (ui::isActivationKey(event) && ui::focusMarkShown()) {
        event->accept();
        click();
        return;
    }
    event->ignore();
}
