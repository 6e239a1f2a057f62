#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace ui {

QString phoneticFontPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("Fonts/SILDoulosIPA.ttf");
}

void DesktopPlatform::addFont() {
    fontId_ =
        QFontDatabase::addApplicationFont(fontPath_.isEmpty() ? phoneticFontPath() : fontPath_);
}

void DesktopPlatform::removeFont() {
    if (fontId_ >= 0) {
        QFontDatabase::removeApplicationFont(fontId_);
        fontId_ = -1;
    }
}

void DesktopPlatform::startProgram(const QString& name) {
    const QFileInfo local(QDir::current().filePath(name));
    const QString program = local.isFile() && local.isExecutable()
                                ? local.absoluteFilePath()
                                : QStandardPaths::findExecutable(name);
    if (!program.isEmpty()) {
        QProcess::startDetached(program, {}, QDir::currentPath());
    }
}

void DesktopPlatform::showErrorBox(QWidget* owner, const QString& message) {
    QMessageBox::critical(owner, QCoreApplication::applicationName(), message);
}

} // namespace ui
