#include "window_pictures.h"

namespace ui {

WindowPictures::WindowPictures(QStringList firstScreen) : prefetch_(std::move(firstScreen)) {}

void WindowPictures::add(std::string control, bool onFirstScreen, Setter set) {
    if (onFirstScreen) {
        firstScreen_.push_back(std::move(set));
    } else {
        waiting_.emplace(std::move(control), std::move(set));
    }
}

void WindowPictures::setFirstScreen() {
    for (const Setter& set : firstScreen_) {
        set(prefetch_);
    }
    firstScreen_.clear();
}

void WindowPictures::need(std::string_view control) {
    if (const auto it = waiting_.find(control); it != waiting_.end()) {
        const Setter set = std::move(it->second);
        waiting_.erase(it);
        set(prefetch_);
    }
}

void WindowPictures::setAll() {
    while (!waiting_.empty()) {
        need(waiting_.begin()->first);
    }
}

} // namespace ui
