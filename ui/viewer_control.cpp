#include "viewer_control.h"

#include "ui/controls.h"
#include "viewer/frame_viewer.h"
#include "viewer/html_viewer.h"

namespace ui {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kButtonText(0, 0, 0);

viewer::ViewerSettings settings(int points, QColor colour, int marginWidth, bool enabled) {
    viewer::ViewerSettings s;
    s.fontSizePoints = points;
    s.fontColour = colour;
    s.marginWidth = marginWidth;
    s.marginHeight = 0;
    s.enabled = enabled;
    return s;
}

// The name a reader gives the viewer: fixed, or a prefix followed by the text it shows.
class StringViewerControl : public ViewerControl {
public:
    StringViewerControl(const viewer::ViewerSettings& s, QWidget* parent, const QString& name,
                        bool nameWithText = false)
        : viewer_(new viewer::THTMLViewer(s, parent)), name_(name), nameWithText_(nameWithText) {
        viewer_->setAccessibleName(name);
    }
    void loadFromString(const engine::Text& markup) override {
        viewer_->LoadFromString(markup);
        if (nameWithText_) {
            viewer_->setAccessibleName(name_ + viewer_->toPlainText().simplified());
        }
    }
    bool loadFromFile(const std::string&) override { return false; }
    bool visible() const override { return !viewer_->isHidden(); }
    void setVisible(bool visible) override { viewer_->setVisible(visible); }
    QWidget* widget() const override { return viewer_; }

private:
    viewer::THTMLViewer* viewer_;
    QString name_;
    bool nameWithText_;
};

class FileViewerControl : public ViewerControl {
public:
    FileViewerControl(const viewer::ViewerSettings& s, QWidget* parent, const QString& name)
        : viewer_(new viewer::TFrameViewer(s, parent)) {
        viewer_->setAccessibleName(name);
    }
    void loadFromString(const engine::Text&) override {}
    bool loadFromFile(const std::string& fileName) override {
        try {
            viewer_->LoadFromFile(fileName);
            return true;
        } catch (const viewer::PageFileError&) {
            return false;
        }
    }
    bool visible() const override { return !viewer_->isHidden(); }
    void setVisible(bool visible) override { viewer_->setVisible(visible); }
    QWidget* widget() const override { return viewer_; }

private:
    viewer::TFrameViewer* viewer_;
};

class LazyViewerControl : public ViewerControl {
public:
    explicit LazyViewerControl(std::function<std::unique_ptr<ViewerControl>()> make)
        : make_(std::move(make)) {}
    void loadFromString(const engine::Text& markup) override { made().loadFromString(markup); }
    bool loadFromFile(const std::string& fileName) override {
        return made().loadFromFile(fileName);
    }
    bool visible() const override { return viewer_ != nullptr && viewer_->visible(); }
    void setVisible(bool visible) override {
        if (visible || viewer_ != nullptr) {
            made().setVisible(visible);
        }
    }
    QWidget* widget() const override { return made().widget(); }

private:
    ViewerControl& made() const {
        if (viewer_ == nullptr) {
            viewer_ = make_();
        }
        return *viewer_;
    }

    std::function<std::unique_ptr<ViewerControl>()> make_;
    mutable std::unique_ptr<ViewerControl> viewer_;
};

} // namespace

std::unique_ptr<ViewerControl>
makeLazyViewer(std::function<std::unique_ptr<ViewerControl>()> make) {
    return std::make_unique<LazyViewerControl>(std::move(make));
}

std::unique_ptr<ViewerControl> makeMainViewer(const QString& name, QWidget* parent) {
    if (name == "RulesViewer") {
        return std::make_unique<FileViewerControl>(settings(11, kNavy, 10, true), parent,
                                                   QStringLiteral("Правила"));
    }
    if (name == "RezViewer") {
        return std::make_unique<StringViewerControl>(settings(11, kNavy, 10, true), parent,
                                                     QStringLiteral("Результат"));
    }
    if (name == "QViewer") {
        return std::make_unique<StringViewerControl>(settings(10, kButtonText, 5, true), parent,
                                                     QStringLiteral("Вопрос"));
    }
    // The option viewers show their text but take no input: options are chosen by letter.
    return std::make_unique<StringViewerControl>(
        settings(10, kButtonText, 0, false), parent,
        "Ответ " + optionLetterText(name.mid(1, 1).toInt()) + ": ", true);
}

std::unique_ptr<ViewerControl> makeHelpViewer(QWidget* parent) {
    return std::make_unique<FileViewerControl>(settings(10, kButtonText, 5, true), parent,
                                               QStringLiteral("Правила"));
}

} // namespace ui
