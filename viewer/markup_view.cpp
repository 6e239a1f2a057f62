#include "viewer/markup_view.h"

#include "viewer/markup_document.h"

#include <QEvent>
#include <QPointer>
#include <QScrollBar>

namespace viewer {

MarkupView::MarkupView(const ViewerSettings& settings, QWidget* parent)
    : QTextEdit(parent), settings_(settings) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFrameShape(QFrame::NoFrame);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    paintDisabledLikeEnabled();
    setEnabled(settings.enabled);
    showMarkup({}, Encoding::Windows1251, {});
}

void MarkupView::showMarkup(std::string_view bytes, Encoding encoding,
                            const std::string& pictureFolder) {
    // The scroll bars are decided afresh with the whole client area. A bar left by the previous
    // document, or by a viewer whose size is still waiting to be applied (made hidden, not yet
    // shown), would take the room the new document needs and keep itself up.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FilePictures pictures(pictureFolder, devicePixelRatioF());
    const int width = viewport()->width();
    QTextDocument* document =
        loadMarkupDocument(bytes, encoding, settings_, pictures, width).release();
    document->setParent(this);
    // The text control deletes a document of its own when it is replaced; ours are deleted here.
    const QPointer<QTextDocument> previous = this->document();
    setDocument(document);
    if (previous != nullptr && previous->parent() == this) {
        delete previous.data();
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void MarkupView::changeEvent(QEvent* event) {
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        // A new style or palette brings a greyed disabled group back.
        const QPalette current = palette();
        bool differs = false;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            differs = differs ||
                      current.brush(QPalette::Disabled, r) != current.brush(QPalette::Active, r);
        }
        if (differs) {
            paintDisabledLikeEnabled();
        }
    }
}

// The document sets its own colours; the white page and the scroll bars come from the
// palette, whose disabled group is made the same as the active one.
void MarkupView::paintDisabledLikeEnabled() {
    QPalette look = palette();
    look.setColor(QPalette::Base, Qt::white);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        look.setBrush(QPalette::Disabled, r, look.brush(QPalette::Active, r));
        look.setBrush(QPalette::Inactive, r, look.brush(QPalette::Active, r));
    }
    setPalette(look);
}

} // namespace viewer
