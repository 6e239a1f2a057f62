#pragma once

#include <QKeyEvent>
#include <QList>
#include <QWidget>

// Keyboard focus for the picture windows. Tab and Shift+Tab move the focus in each window's
// reading order and show a mark over the focused control; any mouse press hides the mark, so a
// pupil who clicks never sees one. Space and Enter act on the marked control only.
namespace ui {

// The mark is shown: the focus was last moved by Tab or Shift+Tab and no mouse press came since.
bool focusMarkShown();
// Hides the mark as a mouse press does; the next Tab starts from the first control.
void hideFocusMark();

// Space, Enter or Return without Ctrl or Alt.
bool isActivationKey(const QKeyEvent* event);

// Moves the focus of `window` to the next (or previous) control of `order` that is shown, enabled
// and takes the focus; the first Tab after a mouse press starts again at the first (or last) of
// them. A focus control hidden by a screen switch loses the focus instead: the next Tab starts
// anew.
bool moveKeyboardFocus(QWidget* window, const QList<QWidget*>& order, bool next);

// The mark over the focused control of one window: a frame two pixels wide, outside the
// control's edges, drawn above every sibling. Never takes the mouse or the focus.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    explicit FocusMark(QWidget* window);
    ~FocusMark() override;
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
