#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace companion {

// A button drawn entirely by two pictures: resting, and lit while the pointer is over it or
// it is held down.
class PictureButton : public QAbstractButton {
public:
    PictureButton(const QPixmap& resting, const QPixmap& lit, QWidget* parent);

    QSize sizeHint() const override { return resting_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap resting_;
    QPixmap lit_;
};

} // namespace companion
