#include "ui/img_btn.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPixmap solid(QColor colour) {
    QPixmap p(40, 30);
    p.fill(colour);
    return p;
}

// A button at (50, 50) on a shown 200 x 200 window, with red, green and blue pictures.
class ImgBtnTest : public ::testing::Test {
protected:
    ImgBtnTest() : button(&window) {
        window.resize(200, 200);
        button.setGeometry(50, 50, 40, 30);
        button.SetPicDown(solid(Qt::blue));
        button.SetPicUp(solid(Qt::green));
        button.SetPic(solid(Qt::red));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        moveTo(QPoint(5, 5));
    }

    QColor shown() const { return button.Picture().toImage().pixelColor(0, 0); }

    // Pointer positions in window coordinates.
    const QPoint inside{60, 60};
    const QPoint outside{150, 150};

    // Events go through the window, as the platform delivers them, so the window routes them
    // to the button under the pointer or holding the mouse.
    QWindow* handle() { return window.windowHandle(); }
    void moveTo(QPoint p) { QTest::mouseMove(handle(), p); }
    void press() { QTest::mousePress(handle(), Qt::LeftButton, {}, inside); }
    void releaseAt(QPoint p) { QTest::mouseRelease(handle(), Qt::LeftButton, {}, p); }

    QWidget window;
    TImgBtn button;
};

TEST_F(ImgBtnTest, PicturesFollowHoverAndPress) {
    QSignalSpy clicks(&button, &TImgBtn::clicked);
    EXPECT_EQ(shown(), QColor(Qt::red));

    struct Step {
        const char* what;
        std::function<void()> act;
        bool hover, pressed;
        QColor picture;
    };
    const Step steps[] = {
        {"enter", [&] { moveTo(inside); }, true, false, Qt::green},
        {"press", [&] { press(); }, true, true, Qt::blue},
        {"drag out while held", [&] { moveTo(outside); }, false, true, Qt::red},
        {"drag back while held", [&] { moveTo(inside); }, true, true, Qt::blue},
        {"release inside", [&] { releaseAt(inside); }, true, false, Qt::green},
        {"leave", [&] { moveTo(outside); }, false, false, Qt::red},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(button.hover(), s.hover) << s.what;
        EXPECT_EQ(button.pressed(), s.pressed) << s.what;
        EXPECT_EQ(shown(), s.picture) << s.what;
    }
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ImgBtnTest, ReleaseOutsideReportsNoClick) {
    QSignalSpy clicks(&button, &TImgBtn::clicked);
    moveTo(inside);
    press();
    moveTo(outside);
    releaseAt(outside);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.pressed());
    EXPECT_EQ(shown(), QColor(Qt::red));

    moveTo(inside); // the button works normally afterwards
    press();
    releaseAt(inside);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ImgBtnTest, ADoubleClickIsOneClick) {
    QSignalSpy clicks(&button, &TImgBtn::clicked);
    QSignalSpy downs(&button, &TImgBtn::mouseDown);
    moveTo(inside);
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_FALSE(button.pressed());
    EXPECT_EQ(shown(), QColor(Qt::green));
}

TEST_F(ImgBtnTest, UnsupportedIsAPlainPictureThatStillClicks) {
    button.Supported = false;
    QSignalSpy clicks(&button, &TImgBtn::clicked);
    QSignalSpy entered(&button, &TImgBtn::mouseEntered);
    QSignalSpy downs(&button, &TImgBtn::mouseDown);
    moveTo(inside);
    press();
    EXPECT_EQ(shown(), QColor(Qt::red));
    releaseAt(inside);
    moveTo(outside);
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(entered.count(), 0);
    EXPECT_EQ(downs.count(), 0);
    EXPECT_FALSE(button.pressed());
}

TEST_F(ImgBtnTest, ShiftsWhilePressedAndReturnsOnRelease) {
    button.NeedDown = true;
    button.NeedRight = true;
    moveTo(inside);
    press();
    EXPECT_EQ(button.pos(), QPoint(51, 51));
    releaseAt(QPoint(61, 61));
    EXPECT_EQ(button.pos(), QPoint(50, 50));
}

TEST_F(ImgBtnTest, AClickHandlerThatWritesPicSeesPicUpUntilTheLeave) {
    QObject::connect(&button, &TImgBtn::clicked, [this] { button.SetPic(button.PicUp()); });
    moveTo(inside);
    press();
    releaseAt(inside);
    EXPECT_EQ(shown(), QColor(Qt::green));
    button.SetPicUp(solid(Qt::yellow)); // the shown picture keeps the old image
    EXPECT_EQ(shown(), QColor(Qt::green));
    moveTo(outside);
    EXPECT_EQ(shown(), QColor(Qt::green)); // the lit resting picture
    moveTo(inside);
    EXPECT_EQ(shown(), QColor(Qt::yellow));
}

TEST_F(ImgBtnTest, AClickHandlerThatHidesTheButtonLeavesItResting) {
    QObject::connect(&button, &TImgBtn::clicked, [this] { button.hide(); });
    moveTo(inside);
    press();
    releaseAt(inside);
    EXPECT_FALSE(button.pressed());
    moveTo(QPoint(62, 62));
    button.show();
    EXPECT_FALSE(button.hover());
    EXPECT_EQ(shown(), QColor(Qt::red));
}

} // namespace
