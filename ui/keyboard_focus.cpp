#include "keyboard_focus.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <vector>

namespace ui {
namespace {

class FocusTracker : public QObject {
public:
    FocusTracker() : QObject(qApp) {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this] { refreshAll(); });
    }

    bool shown = false;
    std::vector<FocusMark*> marks;

    void setShown(bool value) {
        if (shown != value) {
            shown = value;
            refreshAll();
        }
    }

    void refreshAll() {
        for (FocusMark* mark : marks) {
            mark->refresh();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (shown && (event->type() == QEvent::MouseButtonPress ||
                      event->type() == QEvent::MouseButtonDblClick)) {
            setShown(false);
        }
        return QObject::eventFilter(watched, event);
    }
};

FocusTracker* tracker() {
    static QPointer<FocusTracker> instance;
    if (instance == nullptr && qApp != nullptr) {
        instance = new FocusTracker;
    }
    return instance;
}

} // namespace

bool focusMarkShown() {
    const FocusTracker* t = tracker();
    return t != nullptr && t->shown;
}

void hideFocusMark() {
    if (FocusTracker* t = tracker()) {
        t->setShown(false);
    }
}

bool isActivationKey(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    const int key = event->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool moveKeyboardFocus(QWidget* window, const QList<QWidget*>& order, bool next) {
    FocusTracker* t = tracker();
    QWidget* current = window->focusWidget();
    if (current != nullptr && current->isHidden()) {
        current->clearFocus();
        return true;
    }
    QList<QWidget*> reachable;
    for (QWidget* w : order) {
        if (w != nullptr && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            reachable << w;
        }
    }
    if (reachable.isEmpty()) {
        return true;
    }
    const qsizetype at = t != nullptr && t->shown ? reachable.indexOf(current) : -1;
    const qsizetype n = reachable.size();
    qsizetype to = 0;
    if (at < 0) {
        to = next ? 0 : n - 1;
    } else {
        to = next ? (at + 1) % n : (at + n - 1) % n;
    }
    if (t != nullptr) {
        t->shown = true;
    }
    reachable[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (t != nullptr) {
        t->refreshAll();
    }
    return true;
}

FocusMark::FocusMark(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    if (FocusTracker* t = tracker()) {
        t->marks.push_back(this);
    }
}

FocusMark::~FocusMark() {
    if (FocusTracker* t = tracker()) {
        std::erase(t->marks, this);
    }
}

void FocusMark::refresh() {
    QWidget* window = parentWidget();
    QWidget* target = window->focusWidget();
    if (!focusMarkShown() || target == nullptr || target == window || target->isHidden() ||
        target->parentWidget() != window) {
        hide();
        return;
    }
    setGeometry(target->geometry().adjusted(-3, -3, 3, 3));
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(0, 60, 220), 2));
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}

} // namespace ui
