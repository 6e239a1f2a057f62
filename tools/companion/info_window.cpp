#include "info_window.h"

#include "info_text.h"
#include "picture_button.h"
#include "viewer/picture_ratio.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QTextBrowser>
#include <utility>

namespace companion {

namespace {

// The places of the controls, matching the pictures drawn for this window.
constexpr QSize windowSize{600, 440};
constexpr QRect textArea{206, 72, 368, 290};
constexpr QPoint startButtonAt{336, 388};
constexpr QPoint closeButtonAt{545, 10};

// A picture of the window in its rendering for the screen's device pixel ratio.
QPixmap art(const char* name) {
    return QPixmap::fromImage(viewer::readForRatio(
        QStringLiteral(":/art/") + QLatin1String(name) + QStringLiteral(".jpg"),
        viewer::screenRatio(), [](const QString& path) { return QImage(path); }));
}

} // namespace

InfoWindow::InfoWindow(QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      programFolder_(std::move(programFolder)), back_(art("Back")), text_(new QTextBrowser(this)),
      startButton_(new PictureButton(art("StartBtn"), art("StartBtn_lit"), this)),
      closeButton_(new PictureButton(art("CloseBtn"), art("CloseBtn_lit"), this)) {
    setWindowTitle(QStringLiteral("О тренажёре"));
    setFixedSize(windowSize);

    text_->setGeometry(textArea);
    text_->setFrameShape(QFrame::NoFrame);
    text_->setOpenLinks(false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    text_->setFont(font);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0, 0, 128));
    text_->setPalette(palette);
    text_->setHtml(infoHtml());

    startButton_->move(startButtonAt);
    closeButton_->move(closeButtonAt);
    connect(startButton_, &QAbstractButton::clicked, this, [this] { startTrainer(); });
    connect(closeButton_, &QAbstractButton::clicked, this, &QWidget::close);
}

QString InfoWindow::trainerPath() const {
    return QDir(programFolder_).filePath(QStringLiteral("trainer"));
}

void InfoWindow::startTrainer() {
    // A trainer that cannot be started is not reported: the window closes all the same.
    QProcess::startDetached(trainerPath(), {}, programFolder_);
    close();
}

void InfoWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (back_.isNull()) {
        painter.fillRect(rect(), QColor(255, 252, 239));
        return;
    }
    painter.drawPixmap(0, 0, back_);
}

void InfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace companion
