// The windows on a high-density screen. CTest runs this program at the device pixel ratios 1,
// 1.25, 1.5 and 2 (QT_SCALE_FACTOR), naming the ratio the run must see in HIGH_DENSITY_RATIO.
// At every ratio the windows keep their geometry in logical pixels and every picture is the
// rendering made for the ratio; from 1.5 up, the grab of a button and of a bank picture is
// sharper than the 1x picture scaled up.
#include "engine/control_names.h"
#include "form_harness.h"
#include "info_window.h"
#include "picture_button.h"
#include "ui/layout.h"
#include "ui/widgets.h"
#include "viewer/picture_ratio.h"

#include <QApplication>
#include <QDir>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#ifdef TRAINER_STAGE_DIR

namespace ui_testing {
namespace {

qreal runRatio() {
    return qEnvironmentVariable("HIGH_DENSITY_RATIO", "1").toDouble();
}

// The device pixel ratio of the rendering drawn at the run's ratio: the 1x picture at 1, the 2x
// one scaled to the ratio between 1 and 2, the 2x one as it is from 2 up.
qreal renderingRatio() {
    return std::clamp(runRatio(), 1.0, 2.0);
}

void expectRendering(const QImage& image, QSize logical, const std::string& what) {
    const qreal r = renderingRatio();
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), r) << what;
    EXPECT_EQ(image.size(), QSize(qRound(logical.width() * r), qRound(logical.height() * r)))
        << what;
}

// Root-mean-square difference of two pictures of one size, over the three channels: how far a
// grab is from the drawing rendered from its source at the screen's size. Blur and the steps of
// a picture blown up pixel by pixel both raise it.
double rmsDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull()) {
        return 1e9;
    }
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const double dr = qRed(p[col]) - qRed(q[col]);
            const double dg = qGreen(p[col]) - qGreen(q[col]);
            const double db = qBlue(p[col]) - qBlue(q[col]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    return std::sqrt(sum / (3.0 * x.width() * x.height()));
}

// A picture at `size` pixels, scaled smoothly or pixel by pixel.
QImage resized(const QImage& picture, QSize size, Qt::TransformationMode mode) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, mode);
}

// A grab of a picture against the 1x picture blown up to the grab's size, smoothly and pixel by
// pixel (as a 1x pixmap is drawn on a 2x screen): each measured by its distance from the
// drawing at the screen's size (the 2x rendering, scaled to the ratio below 2). The grab must
// be at most half as far off as the nearer of the two.
void expectSharperThanOneXScaledUp(const QImage& grab, const QImage& oneX, const QImage& twoX,
                                   const std::string& what) {
    ASSERT_FALSE(oneX.isNull()) << what;
    ASSERT_FALSE(twoX.isNull()) << what;
    const QImage drawing = resized(twoX, grab.size(), Qt::SmoothTransformation);
    const double shown = rmsDifference(grab, drawing);
    const double smooth =
        rmsDifference(resized(oneX, grab.size(), Qt::SmoothTransformation), drawing);
    const double blocky =
        rmsDifference(resized(oneX, grab.size(), Qt::FastTransformation), drawing);
    EXPECT_LT(2 * shown, std::min(smooth, blocky))
        << what << ": the grab is " << shown << " off the drawing, the 1x picture scaled up "
        << smooth << " (smoothly) and " << blocky << " (pixel by pixel)";
}

// Where, within `box`, the part that best matches `drawing` (same pixel size) lies.
QRect bestMatch(const QImage& box, const QImage& drawing) {
    QRect best;
    double bestDistance = 1e18;
    for (int y = 0; y + drawing.height() <= box.height(); ++y) {
        for (int x = 0; x + drawing.width() <= box.width(); ++x) {
            const QRect at(QPoint(x, y), drawing.size());
            const double distance = rmsDifference(box.copy(at), drawing);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = at;
            }
        }
    }
    return best;
}

// The picture a viewer's document shows first.
QImage firstPictureOf(QWidget* viewer) {
    auto* view = qobject_cast<QTextEdit*>(viewer);
    if (view == nullptr) {
        return {};
    }
    return view->document()
        ->resource(QTextDocument::ImageResource, QUrl("viewer-picture:0"))
        .value<QImage>();
}

// The main window from the staged folder, shown, with every control made.
class HighDensity : public ::testing::Test {
protected:
    engine::TestEngine& engine() { return form->engine(); }

    // Opens the question at `pos` of a year's paper for a class.
    void showQuestion(int year, int schoolClass, int pos) {
        auto& state = engine().state();
        state.SelectedYear = year;
        state.SelectedClass = schoolClass;
        engine().StartBtnClick();
        form->Timer().stop();
        state.CurrentPos = pos;
        engine().FillTest();
        QCoreApplication::processEvents();
    }

