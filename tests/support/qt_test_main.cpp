// Test programs that need an application object (widgets, message boxes, the
// card library found beside the program) run under a QApplication, headless
// unless a platform is asked for, with the fonts the package depends on.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", TAVOLIN_TEST_FONTS);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
