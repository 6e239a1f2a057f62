#pragma once

#include <QString>

class QWidget;

namespace ui {

// What the program asks of the desktop: its phonetic font, the companion program and the
// application's error box. Tests put a recording one in its place.
class Platform {
public:
    virtual ~Platform() = default;
    // Adds the phonetic font beside the executable; a missing or broken file is not reported.
    virtual void addFont() = 0;
    virtual void removeFont() = 0;
    // Starts a program by its bare name: the working directory first, then the search path.
    // A program that cannot be started is not reported.
    virtual void startProgram(const QString& name) = 0;
    // The application's error box: stop icon, the application's title.
    virtual void showErrorBox(QWidget* owner, const QString& message) = 0;
};

class DesktopPlatform : public Platform {
public:
    // fontPath: the phonetic font file, by default "Fonts/SILDoulosIPA.ttf" beside the program.
    explicit DesktopPlatform(QString fontPath = {}) : fontPath_(std::move(fontPath)) {}
    void addFont() override;
    void removeFont() override;
    void startProgram(const QString& name) override;
    void showErrorBox(QWidget* owner, const QString& message) override;

private:
    QString fontPath_;
    int fontId_ = -1;
};

// "Fonts/SILDoulosIPA.ttf" in the folder of the executable.
QString phoneticFontPath();

} // namespace ui
