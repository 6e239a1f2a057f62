#include "engine/control_names.h"
#include "engine/test_engine.h"

namespace engine {

std::string errorReportText(const std::string& error) {
    return !error.empty() && error.back() == '.' ? error : error + ".";
}

bool TestEngine::loadRulesPage(Viewer& viewer) {
    const std::string page(kRulesPage);
    if (viewer.loadFromFile(page)) {
        return true;
    }
    window_.showErrorBox(errorReportText("Can't locate file: " + page));
    return false;
}

void TestEngine::InfoBtnClick() {
    window_.hide();
    window_.startProgram(std::string(kCompanionProgram));
    window_.close();
}

void TestEngine::MinBtnClick() {
    window_.minimize();
}

void TestEngine::CloseBtnClick() {
    window_.dialog(kTestCloseForm).showModal();
}

void TestEngine::HelpBtnClick() {
    Dialog& help = window_.dialog(kHelpForm);
    if (loadRulesPage(help.viewer("Viewr"))) {
        help.showModal();
    }
}

void TestEngine::TestCloseFormYesClick() {
    window_.close();
    window_.dialog(kTestCloseForm).close();
}

void TestEngine::TestCloseFormNoClick() {
    window_.dialog(kTestCloseForm).close();
}

void TestEngine::EndTestFormYesClick() {
    ShowRez();
    window_.dialog(kEndTestForm).close();
}

void TestEngine::EndTestFormNoClick() {
    window_.dialog(kEndTestForm).close();
}

void TestEngine::TimeFormRezBtnClick() {
    ShowRez();
    window_.dialog(kTimeForm).close();
}

void TestEngine::TestErrorFormOKBtnClick() {
    window_.dialog(kTestErrorForm).close();
}

void TestEngine::HelpFormCloseBtnClick() {
    window_.dialog(kHelpForm).close();
}

} // namespace engine
