#include "bank/cp1251.h"
#include "bank/loaders.h"
#include "engine/control_names.h"
#include "engine/random_test.h"
#include "engine/scoring.h"
#include "engine/test_engine.h"

#include <chrono>

namespace engine {
namespace {

struct ClassMenuRow {
    int labels;     // ClassLab1 to ClassLab<labels> are shown
    int firstClass; // class of ClassLab1
};

// The classes a year offers, as a run of labels; none for a year outside the menu.
ClassMenuRow classMenu(int year) {
    if (year == 0 || (year >= 2004 && year <= 2006)) {
        return {10, 2};
    }
    if (year >= 2001 && year <= 2003) {
        return {9, 3};
    }
    if (year == 2000) {
        return {7, 5};
    }
    return {0, 0};
}

std::uint32_t clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

TestEngine::TestEngine(Window& window, const bank::Bank& bank)
    : window_(window), bank_(bank), seedSource_(clockSeed) {}

void TestEngine::setSeedSource(std::function<std::uint32_t()> seedSource) {
    seedSource_ = std::move(seedSource);
}

void TestEngine::FormCreate() {
    loadRulesPage(window_.viewer("RulesViewer"));
    state_.SelectedYear = -1;
    state_.SelectedClass = 0;
}

void TestEngine::BtnClick(PictureButton& sender) {
    Image& buf = window_.image("BtnBuf");
    if (buf.tag() >= 0) {
        window_.button(yearButtonName(buf.tag())).SetPic(buf.picture());
    }
    buf.setPicture(sender.Pic());
    sender.SetPic(sender.PicDown());
    buf.setTag(sender.tag());
    state_.SelectedYear = sender.tag();
    ClassLabRePaint();
}

void TestEngine::ClassLabRePaint() {
    static const Text suffix = bank::cp1251::literal("-й класс");
    for (int n = 1; n <= 10; ++n) {
        Label& label = window_.label(classLabelName(n));
        label.setVisible(false);
        label.setColour(Colour::Maroon);
    }
    const ClassMenuRow row = classMenu(state_.SelectedYear);
    for (int n = 1; n <= row.labels; ++n) {
        Label& label = window_.label(classLabelName(n));
        const int schoolClass = row.firstClass + n - 1;
        label.setCaption(std::to_string(schoolClass) + suffix);
        label.setTag(schoolClass);
        label.setVisible(true);
    }
    state_.SelectedClass = 0;
}

void TestEngine::ClassLabClick(Label& sender) {
    ClassLabRePaint();
    sender.setColour(Colour::Red);
    state_.SelectedClass = sender.tag();
}

void TestEngine::ClassLabMouseEnter(Label& sender) {
    sender.setUnderlined(true);
}

void TestEngine::ClassLabMouseLeave(Label& sender) {
    sender.setUnderlined(false);
}

void TestEngine::StartBtnClick() {
    if (state_.SelectedYear == -1) {
        showErrorDialog("YearImg");
        return;
    }
    if (state_.SelectedClass == 0) {
        showErrorDialog("ClassImg");
        return;
    }
    bank::ClearRezBase(state_.RezBase);
    if (state_.SelectedYear == 0) {
        FillBaseRandom();
    } else {
        const bank::LoadTarget target{state_.Base, state_.QuestionCount};
        bank::fillBaseOf(state_.SelectedYear)(bank_, state_.SelectedClass, target);
        bank::fillRezBaseOf(state_.SelectedYear)(bank_, state_.SelectedClass, state_.RezBase);
    }
    state_.CurrentPos = 1;
    state_.AnsweredCount = 0;
    state_.Score = 0;
    window_.label(numberLabelName(1)).setColour(Colour::Red);
    FillTest();
    ShowTest();
}

void TestEngine::FillBaseRandom() {
    generator_.seed(seedSource_());
    engine::FillBaseRandom(bank_, state_.SelectedClass, {state_.Base, state_.QuestionCount},
                           generator_);
}

void TestEngine::ShowTest() {
    Image& buf = window_.image("BtnBuf");
    if (buf.tag() >= 0) {
        window_.button(yearButtonName(buf.tag())).SetPic(buf.picture());
    }
    buf.setTag(-1);

    window_.image("PimImg1").setVisible(false);
    window_.button("Btn0").setVisible(false);
    for (int year = bank::kFirstYear; year <= bank::kLastYear; ++year) {
        window_.button(yearButtonName(year)).setVisible(false);
    }
    for (int n = 1; n <= 10; ++n) {
        window_.label(classLabelName(n)).setVisible(false);
    }
    window_.image("MenuBack").setVisible(false);
    for (const char* name : {"StartBtn", "InfoBtn", "ExitBtn"}) {
        window_.button(name).setVisible(false);
    }
    window_.viewer("RulesViewer").setVisible(false);
    window_.image("ViewerBack").setVisible(false);

    window_.image("PimImg2").setVisible(true);
    window_.image("SetkaBack").setVisible(true);
    Label& clock = window_.label("TimeLab");
    clock.setCaption(clockText(kTestMinutes, 0));
    clock.setVisible(true);

    for (int n = 1; n <= state_.QuestionCount; ++n) {
        window_.label(numberLabelName(n)).setVisible(true);
        window_.label(letterLabelName(n)).setVisible(true);
    }

    for (const char* name : {"EnterBtn", "LaterBtn", "EndTestBtn", "HelpBtn"}) {
        window_.button(name).setVisible(true);
    }
    window_.image("QABack").setVisible(true);
    window_.viewer("QViewer").setVisible(true);
    for (int k = 1; k <= 5; ++k) {
        window_.button(optionButtonName(k)).setVisible(true);
        window_.viewer(optionViewerName(k)).setVisible(true);
    }

    window_.timer().setInterval(kCountdownInterval);
    state_.TimerMajor = kTestMinutes;
    state_.TimerMinor = 0;
}

} // namespace engine
