#include "widgets.h"

#include "ui/keyboard_focus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    // A name of its own keeps QLabel from announcing every new text; the interface of
    // accessibility.cpp gives the real one.
    setAccessibleName(QStringLiteral("label"));
}

void TextLabel::textShown() {
    if (announcedTexts.contains(text())) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TextLabel::keyPressEvent(QKeyEvent* event) {
    if (isActivationKey(event) && focusMarkShown()) {
        event->accept();
        emit clicked();
        return;
    }
    event->ignore();
}

void TextLabel::enterEvent(QEnterEvent*) {
    emit entered();
}

void TextLabel::leaveEvent(QEvent*) {
    emit left();
}

void TextLabel::mousePressEvent(QMouseEvent* event) {
    armed_ = event->button() == Qt::LeftButton;
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        armed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    armed_ = false;
    if (click) {
        emit clicked();
    }
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) {
        QPainter(this).drawPixmap(0, 0, picture_);
    }
}

} // namespace ui
