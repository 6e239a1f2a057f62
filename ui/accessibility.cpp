#include "accessibility.h"

#include "ui/img_btn.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>
#include <QMap>
#include <QPointer>

namespace ui {
namespace {

QMap<const QWidget*, AccessibleWindow>& windows() {
    static QMap<const QWidget*, AccessibleWindow> map;
    return map;
}

QList<QWidget*> shownChildren(const QWidget* window) {
    QList<QWidget*> shown;
    const auto it = windows().constFind(window);
    if (it == windows().constEnd() || !it->exposed) {
        return shown;
    }
    for (QWidget* w : it->exposed()) {
        if (w != nullptr && !w->isHidden()) {
            shown << w;
        }
    }
    return shown;
}

class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    int childCount() const override { return static_cast<int>(shownChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = shownChildren(widget());
        if (index < 0 || index >= shown.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(shown[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(shownChildren(widget()).indexOf(child->object()));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const auto it = windows().constFind(widget());
            if (it != windows().constEnd() && it->name) {
                return it->name();
            }
        }
        return QAccessibleWidget::text(t);
    }
};

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(TImgBtn* b) : QAccessibleWidget(b, QAccessible::Button) {}

    TImgBtn* button() const { return static_cast<TImgBtn*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->property("checkable").toBool()) {
            s.checkable = true;
            s.checked = button()->lit();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && button()->isVisible()) {
            button()->click();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(TextLabel* l) : QAccessibleWidget(l, l->role) {}

    TextLabel* label() const { return static_cast<TextLabel*>(widget()); }

    QAccessible::Role role() const override { return label()->role; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return label()->accessibleText();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->chosen) {
            s.checkable = true;
            s.checked = label()->chosen();
        }
        return s;
    }
    QStringList actionNames() const override {
        return label()->role == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && label()->role == QAccessible::Button &&
            label()->isVisible()) {
            label()->click();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* button = qobject_cast<TImgBtn*>(widget)) {
        return new ButtonAccessible(button);
    }
    if (auto* label = qobject_cast<TextLabel*>(widget)) {
        return new LabelAccessible(label);
    }
    if (widget->isWindow() && windows().contains(widget)) {
        return new WindowAccessible(widget, widget->inherits("QDialog") ? QAccessible::Dialog
                                                                        : QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(factory);
    }
}

void setAccessibleWindow(QWidget* window, AccessibleWindow description) {
    installAccessibility();
    windows().insert(window, std::move(description));
    QObject::connect(window, &QObject::destroyed, [window] { windows().remove(window); });
}

} // namespace ui
