// Runs the viewer's Qt tests on the offscreen platform with the phonetic test font loaded.
#include <QApplication>
#include <QFontDatabase>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (QFontDatabase::addApplicationFont(QStringLiteral(PHONETIC_TEST_FONT)) < 0) {
        std::fprintf(stderr, "cannot load the test font %s\n", PHONETIC_TEST_FONT);
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
