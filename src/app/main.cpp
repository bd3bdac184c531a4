#include "app/main_window.h"
#include "platform/qt_card_library.h"
#include "platform/qt_environment.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_registry.h"
#include "platform/system_clock.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    // The caption's words; a window manager shows them for the program.
    QApplication::setApplicationDisplayName(tavolin::TForm1::Caption.trimmed());
    QApplication::setApplicationVersion(QStringLiteral("2.2"));

    tavolin::QtRegistry registry(tavolin::QtRegistry::defaultDirectory());
    tavolin::QtMessageBoxes messages;
    tavolin::SystemClock clock;
    tavolin::QtEnvironment environment;
    tavolin::QtCardLibrary cards;
    tavolin::Platform platform{registry, messages, clock, environment, cards};

    tavolin::TForm1 window(platform);
    window.show();
    window.activateWindow();
    return application.exec();
}
