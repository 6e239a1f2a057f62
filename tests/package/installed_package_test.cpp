// The Debian package unpacked into a scratch root with dpkg -x (no root needed) and started from
// another working directory on the offscreen platform. The probe plugin looks at the window from
// inside the program and leaves its report and grabs for these tests to read.
#include "viewer/render_helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

const QString kAppFolder = "usr/lib/russian-contest-trainer";
const QRgb kMarkerYellow = qRgb(255, 255, 0);

// The one package cpack left in the package folder.
QString packageFile() {
    const QStringList debs = QDir(TRAINER_PACKAGE_DIR).entryList({"*.deb"}, QDir::Files);
    return debs.size() == 1 ? QDir(TRAINER_PACKAGE_DIR).filePath(debs.first()) : QString();
}

// Pixels that are clearly coloured, neither grey nor white: a drawn picture, not text.
int colouredPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int spread =
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            count += spread > 60 ? 1 : 0;
        }
    }
    return count;
}

// Dark pixels: text drawn.
int darkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return count;
}

struct ProgramRun {
    int exitCode = -1;
    QString output;
    std::map<std::string, std::string> report;
    QString probeDir;

    // A line of the probe's report; a key it did not write reads as "(none)".
    std::string fact(const std::string& key) const {
        const auto found = report.find(key);
        return found == report.end() ? "(none)" : found->second;
    }
    QImage grab(const QString& name) const {
        return QImage(QDir(probeDir).filePath(name + ".png")).convertToFormat(QImage::Format_RGB32);
    }
};

class InstalledPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new QTemporaryDir;
        const QString deb = packageFile();
        ASSERT_FALSE(deb.isEmpty()) << "no single .deb in " << TRAINER_PACKAGE_DIR;
        QProcess dpkg;
        dpkg.start("dpkg", {"-x", deb, root_->path()});
        ASSERT_TRUE(dpkg.waitForFinished(-1));
        ASSERT_EQ(dpkg.exitCode(), 0) << dpkg.readAllStandardError().toStdString();
    }
    static void TearDownTestSuite() {
        delete root_;
        root_ = nullptr;
    }

    static QString installed(const QString& relative) {
        return QDir(root_->path()).filePath(relative);
    }

    // Starts `program` from a scratch working directory with the probe loaded, and waits for it
    // to end (the probe ends it once it has looked).
    ProgramRun start(const QString& program) {
        ProgramRun run;
        run.probeDir = probeDir_.path();
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_PLUGIN_PATH", TRAINER_PROBE_PLUGINS);
        env.insert("QT_QPA_GENERIC_PLUGINS", "trainerprobe");
        env.insert("TRAINER_PROBE_DIR", probeDir_.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(elsewhere_.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {});
        // A guard against a window that never opens, far above the second or two it takes.
        if (!process.waitForFinished(300'000)) {
            process.kill();
            process.waitForFinished(-1);
            ADD_FAILURE() << program.toStdString() << " did not end";
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.output = QString::fromUtf8(process.readAll());
        QFile report(QDir(probeDir_.path()).filePath("report.txt"));
        if (report.open(QIODevice::ReadOnly | QIODevice::Text)) {
            for (const QString& line : QString::fromUtf8(report.readAll()).split('\n')) {
                const qsizetype eq = line.indexOf('=');
                if (eq > 0) {
                    run.report[line.left(eq).toStdString()] = line.mid(eq + 1).toStdString();
                }
            }
        }
        return run;
    }

    QTemporaryDir elsewhere_;
    QTemporaryDir probeDir_;
    static QTemporaryDir* root_;
};

QTemporaryDir* InstalledPackage::root_ = nullptr;

TEST_F(InstalledPackage, TheLauncherOpensTheWindowWithItsRulesPageAndPictures) {
    const ProgramRun run = start(installed("usr/bin/russian-contest-trainer"));
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    ASSERT_FALSE(run.report.empty()) << "the probe wrote no report\n" << run.output.toStdString();
    EXPECT_EQ(run.fact("error_boxes"), "");
    EXPECT_EQ(QDir(QString::fromStdString(run.fact("working_dir"))).canonicalPath().toStdString(),
              QDir(installed(kAppFolder)).canonicalPath().toStdString());
    EXPECT_EQ(run.fact("phonetic_font"), "yes");

    const QImage window = run.grab("start_window");
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(viewer_test::countColour(window, kMarkerYellow), 0);
    // The rules page fills its viewer with text (some 11,000 dark pixels).
    const QImage rules = run.grab("rules_viewer");
    ASSERT_FALSE(rules.isNull()) << "the rules viewer is not shown";
    EXPECT_GT(darkPixels(rules), 3000);

    // The rebus of the 2006 paper for class 4, read from the installed Images/ folder.
    EXPECT_EQ(run.fact("question_opened"), "yes");
    const QImage question = run.grab("question_viewer");
    ASSERT_FALSE(question.isNull());
    EXPECT_EQ(viewer_test::countColour(question, kMarkerYellow), 0);
    EXPECT_GT(colouredPixels(question), 5000);
}

// The same program started straight from elsewhere misses its folder: the probe sees the error
// box, an empty rules viewer and the marker, so the launcher is what makes the test above pass.
TEST_F(InstalledPackage, WithoutTheLauncherTheProgramMissesItsFolder) {
    const ProgramRun run = start(installed(kAppFolder + "/trainer"));
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(run.fact("error_boxes"), "Can't locate file: Info\\rules\\rules.html.");
    EXPECT_EQ(darkPixels(run.grab("rules_viewer")), 0);
    EXPECT_EQ(run.fact("question_opened"), "yes");
    const QImage question = run.grab("question_viewer");
    ASSERT_FALSE(question.isNull());
    EXPECT_GT(viewer_test::countColour(question, kMarkerYellow), 0);
    EXPECT_LT(colouredPixels(question), 5000);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
