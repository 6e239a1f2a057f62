// The staged program's folder (Images/, Fonts/, Info/, the companion program) copied to a
// scratch folder, one of its files missing or broken, and the main window run from there on the
// program's own bank with the desktop platform; only the error box is recorded, not shown.
#include "engine/control_names.h"
#include "form_harness.h"
#include "viewer/render_helpers.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef TRAINER_STAGE_DIR

namespace ui_testing {
namespace {

class StagePlatform : public ui::DesktopPlatform {
public:
    using DesktopPlatform::DesktopPlatform;
    void showErrorBox(QWidget*, const QString& message) override { errorBoxes << message; }
    QStringList errorBoxes;
};

const QString kRulesError = "Can't locate file: Info\\rules\\rules.html.";

void copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

void overwrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// Pixels of the picture error marker's yellow drawn in a widget.
int markerPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return viewer_test::countColour(image, qRgb(255, 255, 0));
}

// Pixels that are not white: text drawn.
int inkPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return count;
}

class StagedProgram : public ::testing::Test {
protected:
    StagedProgram() : previous_(QDir::currentPath()) {
        copyFolder(TRAINER_STAGE_DIR, folder.path());
        QFile::remove(file("trainer")); // only the files beside the program are needed
    }
    ~StagedProgram() override {
        stop();
        QDir::setCurrent(previous_);
    }

    // Closes the window as the program does, which takes its font away again.
    void stop() {
        if (form) {
            static_cast<QWidget*>(form.get())->close();
            form.reset();
        }
    }

    QString file(const QString& relative) const { return QDir(folder.path()).filePath(relative); }

