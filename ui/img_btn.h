#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

// A button that is nothing but one of three pictures: resting (Pic), hover (PicUp) and pressed
// (PicDown), chosen by where the pointer is and whether the left button is held. No caption, no
// frame. Owners keep a button lit by making its highlighted picture its resting one. Tab reaches
// it and Space or Enter presses it while it carries the keyboard's focus mark.
class TImgBtn : public QWidget {
    Q_OBJECT

public:
    explicit TImgBtn(QWidget* parent = nullptr);

    const QPixmap& Pic() const { return pic_; }
    const QPixmap& PicUp() const { return picUp_; }
    const QPixmap& PicDown() const { return picDown_; }
    // The picture shown now.
    const QPixmap& Picture() const { return picture_; }

    // Shows a copy of p at once, then keeps it as the resting picture.
    void SetPic(const QPixmap& p);
    // Keep a copy; the shown picture does not change.
    void SetPicUp(const QPixmap& p) { picUp_ = p; }
    void SetPicDown(const QPixmap& p) { picDown_ = p; }
    // The shown picture, as a layout sets it before any input.
    void setPicture(const QPixmap& p);

    bool Supported = true;
    bool NeedRight = false;
    bool NeedDown = false;

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Lit: the resting picture is the highlighted one (a chosen year, option or the summary).
    bool lit() const { return !pic_.isNull() && pic_.cacheKey() == picUp_.cacheKey(); }
    // The click without the mouse, from a key or an assistive tool.
    void click();

    bool hover() const { return hover_; }
    bool pressed() const { return pressed_; }

signals:
    // The click: a left press on the button followed by a release inside it.
    void clicked();
    // Each after the button's own handling of the event.
    void mouseEntered();
    void mouseLeft();
    void mouseDown();
    void mouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pointerEntered();
    void pointerLeft();
    void showPicture(const QPixmap& p);

    QPixmap pic_;
    QPixmap picUp_;
    QPixmap picDown_;
    QPixmap picture_;
    int tag_ = 0;
    bool hover_ = false;
    bool pressed_ = false;
    bool clickArmed_ = false;
    bool holding_ = false; // the button holds the mouse: a left press not yet released
    QPoint saved_;
};
