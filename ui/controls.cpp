#include "controls.h"

#include "bank/cp1251.h"
#include "engine/scoring.h"

namespace ui {

engine::Picture toPicture(const QPixmap& pixmap) {
    return engine::Picture::of<QPixmap>(pixmap);
}

QPixmap toPixmap(const engine::Picture& picture) {
    const QPixmap* pixmap = picture.as<QPixmap>();
    return pixmap != nullptr ? *pixmap : QPixmap();
}

QString optionLetterText(int k) {
    return QString::fromStdString(bank::cp1251::toUtf8(engine::optionLetter(k)));
}

QColor toColor(engine::Colour colour) {
    switch (colour) {
    case engine::Colour::Maroon:
        return {128, 0, 0};
    case engine::Colour::Red:
        return {255, 0, 0};
    case engine::Colour::Green:
        return {0, 128, 0};
    case engine::Colour::WindowText:
        break;
    }
    return {0, 0, 0};
}

// A label set to what it shows already is left alone: a screen switch sets dozens of them.
void LabelControl::setCaption(const engine::Text& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    label_->setText(QString::fromStdString(bank::cp1251::toUtf8(caption)));
    label_->adjustSize();
    label_->textShown();
}

void LabelControl::setColour(engine::Colour colour) {
    if (colour == colour_ && label_->testAttribute(Qt::WA_SetPalette)) {
        return;
    }
    colour_ = colour;
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, toColor(colour));
    label_->setPalette(palette);
}

void LabelControl::setUnderlined(bool underlined) {
    QFont font = label_->font();
    font.setUnderline(underlined);
    label_->setFont(font);
    label_->adjustSize();
}

void ImageControl::setPicture(const engine::Picture& picture) {
    box_->setPicture(toPixmap(picture));
    box_->repaint();
}

void TimerControl::setInterval(int milliseconds) {
    if (milliseconds <= 0) {
        timer_->stop();
    } else {
        timer_->start(milliseconds);
    }
}

} // namespace ui
