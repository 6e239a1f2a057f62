#include "engine/control_names.h"
#include "engine/scoring.h"
#include "engine/test_engine.h"

#include <charconv>

namespace engine {

int positionOf(const Label& numberLabel) {
    const Text caption = numberLabel.caption();
    int n = 0;
    const auto [end, error] = std::from_chars(caption.data(), caption.data() + caption.size(), n);
    const bool valid = error == std::errc{} && end == caption.data() + caption.size();
    return valid && n >= 1 && n <= bank::TestBase::kPositions ? n : 0;
}

void TestEngine::FillTest() {
    Image& abuf = window_.image("ABtnBuf");
    if (abuf.tag() != 0) {
        window_.button(optionButtonName(abuf.tag())).SetPic(abuf.picture());
        abuf.setTag(0);
    }
    const bank::TRec& rec = state_.Base[state_.CurrentPos];
    window_.viewer("QViewer").loadFromString(rec.Q);
    for (int k = 1; k <= 5; ++k) {
        window_.viewer(optionViewerName(k)).loadFromString(optionHtml(rec.option(k)));
    }
    state_.QuestionPoints = pointsForPosition(state_.CurrentPos);
}

void TestEngine::ABtnClick(PictureButton& sender) {
    Image& abuf = window_.image("ABtnBuf");
    if (abuf.tag() != 0) {
        window_.button(optionButtonName(abuf.tag())).SetPic(abuf.picture());
    }
    abuf.setPicture(sender.Pic());
    sender.SetPic(sender.PicUp());
    abuf.setTag(sender.tag());
}

void TestEngine::EnterBtnClick() {
    const int k = window_.image("ABtnBuf").tag();
    if (k == 0) {
        showErrorDialog("AnswerImg");
        return;
    }
    const int pos = state_.CurrentPos;
    state_.Base.commitOption(pos, k);
    window_.label(letterLabelName(pos)).setCaption(optionLetter(k));
    if (state_.Base.isCorrect(pos)) {
        state_.Score += state_.QuestionPoints;
    }
    ++state_.AnsweredCount;
    if (state_.AnsweredCount == state_.QuestionCount) {
        window_.timer().setInterval(0);
        showTimeDialog("AllQ");
        return;
    }
    LaterBtnClick();
}

void TestEngine::LaterBtnClick() {
    const int count = window_.label(numberLabelName(30)).visible() ? 30 : 26;
    auto next = [count](int pos) { return pos == count ? 1 : pos + 1; };

    // Search after the question on screen, wrapping to 1; the question on screen is itself
    // unanswered, so at most `count` steps find one. Should none be, nothing changes.
    int pos = next(state_.CurrentPos);
    int steps = 1;
    while (state_.Base.isAnswered(pos) && steps < count) {
        pos = next(pos);
        ++steps;
    }
    if (state_.Base.isAnswered(pos)) {
        return;
    }
    window_.label(numberLabelName(state_.CurrentPos)).setColour(Colour::WindowText);
    state_.CurrentPos = pos;
    window_.label(numberLabelName(pos)).setColour(Colour::Red);
    FillTest();
}

void TestEngine::QLabClick(Label& sender) {
    if (window_.button("RezBtn").visible()) {
        reviewQuestion(sender);
    } else {
        jumpToQuestion(sender);
    }
}

void TestEngine::jumpToQuestion(Label& sender) {
    const int n = positionOf(sender);
    if (n == 0 || state_.Base.isAnswered(n)) {
        return;
    }
    window_.label(numberLabelName(state_.CurrentPos)).setColour(Colour::WindowText);
    state_.CurrentPos = n;
    sender.setColour(Colour::Red);
    FillTest();
}

void TestEngine::EndTestBtnClick() {
    window_.dialog(kEndTestForm).showModal();
}

void TestEngine::showErrorDialog(std::string_view visibleImage) {
    Dialog& dialog = window_.dialog(kTestErrorForm);
    for (std::string_view name : {"YearImg", "ClassImg", "AnswerImg"}) {
        dialog.image(name).setVisible(name == visibleImage);
    }
    dialog.showModal();
}

void TestEngine::showTimeDialog(std::string_view visibleImage) {
    Dialog& dialog = window_.dialog(kTimeForm);
    for (std::string_view name : {"Time", "AllQ"}) {
        dialog.image(name).setVisible(name == visibleImage);
    }
    dialog.showModal();
}

} // namespace engine
