#include "control_names.h"

#include <vector>

namespace engine {

std::string yearButtonName(int year) {
    return "Btn" + std::to_string(year);
}
std::string classLabelName(int n) {
    return "ClassLab" + std::to_string(n);
}
std::string numberLabelName(int n) {
    return "Q" + std::to_string(n) + "Lab";
}
std::string letterLabelName(int n) {
    return "A" + std::to_string(n) + "Lab";
}
std::string optionButtonName(int k) {
    return "A" + std::to_string(k) + "Btn";
}
std::string optionViewerName(int k) {
    return "A" + std::to_string(k) + "Viewer";
}

namespace {

std::vector<ControlInfo> buildMainWindowControls() {
    using K = ControlKind;
    std::vector<ControlInfo> c;
    auto add = [&c](std::string name, K kind, bool visible, int tag = 0) {
        c.push_back({std::move(name), kind, visible, tag});
    };
    add("Back", K::Image, true);
    add("MenuBack", K::Image, true);
    add("SetkaBack", K::Image, false);
    add("SetkaRez", K::Image, false);
    add("PimImg1", K::Image, true);
    add("StartBtn", K::PictureButton, true);
    add("InfoBtn", K::PictureButton, true);
    add("ExitBtn", K::PictureButton, true);
    add("MinBtn", K::PictureButton, true);
    add("HelpBtn", K::PictureButton, false);
    add("CloseBtn", K::PictureButton, true);
    add("BtnBuf", K::Image, false, -1);
    for (int n = 1; n <= 10; ++n) {
        add(classLabelName(n), K::Label, false);
    }
    add("PimImg2", K::Image, false);
    add("QABack", K::Image, false);
    add("EnterBtn", K::PictureButton, false);
    add("LaterBtn", K::PictureButton, false);
    add("EndTestBtn", K::PictureButton, false);
    for (int n = 1; n <= 30; ++n) {
        add(numberLabelName(n), K::Label, false);
    }
    for (int n = 1; n <= 30; ++n) {
        add(letterLabelName(n), K::Label, false);
    }
    add("TimeLab", K::Label, false);
    for (int k = 1; k <= 5; ++k) {
        add(optionButtonName(k), K::PictureButton, false, k);
    }
    add("ABtnBuf", K::Image, false, 0);
    add("PimImg", K::Image, false);
    add("RezBtn", K::PictureButton, false);
    add("TestBtn", K::PictureButton, false);
    add("ViewerBack", K::Image, true);
    add("Btn0", K::PictureButton, true, 0);
    for (int year = 2000; year <= 2006; ++year) {
        add(yearButtonName(year), K::PictureButton, true, year);
    }
    // The viewers are windows of their own and lie above all the controls.
    add("RulesViewer", K::Viewer, true);
    add("QViewer", K::Viewer, false);
    add("A1Viewer", K::Viewer, false);
    add("A3Viewer", K::Viewer, false);
    add("A2Viewer", K::Viewer, false);
    add("A4Viewer", K::Viewer, false);
    add("A5Viewer", K::Viewer, false);
    add("RezViewer", K::Viewer, false);
    return c;
}

constexpr std::string_view kErrorImages[] = {"YearImg", "ClassImg", "AnswerImg"};
constexpr std::string_view kTimeImages[] = {"Time", "AllQ"};
constexpr std::string_view kHelpViewers[] = {"Viewr"};

constexpr DialogInfo kDialogs[] = {
    {kTestCloseForm, {}, {}},     {kTestErrorForm, kErrorImages, {}}, {kEndTestForm, {}, {}},
    {kTimeForm, kTimeImages, {}}, {kHelpForm, {}, kHelpViewers},
};

} // namespace

std::span<const ControlInfo> mainWindowControls() {
    static const std::vector<ControlInfo> controls = buildMainWindowControls();
    return controls;
}

std::span<const DialogInfo> dialogs() {
    return kDialogs;
}

} // namespace engine
