#include "engine/control_names.h"
#include "engine/review.h"
#include "engine/scoring.h"
#include "engine/test_engine.h"

namespace engine {

void TestEngine::ShowRez() {
    state_.ResultHtml = summaryHtml(state_.Score, state_.SelectedYear, state_.RezBase);
    state_.SelectedYear = -1;
    state_.SelectedClass = 0;

    window_.viewer("RezViewer").loadFromString(state_.ResultHtml);

    PictureButton& rezBtn = window_.button("RezBtn");
    window_.image("BtnBuf").setPicture(rezBtn.Pic());
    rezBtn.SetPic(rezBtn.PicUp());
    rezBtn.setTag(1);

    for (int n = 1; n <= bank::TestBase::kPositions; ++n) {
        window_.label(numberLabelName(n)).setColour(Colour::WindowText);
        window_.label(letterLabelName(n))
            .setColour(state_.Base.isCorrect(n) ? Colour::Green : Colour::Red);
    }

    for (const char* name : {"PimImg2", "SetkaBack", "QABack"}) {
        window_.image(name).setVisible(false);
    }
    window_.label("TimeLab").setVisible(false);
    window_.viewer("QViewer").setVisible(false);
    for (int k = 1; k <= 5; ++k) {
        window_.viewer(optionViewerName(k)).setVisible(false);
        window_.button(optionButtonName(k)).setVisible(false);
    }
    for (const char* name : {"EnterBtn", "LaterBtn", "EndTestBtn"}) {
        window_.button(name).setVisible(false);
    }

    const char* frames = state_.Score <= 30   ? "BadList"
                         : state_.Score <= 80 ? "GudList"
                                              : "BestList";
    window_.imageList("PimList").frames = window_.imageList(frames).frames;

    window_.timer().setInterval(kAnimationInterval);
    state_.TimerMinor = 0;
    state_.TimerMajor = 1;

    Image& abuf = window_.image("ABtnBuf");
    if (abuf.tag() != 0) {
        window_.button(optionButtonName(abuf.tag())).SetPic(abuf.picture());
        abuf.setTag(0);
    }

    for (const char* name : {"PimImg", "SetkaRez", "ViewerBack"}) {
        window_.image(name).setVisible(true);
    }
    window_.viewer("RezViewer").setVisible(true);
    for (const char* name : {"RezBtn", "TestBtn", "InfoBtn", "ExitBtn"}) {
        window_.button(name).setVisible(true);
    }
}

void TestEngine::setAllNumberLabels(Colour colour) {
    for (int n = 1; n <= bank::TestBase::kPositions; ++n) {
        window_.label(numberLabelName(n)).setColour(colour);
    }
}

void TestEngine::unlightRezBtn() {
    PictureButton& rezBtn = window_.button("RezBtn");
    if (rezBtn.tag() == 1) {
        rezBtn.SetPic(window_.image("BtnBuf").picture());
        rezBtn.setTag(0);
    }
}

void TestEngine::reviewQuestion(Label& sender) {
    const int n = positionOf(sender);
    if (n == 0) {
        return;
    }
    setAllNumberLabels(Colour::WindowText);
    state_.CurrentPos = n;
    unlightRezBtn();
    sender.setColour(Colour::Red);
    window_.viewer("RezViewer").loadFromString(reviewHtml(state_.Base[n]));
}

void TestEngine::RezBtnClick() {
    setAllNumberLabels(Colour::WindowText);
    PictureButton& rezBtn = window_.button("RezBtn");
    rezBtn.SetPic(rezBtn.PicUp());
    rezBtn.setTag(1);
    window_.viewer("RezViewer").loadFromString(state_.ResultHtml);
}

void TestEngine::TestBtnClick() {
    unlightRezBtn();
    state_.Base.ClearBase();

    for (const char* name : {"PimImg", "SetkaRez"}) {
        window_.image(name).setVisible(false);
    }
    window_.viewer("RezViewer").setVisible(false);
    for (const char* name : {"RezBtn", "TestBtn", "HelpBtn"}) {
        window_.button(name).setVisible(false);
    }
    for (int n = 1; n <= bank::TestBase::kPositions; ++n) {
        Label& number = window_.label(numberLabelName(n));
        number.setVisible(false);
        number.setColour(Colour::WindowText);
        Label& letter = window_.label(letterLabelName(n));
        letter.setVisible(false);
        letter.setColour(Colour::WindowText);
        letter.setCaption({});
    }
    window_.imageList("PimList").frames.clear();

    window_.image("PimImg1").setVisible(true);
    window_.image("MenuBack").setVisible(true);
    window_.button("Btn0").setVisible(true);
    for (int year = 2000; year <= 2006; ++year) {
        window_.button(yearButtonName(year)).setVisible(true);
    }
    window_.button("StartBtn").setVisible(true);

    Viewer& rules = window_.viewer("RulesViewer");
    if (loadRulesPage(rules)) {
        rules.setVisible(true);
    }
}

} // namespace engine