    // Starts the window with `workingDir` (the staged folder unless given) as working directory.
    void start(const QString& workingDir = {}) {
        QDir::setCurrent(workingDir.isEmpty() ? folder.path() : workingDir);
        platform = std::make_unique<StagePlatform>(file("Fonts/SILDoulosIPA.ttf"));
        form = std::make_unique<ui::TTestForm>(*platform);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Chooses a 2006 class and starts its paper; then shows the question at `position`.
    void showQuestion(int cls, int position) {
        engine::TestEngine& engine = form->engine();
        engine.BtnClick(form->controls().button("Btn2006"));
        engine.ClassLabClick(form->controls().label(engine::classLabelName(cls - 1)));
        engine.StartBtnClick();
        ASSERT_EQ(engine.state().QuestionCount, 30);
        engine.QLabClick(form->controls().label(engine::numberLabelName(position)));
        ASSERT_EQ(engine.state().CurrentPos, position);
    }

    QWidget* w(const char* name) { return form->widget(name); }

    QTemporaryDir folder;
    std::unique_ptr<StagePlatform> platform;
    std::unique_ptr<ui::TTestForm> form;

private:
    QString previous_;
};

TEST_F(StagedProgram, StartsCleanWhenNothingIsBroken) {
    start();
    EXPECT_EQ(platform->errorBoxes, QStringList{});
    EXPECT_TRUE(QFontDatabase::families().contains("SILDoulosIPA"));
    showQuestion(4, 5); // the rebus: a picture in the question
    EXPECT_EQ(markerPixels(w("QViewer")), 0);
}

// A bank picture missing, empty, not a picture or cut short: the marker takes its place, the
// rest of the question and its options show, and the test goes on.
TEST_F(StagedProgram, ABrokenBankPictureBecomesTheMarkerAndTheTestGoesOn) {
    const QString picture = "Images/2006_4-5_q5.jpg";
    QFile intact(file(picture));
    ASSERT_TRUE(intact.open(QIODevice::ReadOnly));
    const QByteArray bytes = intact.readAll();
    intact.close();
    struct Fault {
        const char* name;
        std::function<void()> breakIt;
        bool marker; // a JPEG cut short still shows what it holds, like a partly loaded page
    };
    const std::vector<Fault> faults = {
        {"missing", [&] { QFile::remove(file(picture)); }, true},
        {"empty", [&] { overwrite(file(picture), {}); }, true},
        {"not a picture", [&] { overwrite(file(picture), "<html>not a picture</html>"); }, true},
        {"a JPEG header only", [&] { overwrite(file(picture), bytes.left(20)); }, true},
        {"cut short", [&] { overwrite(file(picture), bytes.left(bytes.size() / 3)); }, false},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        fault.breakIt();
        start();
        showQuestion(4, 5);
        if (fault.marker) {
            EXPECT_GT(markerPixels(w("QViewer")), 100);
        }
        EXPECT_GT(inkPixels(w("QViewer")), 100);
        EXPECT_GT(inkPixels(w("A1Viewer")), 10);
        engine::TestEngine& engine = form->engine();
        engine.ABtnClick(form->controls().button(engine::optionButtonName(2)));
        engine.EnterBtnClick();
        EXPECT_EQ(engine.state().AnsweredCount, 1);
        EXPECT_EQ(engine.state().CurrentPos, 6);
        EXPECT_EQ(platform->errorBoxes, QStringList{});
        stop();
        overwrite(file(picture), bytes);
    }
}

// The phonetic font missing or not a font: no message, the text drawn in a substitute font.
TEST_F(StagedProgram, ABrokenPhoneticFontIsNotReported) {
    const std::vector<std::pair<const char*, std::function<void()>>> faults = {
        {"missing", [&] { QFile::remove(file("Fonts/SILDoulosIPA.ttf")); }},
        {"not a font", [&] { overwrite(file("Fonts/SILDoulosIPA.ttf"), "not a font"); }},
    };
    for (const auto& [name, breakIt] : faults) {
        SCOPED_TRACE(name);
        breakIt();
        start();
        EXPECT_EQ(platform->errorBoxes, QStringList{});
        EXPECT_FALSE(QFontDatabase::families().contains("SILDoulosIPA"));
        showQuestion(8, 5); // a transcription in the phonetic face
        EXPECT_GT(inkPixels(w("QViewer")), 100);
        stop();
    }
}

// Without the rules page the message comes at start-up, on the help button instead of the
// help dialog, and on the return to the menu, where the empty sheet shows in its place.
TEST_F(StagedProgram, AMissingRulesPageIsReportedWhereverItIsLoaded) {
    QFile::remove(file("Info/rules/rules.html"));
    start();
    EXPECT_EQ(platform->errorBoxes, QStringList{kRulesError});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(inkPixels(w("RulesViewer")), 0);
    EXPECT_EQ(form->engine().state().SelectedYear, -1);

    showQuestion(4, 1);
    // Closes the help dialog should it open; the timer lives only as long as this test.
    bool helpOpened = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (form->HelpForm()->isVisible()) {
            helpOpened = true;
            form->HelpForm()->done(QDialog::Rejected);
        }
    });
    guard.start(20);
    form->engine().HelpBtnClick();
    EXPECT_FALSE(helpOpened);
    EXPECT_EQ(platform->errorBoxes, QStringList(2, kRulesError));

    whenShown(form->EndTestForm(), [this] { click(form->EndTestForm()->YesBtn); });
    form->engine().EndTestBtnClick();
    ASSERT_FALSE(w("TestBtn")->isHidden());
    form->engine().TestBtnClick();
    EXPECT_EQ(platform->errorBoxes, QStringList(3, kRulesError));
    EXPECT_TRUE(w("RulesViewer")->isHidden());
    EXPECT_FALSE(w("ViewerBack")->isHidden());
    EXPECT_FALSE(w("StartBtn")->isHidden());
}

TEST_F(StagedProgram, TheWindowClosesWhenTheCompanionProgramIsMissing) {
    QFile::remove(file("OviInfo.exe"));
    start();
    QSignalSpy closed(form.get(), &ui::TTestForm::closed);
    click(w("InfoBtn"));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(platform->errorBoxes, QStringList{});
}

// Started from a folder without Images/ and Info/: the rules page is reported, every bank
// picture is the marker, and the program goes on.
TEST_F(StagedProgram, StartedFromAnotherWorkingDirectory) {
    QTemporaryDir elsewhere;
    start(elsewhere.path());
    EXPECT_EQ(platform->errorBoxes, QStringList{kRulesError});
    showQuestion(4, 5);
    EXPECT_GT(markerPixels(w("QViewer")), 100);
    form->engine().HelpBtnClick();
    EXPECT_EQ(platform->errorBoxes, QStringList(2, kRulesError));
    form->engine().ABtnClick(form->controls().button(engine::optionButtonName(2)));
    form->engine().EnterBtnClick();
    EXPECT_EQ(form->engine().state().AnsweredCount, 1);
}

} // namespace
} // namespace ui_testing

#endif
