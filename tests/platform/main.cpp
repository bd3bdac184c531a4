#include <QApplication>

#include <gtest/gtest.h>

// The card library is looked for beside the program, and message boxes need
// an application: both want a QApplication before the first test.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
