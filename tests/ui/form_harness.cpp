#include "form_harness.h"

#include "engine/control_names.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

namespace ui_testing {

namespace {
QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}
} // namespace

StagedWindow::StagedWindow(const QString& stageDir)
    : previousDir_(QDir::currentPath()), platform_(stageDir + "/Fonts/SILDoulosIPA.ttf") {
    QDir::setCurrent(stageDir);
    form = std::make_unique<ui::TTestForm>(platform_);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents(); // the first paint: the rest of the window is made
    QCoreApplication::processEvents();
}

StagedWindow::~StagedWindow() {
    static_cast<QWidget*>(form.get())->close();
    form.reset();
    QDir::setCurrent(previousDir_);
}

FormTest::FormTest() {
    previousDir = QDir::currentPath();
    QDir root(scratch().path());
    root.mkpath("Info/rules");
    QFile page(root.filePath("Info/rules/rules.html"));
    page.open(QIODevice::WriteOnly);
    page.write("<h3 align=center>Rules</h3>");
    page.close();
    QDir::setCurrent(root.path());
    form = std::make_unique<ui::TTestForm>(platform, fixture.bank());
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

FormTest::~FormTest() {
    form.reset();
    QDir::setCurrent(previousDir);
}

QStringList FormTest::shown() const {
    QStringList names;
    for (const engine::ControlInfo& c : engine::mainWindowControls()) {
        const QString name = QString::fromStdString(c.name);
        if (!w(name)->isHidden()) {
            names << name;
        }
    }
    names.sort();
    return names;
}

void FormTest::clickLabelWithText(const QString& prefix, const QString& text) {
    for (int n = 1; n <= 30; ++n) {
        auto* label =
            qobject_cast<QLabel*>(w(prefix + QString::number(n) + (prefix == "Q" ? "Lab" : "")));
        if (label != nullptr && label->isVisible() && label->text() == text) {
            click(label);
            return;
        }
    }
    ADD_FAILURE() << "no visible label " << text.toStdString();
}

} // namespace ui_testing
