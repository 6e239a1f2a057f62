#pragma once

#include "engine/controls.h"
#include "ui/img_btn.h"
#include "ui/widgets.h"

#include <QPixmap>
#include <QTimer>

// The engine's control interfaces over Qt widgets.
namespace ui {

engine::Picture toPicture(const QPixmap& pixmap);
QPixmap toPixmap(const engine::Picture& picture);
QColor toColor(engine::Colour colour);
// The letter of option k, 1 to 5 ("А" ... "Д"), as the engine names it.
QString optionLetterText(int k);

class LabelControl : public engine::Label {
public:
    explicit LabelControl(TextLabel* label) : label_(label) {}
    engine::Text caption() const override { return caption_; }
    void setCaption(const engine::Text& caption) override;
    engine::Colour colour() const override { return colour_; }
    void setColour(engine::Colour colour) override;
    int tag() const override { return tag_; }
    void setTag(int tag) override { tag_ = tag; }
    bool visible() const override { return !label_->isHidden(); }
    void setVisible(bool visible) override { label_->setVisible(visible); }
    bool underlined() const override { return label_->font().underline(); }
    void setUnderlined(bool underlined) override;
    TextLabel* widget() const { return label_; }

private:
    TextLabel* label_;
    engine::Text caption_;
    engine::Colour colour_ = engine::Colour::WindowText;
    int tag_ = 0;
};

class ButtonControl : public engine::PictureButton {
public:
    explicit ButtonControl(TImgBtn* button) : button_(button) {}
    engine::Picture Pic() const override { return toPicture(button_->Pic()); }
    engine::Picture PicUp() const override { return toPicture(button_->PicUp()); }
    engine::Picture PicDown() const override { return toPicture(button_->PicDown()); }
    void SetPic(const engine::Picture& picture) override { button_->SetPic(toPixmap(picture)); }
    int tag() const override { return button_->tag(); }
    void setTag(int tag) override { button_->setTag(tag); }
    bool visible() const override { return !button_->isHidden(); }
    void setVisible(bool visible) override { button_->setVisible(visible); }
    TImgBtn* widget() const { return button_; }

private:
    TImgBtn* button_;
};

class ImageControl : public engine::Image {
public:
    explicit ImageControl(PictureBox* box) : box_(box) {}
    engine::Picture picture() const override { return toPicture(box_->picture()); }
    void setPicture(const engine::Picture& picture) override;
    int tag() const override { return tag_; }
    void setTag(int tag) override { tag_ = tag; }
    bool visible() const override { return !box_->isHidden(); }
    void setVisible(bool visible) override { box_->setVisible(visible); }
    PictureBox* widget() const { return box_; }

private:
    PictureBox* box_;
    int tag_ = 0;
};

// Interval 0 stops the timer.
class TimerControl : public engine::Timer {
public:
    explicit TimerControl(QTimer* timer) : timer_(timer) {}
    int interval() const override { return timer_->isActive() ? timer_->interval() : 0; }
    void setInterval(int milliseconds) override;

private:
    QTimer* timer_;
};

} // namespace ui
