#include "viewer/picture_loader.h"
#include "viewer/picture_ratio.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TwiceSizePath, PutsTheMarkBeforeTheExtension) {
    EXPECT_EQ(viewer::twiceSizePath("Images/2006_4-5_q5.jpg"), "Images/2006_4-5_q5@2x.jpg");
    EXPECT_EQ(viewer::twiceSizePath(":/ui/main/Back.jpg"), ":/ui/main/Back@2x.jpg");
    EXPECT_EQ(viewer::twiceSizePath("a.b/c"), "a.b/c@2x");
    EXPECT_EQ(viewer::twiceSizePath("Images\\x.y.jpg"), "Images\\x.y@2x.jpg");
}

// A 40 x 20 picture, with or without its 80 x 40 rendering, read for each ratio: the renderings
// asked for, and the size and device pixel ratio of what comes back.
TEST(ReadForRatio, TakesTheLargerRenderingAboveOneAndTheFileOtherwise) {
    struct Case {
        qreal ratio;
        bool twiceExists;
        QStringList reads;
        QSize pixels;
        qreal pixelRatio;
    };
    const QString one = "p.jpg";
    const QString two = "p@2x.jpg";
    const Case cases[] = {
        {1.0, true, {one}, {40, 20}, 1.0},       // never reads the larger one
        {0.5, true, {one}, {40, 20}, 1.0},       // a ratio below 1 counts as 1
        {1.25, true, {two}, {50, 25}, 1.25},     // scaled down to the ratio
        {1.5, true, {two}, {60, 30}, 1.5},       //
        {2.0, true, {two}, {80, 40}, 2.0},       // as it is
        {3.0, true, {two}, {80, 40}, 2.0},       // the largest there is; Qt scales it up
        {1.5, false, {two, one}, {40, 20}, 1.0}, // no larger rendering: the file itself
        {2.0, false, {two, one}, {40, 20}, 1.0}, //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("ratio " + std::to_string(c.ratio) + (c.twiceExists ? ", with" : ", without") +
                     " the larger rendering");
        QStringList reads;
        const QImage image = viewer::readForRatio(one, c.ratio, [&](const QString& path) {
            reads << path;
            if (path == one) {
                return QImage(40, 20, QImage::Format_RGB32);
            }
            return c.twiceExists && path == two ? QImage(80, 40, QImage::Format_RGB32) : QImage();
        });
        EXPECT_EQ(reads, c.reads);
        EXPECT_EQ(image.size(), c.pixels);
        EXPECT_DOUBLE_EQ(image.devicePixelRatio(), c.pixelRatio);
        EXPECT_EQ(viewer::logicalSize(image), QSize(40, 20));
    }
}

TEST(ReadForRatio, AMissingPictureStaysMissing) {
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        EXPECT_TRUE(
            viewer::readForRatio("p.jpg", ratio, [](const QString&) { return QImage(); }).isNull());
    }
}

} // namespace

namespace {

// Pictures from files at ratio 2: a picture without its larger rendering, or with a broken one,
// still shows (at 1x); one with it shows it; a missing picture is the error marker.
TEST(FilePicturesAtRatioTwo, FallBackToTheFileWhenTheLargerRenderingIsMissingOrBroken) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto save = [&](const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(dir.filePath(name), "JPEG"));
    };
    save("alone.jpg", {40, 20});
    save("pair.jpg", {40, 20});
    save("pair@2x.jpg", {80, 40});
    save("broken.jpg", {40, 20});
    QFile broken(dir.filePath("broken@2x.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8 not a picture");
    broken.close();

    viewer::FilePictures pictures(dir.path().toStdString(), 2.0);
    struct Case {
        const char* src;
        QSize pixels;
        qreal pixelRatio;
    };
    const Case cases[] = {
        {"alone.jpg", {40, 20}, 1.0},
        {"pair.jpg", {80, 40}, 2.0},
        {"broken.jpg", {40, 20}, 1.0},
        {"missing.jpg", viewer::errorMarker().size(), 1.0},
    };
    for (const Case& c : cases) {
        const QImage image = pictures.picture(c.src);
        EXPECT_EQ(image.size(), c.pixels) << c.src;
        EXPECT_DOUBLE_EQ(image.devicePixelRatio(), c.pixelRatio) << c.src;
    }
    // At a ratio of 1 the names resolve as they always did: the 1x file.
    EXPECT_EQ(viewer::FilePictures(dir.path().toStdString()).picture("pair.jpg").size(),
              QSize(40, 20));
}

} // namespace
