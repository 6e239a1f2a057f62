#pragma once

#include "bank/text.h"
#include "engine/picture.h"

#include <string>
#include <string_view>
#include <vector>

// What the engine needs of the window: small interfaces that the window layer implements with
// widgets and the tests with recording objects. Controls are found by their composed names.
namespace engine {

using bank::Text;

// The window system's named colours the engine uses.
enum class Colour { WindowText, Maroon, Red, Green };

class Label {
public:
    virtual ~Label() = default;
    virtual Text caption() const = 0;
    virtual void setCaption(const Text& caption) = 0;
    virtual Colour colour() const = 0;
    virtual void setColour(Colour colour) = 0;
    virtual int tag() const = 0;
    virtual void setTag(int tag) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    // Hover look: bold and underlined while the pointer is over the label, bold otherwise.
    virtual bool underlined() const = 0;
    virtual void setUnderlined(bool underlined) = 0;
};

// A picture button: resting, hover and pressed pictures.
class PictureButton {
public:
    virtual ~PictureButton() = default;
    virtual Picture Pic() const = 0;
    virtual Picture PicUp() const = 0;
    virtual Picture PicDown() const = 0;
    // Replaces the resting picture and shows it at once.
    virtual void SetPic(const Picture& picture) = 0;
    virtual int tag() const = 0;
    virtual void setTag(int tag) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

// A plain picture control; the hidden holders BtnBuf and ABtnBuf are of this kind too.
class Image {
public:
    virtual ~Image() = default;
    virtual Picture picture() const = 0;
    virtual void setPicture(const Picture& picture) = 0;
    virtual int tag() const = 0;
    virtual void setTag(int tag) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

// A markup viewer.
class Viewer {
public:
    virtual ~Viewer() = default;
    // Replaces the document by the markup; never fails.
    virtual void loadFromString(const Text& markup) = 0;
    // Reads the file afresh and shows it; false, with the document unchanged, when no file of
    // that name exists.
    virtual bool loadFromFile(const std::string& fileName) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

// The main window's timer; interval 0 stops it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
};

// An image list of animation frames.
struct ImageList {
    std::vector<Picture> frames;
};

// A dialog window, shown modally: showModal returns once the dialog has closed. The main
// window's timer keeps ticking meanwhile.
class Dialog {
public:
    virtual ~Dialog() = default;
    virtual Image& image(std::string_view name) = 0;
    virtual Viewer& viewer(std::string_view name) = 0;
    virtual void showModal() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
};

class Window {
public:
    virtual ~Window() = default;
    virtual Label& label(std::string_view name) = 0;
    virtual PictureButton& button(std::string_view name) = 0;
    virtual Image& image(std::string_view name) = 0;
    virtual Viewer& viewer(std::string_view name) = 0;
    virtual ImageList& imageList(std::string_view name) = 0;
    virtual Dialog& dialog(std::string_view name) = 0;
    virtual Timer& timer() = 0;

    // The application's error box (stop icon, application title), shown modally.
    virtual void showErrorBox(const std::string& message) = 0;
    virtual void minimize() = 0;
    virtual void hide() = 0;
    // Closes the main window, which ends the program.
    virtual void close() = 0;
    // Starts a program by its bare name; a failure is not reported.
    virtual void startProgram(const std::string& name) = 0;
};

} // namespace engine
