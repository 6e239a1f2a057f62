#pragma once

#include "support/fixture_bank.h"
#include "ui/platform.h"
#include "ui/test_form.h"

#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace ui_testing {

// Records what the program asks of the desktop instead of doing it.
class RecordingPlatform : public ui::Platform {
public:
    void addFont() override { ++fontsAdded; }
    void removeFont() override { ++fontsRemoved; }
    void startProgram(const QString& name) override { programs << name; }
    void showErrorBox(QWidget*, const QString& message) override { errorBoxes << message; }

    int fontsAdded = 0;
    int fontsRemoved = 0;
    QStringList programs;
    QStringList errorBoxes;
};

// Clicks a widget the way a pupil does: through its window, at its centre.
inline void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible());
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, widget->rect().center());
    QTest::mouseMove(top->windowHandle(), at);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
}

// Runs `action` once `widget` is shown: for answering a modal dialog from inside its loop.
inline void whenShown(QWidget* widget, std::function<void()> action) {
    auto* poll = new QTimer;
    poll->setInterval(2);
    QObject::connect(poll, &QTimer::timeout, [poll, widget, action] {
        if (widget->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action();
        }
    });
    poll->start();
}

// The main window as the staged program shows it: the program's folder (its pictures, font and
// rules page) is the working directory while it lives; shown, and past its first paint, so every
// control is made.
class StagedWindow {
public:
    explicit StagedWindow(const QString& stageDir);
    ~StagedWindow();

private:
    QString previousDir_;
    ui::DesktopPlatform platform_;

public:
    std::unique_ptr<ui::TTestForm> form;
};

// The main window on a fixture bank, shown, with the rules page present in a scratch folder
// that serves as the working directory.
class FormTest : public ::testing::Test {
protected:
    FormTest();
    ~FormTest() override;

    QWidget* w(const QString& name) const { return form->widget(name); }
    // Names of the main window's controls shown now.
    QStringList shown() const;
    void clickLabelWithText(const QString& prefix, const QString& text);

    testing_support::FixtureBank fixture;
    RecordingPlatform platform;
    QString previousDir;
    std::unique_ptr<ui::TTestForm> form;
};

} // namespace ui_testing
