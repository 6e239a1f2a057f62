#pragma once

#include <span>
#include <string>
#include <string_view>

// The controls of the main window and the dialogs, by name, with their state at start-up.
namespace engine {

// Composed names, numbers in decimal.
std::string yearButtonName(int year); // "Btn" + year
std::string classLabelName(int n);    // "ClassLab" + n
std::string numberLabelName(int n);   // "Q" + n + "Lab"
std::string letterLabelName(int n);   // "A" + n + "Lab"
std::string optionButtonName(int k);  // "A" + k + "Btn"
std::string optionViewerName(int k);  // "A" + k + "Viewer"

enum class ControlKind { Label, PictureButton, Image, Viewer };

struct ControlInfo {
    std::string name;
    ControlKind kind;
    bool visibleAtStart;
    int tag;
};

// Every control of the main window, in stacking order from the bottom.
std::span<const ControlInfo> mainWindowControls();

// The image lists of the main window.
inline constexpr std::string_view kImageLists[] = {"PimList", "BadList", "GudList", "BestList"};

// Dialog names and their controls the engine sets.
inline constexpr std::string_view kTestCloseForm = "TestCloseForm";
inline constexpr std::string_view kTestErrorForm = "TestErrorForm";
inline constexpr std::string_view kEndTestForm = "EndTestForm";
inline constexpr std::string_view kTimeForm = "TimeForm";
inline constexpr std::string_view kHelpForm = "HelpForm";

struct DialogInfo {
    std::string_view name;
    std::span<const std::string_view> images; // message pictures, hidden at start
    std::span<const std::string_view> viewers;
};

std::span<const DialogInfo> dialogs();

inline constexpr std::string_view kRulesPage = "Info\\rules\\rules.html";
inline constexpr std::string_view kCompanionProgram = "OviInfo.exe";

} // namespace engine
