#pragma once

#include "ui/pictures.h"

#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The pictures of the main window's controls, put in place in two steps. Those of the first
// screen are decoded on a worker thread while the window makes its controls and are set once
// every control exists; the others wait until their control is first asked for, or until the
// first screen has been painted.
class WindowPictures {
public:
    using Setter = std::function<void(PicturePrefetch&)>;

    // The first screen's pictures, by name under assets/ui without ".jpg".
    explicit WindowPictures(QStringList firstScreen);

    // How a control gets its pictures, and whether the first screen shows it.
    void add(std::string control, bool onFirstScreen, Setter set);

    // Gives the first screen's controls their pictures.
    void setFirstScreen();

    // Gives a control its pictures now if it is still waiting for them.
    void need(std::string_view control);

    // Gives every waiting control its pictures.
    void setAll();

private:
    PicturePrefetch prefetch_;
    std::vector<Setter> firstScreen_;
    std::map<std::string, Setter, std::less<>> waiting_;
};

} // namespace ui
