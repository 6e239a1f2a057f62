#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace ui {

// A transparent text label that reports clicks and the pointer coming and going.
class TextLabel : public QLabel {
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent);

signals:
    void clicked();
    void entered();
    void left();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool armed_ = false;
};

// A picture drawn unscaled at its top-left corner.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent);
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace ui
