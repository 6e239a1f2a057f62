#pragma once

#include "engine/control_names.h"
#include "engine/controls.h"
#include "engine/test_engine.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/keyboard_focus.h"
#include "ui/viewer_control.h"
#include "ui/window_pictures.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace ui {

class Platform;

// The main window: 800 x 600, frameless, built from pictures; its controls are the engine's
// through engine::Window, and its clicks and ticks go to the engine's handlers.
class TTestForm : public QWidget, private engine::Window {
    Q_OBJECT

public:
    TTestForm(Platform& platform, const bank::Bank& bank = bank::compiledBank());
    ~TTestForm() override;

    engine::TestEngine& engine() { return engine_; }
    engine::Window& controls() { return *this; }

    // The widgets, by control name, for tests and tools.
    QWidget* widget(const QString& name);
    TYesNoForm* TestCloseForm() { return createDialogs(), testCloseForm_; }
    TTestErrorForm* TestErrorForm() { return createDialogs(), testErrorForm_; }
    TYesNoForm* EndTestForm() { return createDialogs(), endTestForm_; }
    TTimeForm* TimeForm() { return createDialogs(), timeForm_; }
    THelpForm* HelpForm() { return createDialogs(), helpForm_; }
    QTimer& Timer() { return timer_; }

    // Decodes every picture not yet needed and creates the viewers and the dialogs. The window
    // starts with only what its first screen shows and calls this once that screen has been
    // painted; everything else is also made on first use.
    void finishLoading();

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // engine::Window
    engine::Label& label(std::string_view name) override;
    engine::PictureButton& button(std::string_view name) override;
    engine::Image& image(std::string_view name) override;
    engine::Viewer& viewer(std::string_view name) override;
    engine::ImageList& imageList(std::string_view name) override;
    engine::Dialog& dialog(std::string_view name) override;
    engine::Timer& timer() override { return timerControl_; }
    void showErrorBox(const std::string& message) override;
    void minimize() override;
    void hide() override;
    void close() override;
    void startProgram(const std::string& name) override;

    void createControls();
    QWidget* makeImage(const engine::ControlInfo& info, QRect geometry);
    QWidget* makeButton(const engine::ControlInfo& info, QRect geometry);
    QWidget* makeLabel(const engine::ControlInfo& info, QRect geometry);
    void makeViewer(const engine::ControlInfo& info, QRect geometry);
    void createDialogs();
    void wireHandlers();
    void describeControls();
    // The controls shown now that Tab reaches and a reader lists, in reading order.
    QList<QWidget*> readingOrder();
    // Clicks a picture button through its own click signal, if it is shown.
    bool press(const char* name);

    Platform& platform_;
    QTimer timer_;
    TimerControl timerControl_{&timer_};
    std::map<std::string, LabelControl, std::less<>> labels_;
    std::map<std::string, ButtonControl, std::less<>> buttons_;
    std::map<std::string, ImageControl, std::less<>> images_;
    std::map<std::string, std::unique_ptr<ViewerControl>, std::less<>> viewers_;
    std::map<std::string, engine::ImageList, std::less<>> imageLists_;
    std::map<std::string, std::unique_ptr<DialogControl>, std::less<>> dialogs_;
    std::map<QString, QWidget*> widgets_;
    WindowPictures pictures_;
    bool finishScheduled_ = false;
    TYesNoForm* testCloseForm_ = nullptr;
    TTestErrorForm* testErrorForm_ = nullptr;
    TYesNoForm* endTestForm_ = nullptr;
    TTimeForm* timeForm_ = nullptr;
    THelpForm* helpForm_ = nullptr;
    std::unique_ptr<ViewerControl> helpViewer_;
    FocusMark* focusMark_ = nullptr;
    engine::TestEngine engine_;
    bool closed_ = false;
};

} // namespace ui
