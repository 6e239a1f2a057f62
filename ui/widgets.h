#pragma once

#include <QAccessible>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace ui {

// A transparent text label that reports clicks and the pointer coming and going. A clickable
// one is reached by Tab and clicked by Space or Enter while it carries the focus mark.
class TextLabel : public QLabel {
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent);

    // What a screen reader hears: role, name (its text unless told otherwise) and whether it
    // is the chosen one.
    QAccessible::Role role = QAccessible::StaticText;
    std::function<QString()> spokenName;
    std::function<bool()> chosen;
    QString accessibleText() const { return spokenName ? spokenName() : text(); }

    // Texts on which the label announces its new name (the clock's few moments).
    QStringList announcedTexts;
    // Called after its text is set.
    void textShown();

    void click() { emit clicked(); }

signals:
    void clicked();
    void entered();
    void left();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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
