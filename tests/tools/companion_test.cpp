#include "info_window.h"
#include "picture_button.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using companion::InfoWindow;

const QString assets = QStringLiteral(TRAINER_ASSETS);

QImage picture(const QString& name) {
    return QImage(assets + QStringLiteral("/ui/OviInfo/") + name + QStringLiteral(".jpg"))
        .convertToFormat(QImage::Format_RGB32);
}

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A stand-in trainer that writes the folder it was started in. The file appears by a rename,
// whole, so a reader never sees it empty or half written.
void writeFakeTrainer(const QString& folder) {
    QFile script(QDir(folder).filePath(QStringLiteral("trainer")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\npwd > started-in.part && mv started-in.part started-in.txt\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

QString waitForFile(const QString& path) {
    QFile file(path);
    // A loaded machine (the sanitized run) may take long to start a shell.
    if (!QTest::qWaitFor([&file] { return file.exists(); }, 60000)) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).trimmed();
}

TEST(CompanionWindow, StartButtonStartsTheTrainerInItsFolderAndCloses) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeFakeTrainer(folder.path());
    InfoWindow window(folder.path());
    window.show();

    QTest::mouseClick(window.startButton(), Qt::LeftButton);

    EXPECT_FALSE(window.isVisible());
    const QString startedIn = waitForFile(QDir(folder.path()).filePath("started-in.txt"));
    EXPECT_EQ(QDir(startedIn).canonicalPath(), QDir(folder.path()).canonicalPath());
}

TEST(CompanionWindow, ClosesEvenWhenTheTrainerCannotBeStarted) {
    for (const bool presentButNotExecutable : {false, true}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        if (presentButNotExecutable) {
            QFile file(QDir(folder.path()).filePath("trainer"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a program");
        }
        InfoWindow window(folder.path());
        window.show();

        QTest::mouseClick(window.startButton(), Qt::LeftButton);

        EXPECT_FALSE(window.isVisible()) << "trainer file present: " << presentButNotExecutable;
    }
}

TEST(CompanionWindow, CloseButtonClosesWithoutStartingTheTrainer) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeFakeTrainer(folder.path());
    InfoWindow window(folder.path());
    window.show();

    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
    QTest::qWait(300);

    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("started-in.txt")));
}

TEST(CompanionWindow, ShowsTheBuiltPicturesAtTheirPlaces) {
    InfoWindow window(QDir::tempPath());
    window.show();
    const QImage back = picture("Back");
    ASSERT_FALSE(back.isNull());
    const QImage shown = grabbed(&window);
    ASSERT_EQ(shown.size(), back.size());
    for (const QPoint at : {QPoint(5, 5), QPoint(100, 300), QPoint(300, 20), QPoint(590, 430)}) {
        EXPECT_EQ(shown.pixel(at), back.pixel(at)) << at.x() << "," << at.y();
    }
    EXPECT_EQ(grabbed(window.startButton()), picture("StartBtn"));
    EXPECT_EQ(grabbed(window.closeButton()), picture("CloseBtn"));
    // The buttons lie where their pictures were cut from the background drawing.
    EXPECT_EQ(window.startButton()->geometry(), QRect(336, 388, 232, 40));
    EXPECT_EQ(window.closeButton()->geometry(), QRect(545, 10, 45, 45));
}

TEST(CompanionWindow, PressedButtonShowsItsLitPicture) {
    InfoWindow window(QDir::tempPath());
    window.show();
    companion::PictureButton* button = window.startButton();

    QTest::mousePress(button, Qt::LeftButton);
    const QImage pressed = grabbed(button);
    button->setDown(false);

    EXPECT_EQ(pressed, picture("StartBtn_lit"));
    EXPECT_NE(pressed, picture("StartBtn"));
}

TEST(CompanionWindow, NamesEveryYearGroupAndTheLicenceFileBesideTheFont) {
    InfoWindow window(QDir::tempPath());
    const QString text = window.text()->toPlainText();
    for (const char* expected : {"2000 год", "5–11", "2001, 2002 и 2003 годы", "3–11",
                                 "2004, 2005 и 2006 годы", "2–11", "случайный тест"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    const QString licence = QStringLiteral("Fonts/SILDoulosIPA-LICENSE.txt");
    EXPECT_TRUE(text.contains(licence));
    EXPECT_TRUE(QFile::exists(assets + QStringLiteral("/") + licence));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
