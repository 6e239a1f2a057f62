#include "viewer/picture_name.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct NameCase {
    std::string src;
    std::string base;
    std::optional<std::string> path;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) {
    return out << '"' << c.src << "\" in \"" << c.base << '"';
}

class PictureNames : public testing::TestWithParam<NameCase> {};

TEST_P(PictureNames, Resolve) {
    EXPECT_EQ(viewer::resolvePictureName(GetParam().src, GetParam().base), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PictureNames,
    testing::Values(
        // the bank's form, against the working directory and against a page's folder
        NameCase{"Images\\2006_2-3_q11_a1.jpg", "", "Images\\2006_2-3_q11_a1.jpg"},
        NameCase{"Images\\a.jpg", "Info\\rules", "Info\\rules\\Images\\a.jpg"},
        NameCase{"Images\\a.jpg", "Info\\rules\\", "Info\\rules\\Images\\a.jpg"},
        // 1: spaces trimmed
        NameCase{"  Images\\a.jpg  ", "", "Images\\a.jpg"},
        // 2: network addresses are not resolved
        NameCase{"http://host/a.jpg", "", std::nullopt},
        NameCase{"HTTPS://host/a.jpg", "base", std::nullopt},
        NameCase{"://a.jpg", "", ":\\\\a.jpg"},
        // 3: %XX escapes, high bytes as Windows-1251
        NameCase{"a%20b.jpg", "", "a b.jpg"}, NameCase{"%C0%e0.jpg", "", "Аа.jpg"},
        NameCase{"100%.jpg", "", "100%.jpg"}, NameCase{"a%2", "", "a%2"},
        // 4: forward slashes and file: prefixes
        NameCase{"Images/a.jpg", "", "Images\\a.jpg"},
        NameCase{"file:///C|/pics/a.jpg", "base", "C:\\pics\\a.jpg"},
        NameCase{"FILE://pics/a.jpg", "base", "base\\pics\\a.jpg"},
        NameCase{"file:/a.jpg", "base", "base\\a.jpg"},
        // 5: drives, shares and the drive's root are kept
        NameCase{"C:\\x\\a.jpg", "base", "C:\\x\\a.jpg"},
        NameCase{"c|/x/a.jpg", "base", "c:\\x\\a.jpg"},
        NameCase{"\\\\server\\share\\a.jpg", "base", "\\\\server\\share\\a.jpg"},
        NameCase{"\\pics\\a.jpg", "base", "\\pics\\a.jpg"}),
    [](const auto& param) { return std::to_string(param.index); });

TEST(PictureNameHelpers, LocalPathUsesTheSystemSeparator) {
#ifdef _WIN32
    EXPECT_EQ(viewer::toLocalPath("Images\\a.jpg"), "Images\\a.jpg");
#else
    EXPECT_EQ(viewer::toLocalPath("Info\\rules\\Images\\a.jpg"), "Info/rules/Images/a.jpg");
#endif
}

TEST(PictureNameHelpers, FolderOfAFileName) {
    EXPECT_EQ(viewer::folderOf("Info\\rules\\rules.html"), "Info\\rules");
    EXPECT_EQ(viewer::folderOf("Info/rules.html"), "Info");
    EXPECT_EQ(viewer::folderOf("rules.html"), "");
    EXPECT_EQ(viewer::folderOf("\\rules.html"), "\\");
}

TEST(PictureNameHelpers, FragmentIsNotPartOfTheFile) {
    EXPECT_EQ(viewer::withoutFragment("Info\\rules\\rules.html#scores"), "Info\\rules\\rules.html");
    EXPECT_EQ(viewer::withoutFragment("rules.html"), "rules.html");
    EXPECT_EQ(viewer::withoutFragment("#top"), "");
}

} // namespace
