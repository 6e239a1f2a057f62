// The file viewer: reading pages, their pictures, and a page that is not there.
#include "viewer/frame_viewer.h"
#include "viewer/render_helpers.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace viewer_test;
using viewer::PageFileError;
using viewer::TFrameViewer;

constexpr QRgb kYellow = 0xFFFFFF00;

class FrameViewer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QDir(folder_.path()).mkpath("Info/rules"));
        cwd_ = std::make_unique<WorkingDirectory>(folder_.path());
        viewer_.resize(400, 300);
        viewer_.show();
    }

    QString path(const char* relative) const { return folder_.filePath(relative); }

    QTemporaryDir folder_;
    std::unique_ptr<WorkingDirectory> cwd_;
    TFrameViewer viewer_{plainSettings()};
};

TEST_F(FrameViewer, ShowsTheWindows1251PageNamedWithBackslashes) {
    writeFile(path("Info/rules/rules.html"), cp1251("<h1>Правила</h1><p>Текст правил"));
    viewer_.LoadFromFile("Info\\rules\\rules.html");
    EXPECT_EQ(viewer_.toPlainText(), QString("Правила\nТекст правил"));
}

TEST_F(FrameViewer, HonoursADeclaredUtf8Charset) {
    writeFile(path("Info/rules/rules.html"),
              "<html><head><meta charset=\"utf-8\"></head><body>Правила</body></html>");
    viewer_.LoadFromFile("Info\\rules\\rules.html");
    EXPECT_EQ(viewer_.toPlainText(), QString("Правила"));
}

TEST_F(FrameViewer, MissingFileThrowsAndLeavesTheDocumentAsItWas) {
    writeFile(path("Info/rules/rules.html"), cp1251("Прежняя страница"));
    viewer_.LoadFromFile("Info\\rules\\rules.html");
    const QImage before = viewer_.grab().toImage();
    try {
        viewer_.LoadFromFile("Info\\rules\\nothing.html");
        FAIL() << "no error for a missing file";
    } catch (const PageFileError& error) {
        EXPECT_STREQ(error.what(), "Can't locate file: Info\\rules\\nothing.html");
    }
    EXPECT_EQ(viewer_.toPlainText(), QString("Прежняя страница"));
    EXPECT_EQ(viewer_.grab().toImage(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass stayed";
}

TEST_F(FrameViewer, AFolderIsNoPage) {
    EXPECT_THROW(viewer_.LoadFromFile("Info\\rules"), PageFileError);
    EXPECT_THROW(viewer_.LoadFromFile(""), PageFileError);
}

TEST_F(FrameViewer, NameBeforeTheHashNamesTheFile) {
    writeFile(path("Info/rules/rules.html"), "page");
    viewer_.LoadFromFile("Info\\rules\\rules.html#scores");
    EXPECT_EQ(viewer_.toPlainText(), QString("page"));
    try {
        viewer_.LoadFromFile("Info\\rules\\none.html#scores");
        FAIL() << "no error for a missing file";
    } catch (const PageFileError& error) {
        EXPECT_STREQ(error.what(), "Can't locate file: Info\\rules\\none.html#scores");
    }
}

TEST_F(FrameViewer, ReadsTheFileAfreshOnEveryLoad) {
    writeFile(path("Info/rules/rules.html"), "first");
    viewer_.LoadFromFile("Info\\rules\\rules.html");
    writeFile(path("Info/rules/rules.html"), "second");
    viewer_.LoadFromFile("Info\\rules\\rules.html");
    EXPECT_EQ(viewer_.toPlainText(), QString("second"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FrameViewer, PicturesResolveAgainstThePagesFolder) {
    writeJpeg(path("Info/rules/logo.jpg"), 24, 12, QColor(0, 0, 200));
    writeFile(path("Info/rules/rules.html"), "<img src=\"logo.jpg\"> text");
    viewer_.LoadFromFile("Info\\rules\\rules.html");
    const QImage image = viewer_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(countColour(image, kYellow), 0) << "the picture was not found";
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > 150 && c.red() < 60 && c.green() < 60 ? 1 : 0;
        }
    }
    EXPECT_EQ(blue, 24 * 12);

    // Started from elsewhere, the page is not found, and a string document's pictures
    // resolve against the working directory, where this one is not.
    WorkingDirectory elsewhere(path("Info"));
    EXPECT_THROW(viewer_.LoadFromFile("Info\\rules\\rules.html"), PageFileError);
}

} // namespace
