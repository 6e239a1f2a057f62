#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace companion {

class PictureButton;

// The companion's only window: what the trainer holds and where its parts come from, with a
// button that starts the trainer from `programFolder` and closes the window.
class InfoWindow : public QWidget {
public:
    explicit InfoWindow(QString programFolder, QWidget* parent = nullptr);

    PictureButton* startButton() const { return startButton_; }
    PictureButton* closeButton() const { return closeButton_; }
    QTextBrowser* text() const { return text_; }

    // The trainer's executable in the program folder.
    QString trainerPath() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startTrainer();

    QString programFolder_;
    QPixmap back_;
    QTextBrowser* text_;
    PictureButton* startButton_;
    PictureButton* closeButton_;
};

} // namespace companion
