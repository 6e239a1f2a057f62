#pragma once

#include "viewer/document_text.h"
#include "viewer/viewer_settings.h"

#include <QTextEdit>
#include <string>
#include <string_view>

namespace viewer {

// The common part of both viewers: a white, frameless, read-only view of one markup document
// with scroll bars only when needed. Enabled, it scrolls by wheel and keys and lets the mouse
// select text; disabled, it paints the same and takes no input.
class MarkupView : public QTextEdit {
    Q_OBJECT

public:
    explicit MarkupView(const ViewerSettings& settings, QWidget* parent = nullptr);

    const ViewerSettings& settings() const { return settings_; }

protected:
    // Replaces the document and shows it from its top-left corner; relative picture names
    // resolve against pictureFolder (empty: the working directory).
    void showMarkup(std::string_view bytes, Encoding encoding, const std::string& pictureFolder);

    void changeEvent(QEvent* event) override;

private:
    void paintDisabledLikeEnabled();

    ViewerSettings settings_;
};

} // namespace viewer
