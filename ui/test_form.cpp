#include "test_form.h"

#include "engine/control_names.h"
#include "engine/find_control.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/platform.h"
#include "ui/viewer_control.h"

#include <QCloseEvent>
#include <QGuiApplication>
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

} // namespace

TTestForm::TTestForm(Platform& platform, const bank::Bank& bank)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), platform_(platform),
      pictures_(firstScreenPictures()), engine_(*this, bank) {
    setWindowTitle(QString::fromUtf8("Тест"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    createControls();
    wireHandlers();

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
    testCloseForm_ = new TYesNoForm("TTestCloseForm", this);
    testErrorForm_ = new TTestErrorForm(this);
    endTestForm_ = new TYesNoForm("TEndTestForm", this);
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