    StagedWindow staged{TRAINER_STAGE_DIR};
    ui::TTestForm* const form = staged.form.get();
};

TEST_F(HighDensity, TheRunSeesTheRatioItWasStartedFor) {
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), runRatio());
    EXPECT_DOUBLE_EQ(form->devicePixelRatioF(), runRatio());
}

TEST_F(HighDensity, TheWindowsKeepTheirGeometryInLogicalPixels) {
    EXPECT_EQ(form->size(), QSize(ui::kWindowWidth, ui::kWindowHeight));
    int checked = 0;
    for (const engine::ControlInfo& info : engine::mainWindowControls()) {
        if (info.kind == engine::ControlKind::Label) {
            continue; // placed by their caption's size
        }
        const QString name = QString::fromStdString(info.name);
        EXPECT_EQ(form->widget(name)->geometry(), ui::controlGeometry(name)) << info.name;
        ++checked;
    }
    EXPECT_GT(checked, 40);

    companion::InfoWindow info(TRAINER_STAGE_DIR);
    EXPECT_EQ(info.size(), QSize(600, 440));
    EXPECT_EQ(info.startButton()->size(), QImage(":/art/StartBtn.jpg").size());
    EXPECT_EQ(info.closeButton()->size(), QImage(":/art/CloseBtn.jpg").size());
}

TEST_F(HighDensity, EveryWindowPictureIsTheRenderingForTheRatio) {
    int pictures = 0;
    for (const engine::ControlInfo& info : engine::mainWindowControls()) {
        const QString name = QString::fromStdString(info.name);
        QWidget* widget = form->widget(name);
        QPixmap picture;
        if (auto* button = qobject_cast<TImgBtn*>(widget)) {
            picture = button->Pic();
            if (!button->PicUp().isNull()) {
                expectRendering(button->PicUp().toImage(), widget->size(), info.name + " lit");
            }
        } else if (auto* box = dynamic_cast<ui::PictureBox*>(widget)) {
            picture = box->picture();
        }
        if (picture.isNull()) {
            continue; // a label or viewer, or a memory image with no picture of its own
        }
        expectRendering(picture.toImage(), widget->size(), info.name);
        ++pictures;
    }
    EXPECT_GE(pictures, 30);

    ui::TTimeForm* time = form->TimeForm();
    expectRendering(time->RezBtn->Pic().toImage(), time->RezBtn->size(), "TimeForm RezBtn");
    expectRendering(time->Time->picture().toImage(), time->Time->size(), "TimeForm Time");
    ui::THelpForm* help = form->HelpForm();
    expectRendering(help->CloseBtn->Pic().toImage(), help->CloseBtn->size(), "HelpForm CloseBtn");

    companion::InfoWindow companionWindow(TRAINER_STAGE_DIR);
    companionWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&companionWindow));
    const QImage start = companionWindow.startButton()->grab().toImage();
    EXPECT_DOUBLE_EQ(start.devicePixelRatio(), runRatio());
}

TEST_F(HighDensity, BankPicturesAreTheRenderingForTheRatio) {
    showQuestion(2006, 4, 5); // a rebus of 300 x 120 in the question
    expectRendering(firstPictureOf(form->widget("QViewer")), {300, 120}, "2006 4-5 q5");
    showQuestion(2000, 7, 7); // five option pictures of 220 x 60
    for (int k = 1; k <= 5; ++k) {
        const QString viewer = QString::fromStdString(engine::optionViewerName(k));
        expectRendering(firstPictureOf(form->widget(viewer)), {220, 60},
                        "2000 7-8 q7 option " + std::to_string(k));
    }
}

TEST_F(HighDensity, AButtonAndABankPictureAreSharperThanTheirOneXPictureScaledUp) {
    if (runRatio() < 1.5) {
        GTEST_SKIP() << "the 1x picture is nearly as sharp at this ratio";
    }
    expectSharperThanOneXScaledUp(form->widget("StartBtn")->grab().toImage(),
                                  QImage(":/ui/main/StartBtn.jpg"),
                                  QImage(":/ui/main/StartBtn@2x.jpg"), "StartBtn");

    // The first option of 2000 7-8 q7 is a picture alone in its box; the grab is cut to it.
    showQuestion(2000, 7, 7);
    const QImage box = form->widget("A1Viewer")->grab().toImage();
    const QImage oneX("Images/2000_7-8_q7_a1.jpg");
    const QImage twoX("Images/2000_7-8_q7_a1@2x.jpg");
    const QSize pixels(qRound(oneX.width() * box.devicePixelRatio()),
                       qRound(oneX.height() * box.devicePixelRatio()));
    const QRect where = bestMatch(box, resized(twoX, pixels, Qt::SmoothTransformation));
    expectSharperThanOneXScaledUp(box.copy(where), oneX, twoX, "2000 7-8 q7 option 1");
}

} // namespace
} // namespace ui_testing

#endif
