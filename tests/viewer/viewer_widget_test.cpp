// How the viewer widgets behave: loading, scroll bars, input when enabled and disabled.
#include "viewer/html_viewer.h"
#include "viewer/render_helpers.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using namespace viewer_test;
using viewer::THTMLViewer;

std::string longText(int paragraphs) {
    std::string text;
    for (int i = 0; i < paragraphs; ++i) {
        text += "Строка номер " + std::to_string(i) + " довольно длинного пояснения.<br>";
    }
    return text;
}

void wheelDown(QWidget* target) {
    const QPoint at(target->width() / 2, target->height() / 2);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

class ViewerWidget : public testing::Test {
protected:
    void load(THTMLViewer& viewer, const std::string& utf8, int width = 550, int height = 200) {
        viewer.resize(width, height);
        viewer.show();
        viewer.LoadFromString(cp1251(utf8));
        QCoreApplication::processEvents();
    }
};

TEST_F(ViewerWidget, ScrollBarsOnlyWhenNeeded) {
    THTMLViewer viewer(plainSettings());
    load(viewer, "коротко");
    EXPECT_FALSE(viewer.verticalScrollBar()->isVisible());
    EXPECT_FALSE(viewer.horizontalScrollBar()->isVisible());
    load(viewer, longText(40));
    EXPECT_TRUE(viewer.verticalScrollBar()->isVisible());
    EXPECT_FALSE(viewer.horizontalScrollBar()->isVisible());
    load(viewer, "<table width=900><tr><td>широко</td></tr></table>");
    EXPECT_TRUE(viewer.horizontalScrollBar()->isVisible());
}

TEST_F(ViewerWidget, EveryLoadStartsAtTheTopLeft) {
    THTMLViewer viewer(plainSettings());
    const std::string text = "<table width=1200><tr><td>" + longText(40) + "</td></tr></table>";
    load(viewer, text);
    viewer.verticalScrollBar()->setValue(viewer.verticalScrollBar()->maximum());
    viewer.horizontalScrollBar()->setValue(viewer.horizontalScrollBar()->maximum());
    ASSERT_GT(viewer.verticalScrollBar()->value(), 0);
    ASSERT_GT(viewer.horizontalScrollBar()->value(), 0);
    load(viewer, text); // the same text again
    EXPECT_EQ(viewer.verticalScrollBar()->value(), 0);
    EXPECT_EQ(viewer.horizontalScrollBar()->value(), 0);
}

TEST_F(ViewerWidget, EnabledViewerScrollsByWheelAndKeys) {
    THTMLViewer viewer(plainSettings());
    load(viewer, longText(60));
    QScrollBar* bar = viewer.verticalScrollBar();
    wheelDown(viewer.viewport());
    EXPECT_GT(bar->value(), 0);
    bar->setValue(0);
    viewer.setFocus();
    QTest::keyClick(&viewer, Qt::Key_Down);
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(&viewer, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&viewer, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
}

TEST_F(ViewerWidget, EnabledViewerSelectsWithTheMouse) {
    THTMLViewer viewer(plainSettings());
    load(viewer, "выделяемый текст в окне");
    QTest::mousePress(viewer.viewport(), Qt::LeftButton, {}, QPoint(2, 8));
    QTest::mouseMove(viewer.viewport(), QPoint(80, 8));
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, {}, QPoint(80, 8));
    EXPECT_TRUE(viewer.textCursor().hasSelection());
}

TEST_F(ViewerWidget, DisabledOptionViewerShowsItsScrollBarButTakesNoInput) {
    THTMLViewer viewer(optionSettings());
    load(viewer,
         optionMarkup("очень длинный текст варианта, который не помещается в своё окно "
                      "и требует полосы прокрутки: раз, два, три, четыре, пять, шесть, семь, "
                      "восемь, девять, десять, одиннадцать, двенадцать, тринадцать"),
         225, 64);
    QScrollBar* bar = viewer.verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0);
    wheelDown(viewer.viewport());
    QTest::keyClick(&viewer, Qt::Key_Down);
    QTest::keyClick(&viewer, Qt::Key_End);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    QTest::mousePress(viewer.viewport(), Qt::LeftButton, {}, QPoint(2, 30));
    QTest::mouseMove(viewer.viewport(), QPoint(200, 30));
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, {}, QPoint(200, 30));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(viewer.textCursor().hasSelection());
}

TEST_F(ViewerWidget, MalformedMarkupStillShowsItsText) {
    THTMLViewer viewer(plainSettings());
    load(viewer, "<ii>раз</ii> <i >два</i> <i/>три</br> <<i>четыре</b</i> пять&rsquo "
                 "&unknown; <table><tr><td>шесть</td</tr></table><ul><li>семь");
    const QString text = viewer.toPlainText();
    for (const char* word :
         {"раз", "два", "три", "<четыре", "пять\u2019", "&unknown;", "шесть", "семь"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    }
}

} // namespace
