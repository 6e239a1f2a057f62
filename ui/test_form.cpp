#include "test_form.h"

#include "engine/control_names.h"
#include "engine/find_control.h"
#include "ui/accessibility.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/platform.h"
#include "ui/viewer_control.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMap>
#include <QScreen>

namespace ui {

using engine::findControl;

namespace {

// Pictures that carry a drawing of their own; the holders and the animation frame start empty.
bool hasOwnPicture(const QString& name) {
    return name != "BtnBuf" && name != "ABtnBuf" && name != "PimImg";
}

QFont labelFont(const QString& name) {
    QFont font;
    if (name.startsWith("ClassLab")) {
        font.setFamily("MS Sans Serif");
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(11);
    } else {
        font.setFamily("Arial");
        font.setPixelSize(name == "TimeLab" ? 32 : 13);
    }
    font.setBold(true);
    return font;
}

// The first screen's picture names: its pictures, and its buttons' resting and lit pictures.
QStringList firstScreenPictures() {
    QStringList names;
    for (const engine::ControlInfo& info : engine::mainWindowControls()) {
        const QString name = "main/" + QString::fromStdString(info.name);
        if (info.visibleAtStart && info.kind == engine::ControlKind::Image &&
            hasOwnPicture(QString::fromStdString(info.name))) {
            names << name;
        } else if (info.visibleAtStart && info.kind == engine::ControlKind::PictureButton) {
            names << name << name + "_lit";
        }
    }
    return names;
}

// What each picture button shows, as a reader names it.
QString buttonName(const QString& name) {
    static const QMap<QString, QString> names = {
        {"Btn0", "случайно"},
        {"StartBtn", "Начать тест"},
        {"InfoBtn", "Информация"},
        {"ExitBtn", "Выход"},
        {"MinBtn", "Свернуть окно"},
        {"HelpBtn", "Правила"},
        {"CloseBtn", "Закрыть программу"},
        {"EnterBtn", "Ответить"},
        {"LaterBtn", "Отложить"},
        {"EndTestBtn", "Закончить тест"},
        {"RezBtn", "Результат"},
        {"TestBtn", "Выбрать тест"},
    };
    if (name.startsWith("Btn") && name != "Btn0") {
        return name.mid(3) + " год";
    }
    if (name.startsWith("A") && name.endsWith("Btn")) {
        return "Выбор ответа " + optionLetterText(name.mid(1, name.size() - 4).toInt());
    }
    return names.value(name);
}

// The test screen's keys for the options: А-Д as typed (or as Qt names the keys) and 1-5.
int optionKey(const QKeyEvent* event) {
    const QString typed = event->text().toUpper();
    for (int k = 1; k <= 5; ++k) {
        if (typed == optionLetterText(k)) {
            return k;
        }
    }
    const int key = event->key();
    if (key >= 0x0410 && key <= 0x0414) {
        return key - 0x0410 + 1;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        return key - Qt::Key_1 + 1;
    }
    return 0;
}

// "О" (for "Отложить") or 0 postpones.
bool isPostponeKey(const QKeyEvent* event) {
    const QString typed = event->text().toUpper();
    return typed == QStringLiteral("О") || event->key() == 0x041E || event->key() == Qt::Key_0;
}

} // namespace

TTestForm::TTestForm(Platform& platform, const bank::Bank& bank)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), platform_(platform),
      pictures_(firstScreenPictures()), engine_(*this, bank) {
    installAccessibility(); // before any control exists: Qt keeps the first interface it makes
    setWindowTitle(QString::fromUtf8("Тест"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    createControls();
    wireHandlers();
    describeControls();

    // The form's creation handler: the font, the rules page, nothing chosen.
    platform_.addFont();
    engine_.FormCreate();
}

TTestForm::~TTestForm() = default;

void TTestForm::createControls() {
    for (const engine::ControlInfo& info : engine::mainWindowControls()) {
        const QString name = QString::fromStdString(info.name);
        const QRect geometry = controlGeometry(name);
        QWidget* widget = nullptr;
        switch (info.kind) {
        case engine::ControlKind::Image:
            widget = makeImage(info, geometry);
            break;
        case engine::ControlKind::PictureButton:
            widget = makeButton(info, geometry);
            break;
        case engine::ControlKind::Label:
            widget = makeLabel(info, geometry);
            break;
        case engine::ControlKind::Viewer:
            makeViewer(info, geometry);
            continue;
        }
        widget->setObjectName(name);
        widget->setVisible(info.visibleAtStart);
        widgets_[name] = widget;
    }
    pictures_.setFirstScreen();
    for (std::string_view list : engine::kImageLists) {
        auto& frames = imageLists_[std::string(list)].frames;
        if (list == "PimList") {
            continue; // filled by the engine from the other lists
        }
        pictures_.add(std::string(list), false, [&frames, list](PicturePrefetch&) {
            for (int f = 0; f < 5; ++f) {
                frames.push_back(toPicture(windowPicture(
                    QString("main/%1_%2").arg(QString::fromUtf8(list.data(), list.size())).arg(f),
                    {205, 220})));
            }
        });
    }
}

QWidget* TTestForm::makeImage(const engine::ControlInfo& info, QRect geometry) {
    const QString name = QString::fromStdString(info.name);
    auto* box = new PictureBox(this);
    box->setGeometry(geometry);
    if (hasOwnPicture(name)) {
        pictures_.add(info.name, info.visibleAtStart, [box, name, geometry](PicturePrefetch& p) {
            box->setPicture(p.picture("main/" + name, geometry.size()));
        });
    }
    images_.emplace(info.name, ImageControl(box)).first->second.setTag(info.tag);
    return box;
}

QWidget* TTestForm::makeButton(const engine::ControlInfo& info, QRect geometry) {
    const QString name = QString::fromStdString(info.name);
    auto* button = new TImgBtn(this);
    button->setGeometry(geometry);
    pictures_.add(info.name, info.visibleAtStart, [button, name, geometry](PicturePrefetch& p) {
        const QPixmap lit = p.picture("main/" + name + "_lit", geometry.size());
        button->SetPicUp(lit);
        button->SetPicDown(lit);
        button->SetPic(p.picture("main/" + name, geometry.size()));
    });
    button->setTag(info.tag);
    buttons_.emplace(info.name, ButtonControl(button));
    return button;
}

QWidget* TTestForm::makeLabel(const engine::ControlInfo& info, QRect geometry) {
    const QString name = QString::fromStdString(info.name);
    auto* label = new TextLabel(this);
    label->setFont(labelFont(name));
    label->move(geometry.topLeft());
    LabelControl& control = labels_.emplace(info.name, LabelControl(label)).first->second;
    control.setColour(name.startsWith("ClassLab") ? engine::Colour::Maroon
                                                  : engine::Colour::WindowText);
    control.setTag(info.tag);
    if (name.startsWith("Q") && name.endsWith("Lab")) {
        control.setCaption(name.mid(1, name.size() - 4).toStdString());
    }
    if (!name.startsWith("A") && name != "TimeLab") {
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

void TTestForm::makeViewer(const engine::ControlInfo& info, QRect geometry) {
    const QString name = QString::fromStdString(info.name);
    auto make = [this, name, geometry] {
        auto viewer = makeMainViewer(name, this);
        QWidget* made = viewer->widget();
        made->setGeometry(geometry);
        made->setObjectName(name);
        made->hide();
        return viewer;
    };
    if (info.visibleAtStart) {
        viewers_.emplace(info.name, make()).first->second->widget()->show();
    } else {
        // The viewers lie above every other control, so one made later, on top of its
        // siblings, keeps the stacking order.
        viewers_.emplace(info.name, makeLazyViewer(make));
    }
}

void TTestForm::finishLoading() {
    pictures_.setAll();
    for (const auto& [name, viewer] : viewers_) {
        viewer->widget();
    }
    createDialogs();
}

void TTestForm::paintEvent(QPaintEvent*) {
    // The window's own area is all covered by its background picture; the first paint is the
    // moment to make what the first screen did not need.
    if (!finishScheduled_) {
        finishScheduled_ = true;
        QTimer::singleShot(0, this, &TTestForm::finishLoading);
    }
}

void TTestForm::createDialogs() {
    if (testCloseForm_ != nullptr) {
        return;
    }
    testCloseForm_ = new TYesNoForm("TTestCloseForm", "Точно хотите выйти?", this);
    testErrorForm_ = new TTestErrorForm(this);
    endTestForm_ = new TYesNoForm("TEndTestForm", "Точно хочешь закончить раньше времени?", this);
    timeForm_ = new TTimeForm(this);
    helpForm_ = new THelpForm(this);

    auto add = [this](std::string_view name, PictureDialog* dialog) -> DialogControl& {
        return *dialogs_.emplace(std::string(name), std::make_unique<DialogControl>(dialog))
                    .first->second;
    };
    add(engine::kTestCloseForm, testCloseForm_);
    DialogControl& error = add(engine::kTestErrorForm, testErrorForm_);
    error.addImage("YearImg", testErrorForm_->YearImg);
    error.addImage("ClassImg", testErrorForm_->ClassImg);
    error.addImage("AnswerImg", testErrorForm_->AnswerImg);
    add(engine::kEndTestForm, endTestForm_);
    DialogControl& time = add(engine::kTimeForm, timeForm_);
    time.addImage("Time", timeForm_->Time);
    time.addImage("AllQ", timeForm_->AllQ);
    DialogControl& help = add(engine::kHelpForm, helpForm_);
    helpViewer_ = makeHelpViewer(helpForm_);
    helpViewer_->widget()->setGeometry(27, 100, 445, 350);
    help.addViewer("Viewr", helpViewer_.get());

    engine::TestEngine* e = &engine_;
    connect(testCloseForm_->YesBtn, &TImgBtn::clicked, this, [e] { e->TestCloseFormYesClick(); });
    connect(testCloseForm_->NoBtn, &TImgBtn::clicked, this, [e] { e->TestCloseFormNoClick(); });
    connect(endTestForm_->YesBtn, &TImgBtn::clicked, this, [e] { e->EndTestFormYesClick(); });
    connect(endTestForm_->NoBtn, &TImgBtn::clicked, this, [e] { e->EndTestFormNoClick(); });
    connect(timeForm_->RezBtn, &TImgBtn::clicked, this, [e] { e->TimeFormRezBtnClick(); });
    connect(testErrorForm_->OKBtn, &TImgBtn::clicked, this, [e] { e->TestErrorFormOKBtnClick(); });
    connect(helpForm_->CloseBtn, &TImgBtn::clicked, this, [e] { e->HelpFormCloseBtnClick(); });
}

void TTestForm::wireHandlers() {
    engine::TestEngine* e = &engine_;
    auto onClick = [this](const char* name, void (engine::TestEngine::*handler)()) {
        connect(buttons_.at(name).widget(), &TImgBtn::clicked, this,
                [this, handler] { (engine_.*handler)(); });
    };
    onClick("StartBtn", &engine::TestEngine::StartBtnClick);
    onClick("InfoBtn", &engine::TestEngine::InfoBtnClick);
    onClick("ExitBtn", &engine::TestEngine::CloseBtnClick);
    onClick("CloseBtn", &engine::TestEngine::CloseBtnClick);
    onClick("MinBtn", &engine::TestEngine::MinBtnClick);
    onClick("HelpBtn", &engine::TestEngine::HelpBtnClick);
    onClick("EnterBtn", &engine::TestEngine::EnterBtnClick);
    onClick("LaterBtn", &engine::TestEngine::LaterBtnClick);
    onClick("EndTestBtn", &engine::TestEngine::EndTestBtnClick);
    onClick("RezBtn", &engine::TestEngine::RezBtnClick);
    onClick("TestBtn", &engine::TestEngine::TestBtnClick);

    auto withSender = [this, e](const std::string& name,
                                void (engine::TestEngine::*handler)(engine::PictureButton&)) {
        ButtonControl* sender = &buttons_.at(name);
        connect(sender->widget(), &TImgBtn::clicked, this,
                [e, sender, handler] { (e->*handler)(*sender); });
    };
    withSender("Btn0", &engine::TestEngine::BtnClick);
    for (int year = 2000; year <= 2006; ++year) {
        withSender(engine::yearButtonName(year), &engine::TestEngine::BtnClick);
    }
    for (int k = 1; k <= 5; ++k) {
        withSender(engine::optionButtonName(k), &engine::TestEngine::ABtnClick);
    }

    auto labelHandlers = [this, e](const std::string& name,
                                   void (engine::TestEngine::*click)(engine::Label&)) {
        LabelControl* sender = &labels_.at(name);
        connect(sender->widget(), &TextLabel::clicked, this,
                [e, sender, click] { (e->*click)(*sender); });
        connect(sender->widget(), &TextLabel::entered, this,
                [e, sender] { e->ClassLabMouseEnter(*sender); });
        connect(sender->widget(), &TextLabel::left, this,
                [e, sender] { e->ClassLabMouseLeave(*sender); });
    };
    for (int n = 1; n <= 10; ++n) {
        labelHandlers(engine::classLabelName(n), &engine::TestEngine::ClassLabClick);
    }
    for (int n = 1; n <= 30; ++n) {
        labelHandlers(engine::numberLabelName(n), &engine::TestEngine::QLabClick);
    }

    connect(&timer_, &QTimer::timeout, this, [e] { e->TimerTimer(); });
}

void TTestForm::describeControls() {
    focusMark_ = new FocusMark(this);
    for (auto& [name, control] : buttons_) {
        const QString qname = QString::fromStdString(name);
        TImgBtn* button = control.widget();
        button->setAccessibleName(buttonName(qname));
        const bool chosenByLight = qname.startsWith("Btn") || qname == "RezBtn" ||
                                   (qname.startsWith("A") && qname.endsWith("Btn"));
        button->setProperty("checkable", chosenByLight);
    }
    for (int n = 1; n <= 10; ++n) {
        LabelControl* control = &labels_.at(engine::classLabelName(n));
        TextLabel* label = control->widget();
        label->role = QAccessible::Button;
        label->setFocusPolicy(Qt::TabFocus);
        label->chosen = [control] { return control->colour() == engine::Colour::Red; };
    }
    for (int n = 1; n <= 30; ++n) {
        LabelControl* number = &labels_.at(engine::numberLabelName(n));
        LabelControl* letter = &labels_.at(engine::letterLabelName(n));
        TextLabel* label = number->widget();
        label->role = QAccessible::Button;
        label->setFocusPolicy(Qt::TabFocus);
        label->spokenName = [n, number, letter] {
            QString name = QString("Вопрос %1").arg(n);
            if (number->colour() == engine::Colour::Red) {
                name += ", текущий";
            }
            const QString answer = letter->widget()->text();
            if (!answer.isEmpty()) {
                name += ", ответ " + answer;
            }
            if (letter->colour() == engine::Colour::Green) {
                name += ", верно";
            } else if (letter->colour() == engine::Colour::Red) {
                name += ", неверно";
            }
            return name;
        };
    }
    TextLabel* clock = labels_.at("TimeLab").widget();
    clock->role = QAccessible::Clock;
    clock->spokenName = [clock] { return "Осталось времени " + clock->text(); };
    clock->announcedTexts = {"10:00", "05:00", "01:00", "00:00"};
    setAccessibleWindow(this,
                        {[this] { return readingOrder(); }, [this] { return windowTitle(); }});
}

QList<QWidget*> TTestForm::readingOrder() {
    static const QStringList order = [] {
        QStringList names{"Btn0"};
        for (int year = 2000; year <= 2006; ++year) {
            names << QString("Btn%1").arg(year);
        }
        for (int n = 1; n <= 10; ++n) {
            names << QString("ClassLab%1").arg(n);
        }
        names << "RezBtn"
              << "TimeLab";
        for (int n = 1; n <= 30; ++n) {
            names << QString("Q%1Lab").arg(n);
        }
        names << "RulesViewer"
              << "QViewer";
        for (int k = 1; k <= 5; ++k) {
            names << QString("A%1Btn").arg(k) << QString("A%1Viewer").arg(k);
        }
        names << "RezViewer"
              << "StartBtn"
              << "EnterBtn"
              << "TestBtn"
              << "InfoBtn"
              << "LaterBtn"
              << "ExitBtn"
              << "EndTestBtn"
              << "MinBtn"
              << "HelpBtn"
              << "CloseBtn";
        return names;
    }();
    QList<QWidget*> shownNow;
    for (const QString& name : order) {
        const std::string key = name.toStdString();
        if (const auto viewer = viewers_.find(key); viewer != viewers_.end()) {
            // A viewer not made yet is hidden; asking for its widget would make it.
            if (viewer->second->visible()) {
                shownNow << viewer->second->widget();
            }
        } else if (QWidget* w = widgets_.at(name); !w->isHidden()) {
            shownNow << w;
        }
    }
    return shownNow;
}

bool TTestForm::focusNextPrevChild(bool next) {
    return moveKeyboardFocus(this, readingOrder(), next);
}

bool TTestForm::press(const char* name) {
    TImgBtn* button = buttons_.at(name).widget();
    if (button->isHidden()) {
        return false;
    }
    button->click();
    return true;
}

void TTestForm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Keys no focused control took. On the test screen: the options, answering, postponing.
    const bool testScreen = !buttons_.at("EnterBtn").widget()->isHidden();
    const int option = testScreen ? optionKey(event) : 0;
    const int key = event->key();
    bool done = false;
    if (option > 0) {
        // Choosing an option leaves the focused control: Enter answers next.
        done = press(engine::optionButtonName(option).c_str());
        hideFocusMark();
    } else if (testScreen && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        done = press("EnterBtn");
    } else if (testScreen && isPostponeKey(event)) {
        done = press("LaterBtn");
    } else if (key == Qt::Key_F1) {
        done = press("HelpBtn");
    }
    if (done) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

QWidget* TTestForm::widget(const QString& name) {
    const std::string key = name.toStdString();
    pictures_.need(key);
    if (const auto viewer = viewers_.find(key); viewer != viewers_.end()) {
        return viewer->second->widget();
    }
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

engine::Label& TTestForm::label(std::string_view name) {
    return findControl(labels_, name);
}
engine::PictureButton& TTestForm::button(std::string_view name) {
    pictures_.need(name);
    return findControl(buttons_, name);
}
engine::Image& TTestForm::image(std::string_view name) {
    pictures_.need(name);
    return findControl(images_, name);
}
engine::Viewer& TTestForm::viewer(std::string_view name) {
    return *findControl(viewers_, name);
}
engine::ImageList& TTestForm::imageList(std::string_view name) {
    pictures_.need(name);
    return findControl(imageLists_, name);
}
engine::Dialog& TTestForm::dialog(std::string_view name) {
    createDialogs();
    return *findControl(dialogs_, name);
}

void TTestForm::showErrorBox(const std::string& message) {
    platform_.showErrorBox(this, QString::fromStdString(message));
}

void TTestForm::minimize() {
    showMinimized();
}

void TTestForm::hide() {
    QWidget::hide();
}

void TTestForm::close() {
    QWidget::close();
}

void TTestForm::startProgram(const std::string& name) {
    platform_.startProgram(QString::fromStdString(name));
}

void TTestForm::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        platform_.removeFont();
        emit closed();
    }
    event->accept();
}

} // namespace ui
