#include "recording_window.h"

#include "engine/find_control.h"

namespace testing_support {

using engine::findControl;

Picture named(const std::string& name) {
    return Picture::of<std::string>(name);
}

std::string nameOf(const Picture& picture) {
    const std::string* name = picture.as<std::string>();
    return name != nullptr ? *name : std::string();
}

RecordingButton::RecordingButton(const std::string& name)
    : pic_(named(name)), lit_(named(name + ".lit")) {}

bool RecordingViewer::loadFromFile(const std::string& fileName) {
    if (files_.count(fileName) == 0) {
        return false;
    }
    file = fileName;
    ++fileLoads;
    return true;
}

RecordingDialog::RecordingDialog(const engine::DialogInfo& info,
                                 const std::set<std::string>& files) {
    for (std::string_view name : info.images) {
        images_.emplace(std::string(name), RecordingImage{});
    }
    for (std::string_view name : info.viewers) {
        viewers_.emplace(std::string(name), RecordingViewer(files));
    }
}

engine::Image& RecordingDialog::image(std::string_view name) {
    return findControl(images_, name);
}

engine::Viewer& RecordingDialog::viewer(std::string_view name) {
    return findControl(viewers_, name);
}

void RecordingDialog::showModal() {
    open_ = true;
    std::vector<std::string> visible;
    for (const auto& [name, img] : images_) {
        if (img.visible()) {
            visible.push_back(name);
        }
    }
    shows.push_back(std::move(visible));
    if (onShow) {
        onShow();
    }
}

RecordingWindow::RecordingWindow() {
    using engine::ControlKind;
    for (const engine::ControlInfo& c : engine::mainWindowControls()) {
        switch (c.kind) {
        case ControlKind::Label: {
            RecordingLabel& l = labels_[c.name];
            l.setVisible(c.visibleAtStart);
            l.setTag(c.tag);
            break;
        }
        case ControlKind::PictureButton: {
            RecordingButton& b = buttons_.emplace(c.name, RecordingButton(c.name)).first->second;
            b.setVisible(c.visibleAtStart);
            b.setTag(c.tag);
            break;
        }
        case ControlKind::Image: {
            RecordingImage& i = images_[c.name];
            i.setVisible(c.visibleAtStart);
            i.setTag(c.tag);
            break;
        }
        case ControlKind::Viewer: {
            auto v = std::make_unique<RecordingViewer>(files);
            v->setVisible(c.visibleAtStart);
            viewers_.emplace(c.name, std::move(v));
            break;
        }
        }
    }
    for (int n = 1; n <= 30; ++n) {
        labels_[engine::numberLabelName(n)].setCaption(std::to_string(n));
    }
    for (std::string_view list : engine::kImageLists) {
        imageLists_[std::string(list)];
    }
    for (const char* prefix : {"Bad", "Gud", "Best"}) {
        auto& frames = imageLists_[std::string(prefix) + "List"].frames;
        for (int f = 0; f < 5; ++f) {
            frames.push_back(named(prefix + std::to_string(f)));
        }
    }
    for (const engine::DialogInfo& d : engine::dialogs()) {
        dialogs_.emplace(std::string(d.name), std::make_unique<RecordingDialog>(d, files));
    }
}

RecordingLabel& RecordingWindow::label(std::string_view name) {
    return findControl(labels_, name);
}
RecordingButton& RecordingWindow::button(std::string_view name) {
    return findControl(buttons_, name);
}
RecordingImage& RecordingWindow::image(std::string_view name) {
    return findControl(images_, name);
}
RecordingViewer& RecordingWindow::viewer(std::string_view name) {
    return *findControl(viewers_, name);
}
engine::ImageList& RecordingWindow::imageList(std::string_view name) {
    return findControl(imageLists_, name);
}
RecordingDialog& RecordingWindow::dialog(std::string_view name) {
    return *findControl(dialogs_, name);
}

std::set<std::string> RecordingWindow::shownControls() const {
    std::set<std::string> shown;
    auto collect = [&shown](const auto& map, auto visible) {
        for (const auto& [name, control] : map) {
            if (visible(control)) {
                shown.insert(name);
            }
        }
    };
    collect(labels_, [](const RecordingLabel& l) { return l.visible(); });
    collect(buttons_, [](const RecordingButton& b) { return b.visible(); });
    collect(images_, [](const RecordingImage& i) { return i.visible(); });
    collect(viewers_, [](const auto& v) { return v->visible(); });
    return shown;
}

} // namespace testing_support
