#include "dialogs.h"

#include "engine/find_control.h"
#include "ui/accessibility.h"
#include "ui/pictures.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>

namespace ui {

using engine::findControl;

PictureDialog::PictureDialog(const QString& className, QSize size, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), className_(className) {
    installAccessibility();
    setModal(true);
    setFixedSize(size);
    auto* back = new PictureBox(this);
    back->setGeometry(QRect(QPoint(0, 0), size));
    back->setPicture(windowPicture(className + "/Back", size));
    focusMark_ = new FocusMark(this);
    setAccessibleWindow(this, {[this] { return controls(); }, [this] { return message(); }});
}

QList<QWidget*> PictureDialog::controls() const {
    QList<QWidget*> list;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<TImgBtn*>(child) != nullptr ||
            qobject_cast<QAbstractScrollArea*>(child) != nullptr) {
            list << child;
        }
    }
    return list;
}

void PictureDialog::setKeys(TImgBtn* enter, TImgBtn* escape) {
    default_ = enter;
    escape_ = escape;
}

bool PictureDialog::focusNextPrevChild(bool next) {
    return moveKeyboardFocus(this, controls(), next);
}

void PictureDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Esc and Enter never reach QDialog: it would reject, or look for a push button.
    event->accept();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    TImgBtn* button = !plain ? nullptr : enter ? default_ : escape_;
    if (button != nullptr && button->isVisible()) {
        button->click();
    }
}

void PictureDialog::openModal() {
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    closeRequested_ = false;
    exec();
    // Dialogs asked to close while this one was open over them close now.
    if (QWidget* owner = parentWidget()) {
        for (auto* below : owner->findChildren<PictureDialog*>(Qt::FindDirectChildrenOnly)) {
            below->finishRequestedClose();
        }
    }
}

void PictureDialog::requestClose() {
    if (!isVisible()) {
        return;
    }
    closeRequested_ = true;
    QTimer::singleShot(0, this, &PictureDialog::finishRequestedClose);
}

void PictureDialog::finishRequestedClose() {
    if (closeRequested_ && QApplication::activeModalWidget() == this) {
        closeRequested_ = false;
        done(QDialog::Rejected);
    }
}

TImgBtn* PictureDialog::addButton(const QString& name, QRect geometry) {
    auto* button = new TImgBtn(this);
    button->setGeometry(geometry);
    const QPixmap lit = windowPicture(className_ + "/" + name + "_lit", geometry.size());
    button->SetPicUp(lit);
    button->SetPicDown(lit);
    button->SetPic(windowPicture(className_ + "/" + name, geometry.size()));
    return button;
}

PictureBox* PictureDialog::addPicture(const QString& name, QRect geometry, bool visible) {
    auto* box = new PictureBox(this);
    box->setGeometry(geometry);
    box->setPicture(windowPicture(className_ + "/" + name, geometry.size()));
    box->setVisible(visible);
    return box;
}

engine::Image& DialogControl::image(std::string_view name) {
    return findControl(images_, name);
}

engine::Viewer& DialogControl::viewer(std::string_view name) {
    return *findControl(viewers_, name);
}

void DialogControl::close() {
    dialog_->requestClose();
}

void DialogControl::addImage(std::string_view name, PictureBox* box) {
    images_.emplace(std::string(name), ImageControl(box));
}

void DialogControl::addViewer(std::string_view name, engine::Viewer* viewer) {
    viewers_.emplace(std::string(name), viewer);
}

TYesNoForm::TYesNoForm(const QString& className, const QString& message, QWidget* owner)
    : PictureDialog(className, {250, 400}, owner), message_(message) {
    YesBtn = addButton("YesBtn", {16, 335, 101, 41});
    NoBtn = addButton("NoBtn", {133, 335, 101, 41});
    YesBtn->setAccessibleName(QStringLiteral("Да"));
    NoBtn->setAccessibleName(QStringLiteral("Нет"));
    setKeys(YesBtn, NoBtn);
}

TTestErrorForm::TTestErrorForm(QWidget* owner)
    : PictureDialog("TTestErrorForm", {250, 400}, owner) {
    OKBtn = addButton("OKBtn", {44, 335, 165, 41});
    OKBtn->setAccessibleName(QStringLiteral("OK"));
    setKeys(OKBtn, OKBtn);
    YearImg = addPicture("YearImg", {66, 32, 116, 50}, false);
    ClassImg = addPicture("ClassImg", {69, 34, 114, 44}, false);
    AnswerImg = addPicture("AnswerImg", {69, 32, 116, 47}, false);
    pim_ = new PictureBox(this);
    pim_->setObjectName("PimImg");
    pim_->setGeometry(31, 100, 200, 220);
    for (int f = 0; f < 3; ++f) {
        frames_.push_back(windowPicture(QString("TTestErrorForm/PimList_%1").arg(f), {200, 220}));
    }
    // The animation runs from creation on, shown or not.
    connect(&timer_, &QTimer::timeout, this, &TTestErrorForm::TimerTimer);
    timer_.start(75);
}

QString TTestErrorForm::message() const {
    if (!YearImg->isHidden()) {
        return QStringLiteral("Выберите год");
    }
    if (!ClassImg->isHidden()) {
        return QStringLiteral("Выберите класс");
    }
    return AnswerImg->isHidden() ? QString() : QStringLiteral("Выберите ответ");
}

void TTestErrorForm::TimerTimer() {
    const int frame = animBackward_ ? 2 - animStep_ : animStep_;
    pim_->setPicture(frames_[static_cast<std::size_t>(frame)]);
    if (isVisible()) {
        pim_->repaint();
    }
    if (animStep_ == 2) {
        animStep_ = 0;
        animBackward_ = !animBackward_;
    } else {
        ++animStep_;
    }
}

TTimeForm::TTimeForm(QWidget* owner) : PictureDialog("TTimeForm", {250, 400}, owner) {
    RezBtn = addButton("RezBtn", {44, 335, 165, 41});
    RezBtn->setAccessibleName(QStringLiteral("Результат"));
    // Результат is the only way out: Esc does nothing.
    setKeys(RezBtn, nullptr);
    Time = addPicture("Time", {59, 30, 127, 49}, false);
    AllQ = addPicture("AllQ", {32, 36, 184, 46}, false);
}

QString TTimeForm::message() const {
    if (!Time->isHidden()) {
        return QStringLiteral("Время вышло");
    }
    return AllQ->isHidden() ? QString() : QStringLiteral("Вы ответили на все вопросы");
}

THelpForm::THelpForm(QWidget* owner) : PictureDialog("THelpForm", {500, 500}, owner) {
    CloseBtn = addButton("CloseBtn", {442, 13, 45, 45});
    CloseBtn->setAccessibleName(QStringLiteral("Закрыть правила"));
    setKeys(CloseBtn, CloseBtn);
    host_ = this;
}

} // namespace ui
