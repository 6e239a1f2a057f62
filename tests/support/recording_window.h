#pragma once

#include "engine/control_names.h"
#include "engine/controls.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Plain recording objects standing in for the widgets, so the engine runs by calls.
namespace testing_support {

using engine::Colour;
using engine::Picture;
using engine::Text;

// A picture that names itself, for readable assertions.
Picture named(const std::string& name);
// The name of a picture made by named(); "" for an empty picture.
std::string nameOf(const Picture& picture);

class RecordingLabel : public engine::Label {
public:
    Text caption() const override { return caption_; }
    void setCaption(const Text& caption) override { caption_ = caption; }
    Colour colour() const override { return colour_; }
    void setColour(Colour colour) override { colour_ = colour; }
    int tag() const override { return tag_; }
    void setTag(int tag) override { tag_ = tag; }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool underlined() const override { return underlined_; }
    void setUnderlined(bool underlined) override { underlined_ = underlined; }

private:
    Text caption_;
    Colour colour_ = Colour::WindowText;
    int tag_ = 0;
    bool visible_ = false;
    bool underlined_ = false;
};

// Resting picture "<name>", hover and pressed picture "<name>.lit", as the window's buttons.
class RecordingButton : public engine::PictureButton {
public:
    explicit RecordingButton(const std::string& name);
    Picture Pic() const override { return pic_; }
    Picture PicUp() const override { return lit_; }
    Picture PicDown() const override { return lit_; }
    void SetPic(const Picture& picture) override { pic_ = picture; }
    int tag() const override { return tag_; }
    void setTag(int tag) override { tag_ = tag; }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }

private:
    Picture pic_;
    Picture lit_;
    int tag_ = 0;
    bool visible_ = false;
};

class RecordingImage : public engine::Image {
public:
    Picture picture() const override { return picture_; }
    void setPicture(const Picture& picture) override {
        picture_ = picture;
        ++pictureWrites;
    }
    int tag() const override { return tag_; }
    void setTag(int tag) override { tag_ = tag; }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }

    int pictureWrites = 0;

private:
    Picture picture_;
    int tag_ = 0;
    bool visible_ = false;
};

// Files that "exist" for loadFromFile are those in the window's file set.
class RecordingViewer : public engine::Viewer {
public:
    explicit RecordingViewer(const std::set<std::string>& files) : files_(files) {}
    void loadFromString(const Text& markup) override {
        markup_ = markup;
        ++stringLoads;
    }
    bool loadFromFile(const std::string& fileName) override;
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }

    const Text& markup() const { return markup_; }
    std::string file; // last file shown
    int stringLoads = 0;
    int fileLoads = 0; // successful reads

private:
    const std::set<std::string>& files_;
    Text markup_;
    bool visible_ = false;
};

class RecordingWindow;

// A modal dialog: showModal marks it open, records which pictures were visible and runs the
// scripted answer, which may click its buttons (closing it) or let the clock run.
class RecordingDialog : public engine::Dialog {
public:
    RecordingDialog(const engine::DialogInfo& info, const std::set<std::string>& files);
    engine::Image& image(std::string_view name) override;
    engine::Viewer& viewer(std::string_view name) override;
    void showModal() override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }

    std::function<void()> onShow;                // the scripted answer; none leaves it open
    std::vector<std::vector<std::string>> shows; // visible pictures at each opening
    int closes = 0;

private:
    std::map<std::string, RecordingImage, std::less<>> images_;
    std::map<std::string, RecordingViewer, std::less<>> viewers_;
    bool open_ = false;
};

class RecordingTimer : public engine::Timer {
public:
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }

private:
    int interval_ = 0;
};

// The main window with every control of the catalogue in its start-up state. Asking for a
// control that is not in the catalogue throws, so a misspelt name fails the test.
class RecordingWindow : public engine::Window {
public:
    RecordingWindow();

    RecordingLabel& label(std::string_view name) override;
    RecordingButton& button(std::string_view name) override;
    RecordingImage& image(std::string_view name) override;
    RecordingViewer& viewer(std::string_view name) override;
    engine::ImageList& imageList(std::string_view name) override;
    RecordingDialog& dialog(std::string_view name) override;
    RecordingTimer& timer() override { return timer_; }

    void showErrorBox(const std::string& message) override { errorBoxes.push_back(message); }
    void minimize() override { ++minimized; }
    void hide() override { hidden = true; }
    void close() override { ++closed; }
    void startProgram(const std::string& name) override { programsStarted.push_back(name); }

    // Names of the main-window controls shown now.
    std::set<std::string> shownControls() const;

    std::set<std::string> files{std::string(engine::kRulesPage)};
    std::vector<std::string> errorBoxes;
    std::vector<std::string> programsStarted;
    int minimized = 0;
    int closed = 0;
    bool hidden = false;

private:
    std::map<std::string, RecordingLabel, std::less<>> labels_;
    std::map<std::string, RecordingButton, std::less<>> buttons_;
    std::map<std::string, RecordingImage, std::less<>> images_;
    std::map<std::string, std::unique_ptr<RecordingViewer>, std::less<>> viewers_;
    std::map<std::string, engine::ImageList, std::less<>> imageLists_;
    std::map<std::string, std::unique_ptr<RecordingDialog>, std::less<>> dialogs_;
    RecordingTimer timer_;
};

} // namespace testing_support
