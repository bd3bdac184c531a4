#include "app/application_identity.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "platform/qt_card_library.h"
#include "platform/qt_environment.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_registry.h"
#include "platform/system_clock.h"

#include <QApplication>

#include <cstdio>

namespace {

int finish(const tavolin::CommandLineExit& exit)
{
    std::fputs(exit.text.toLocal8Bit().constData(), exit.code == 0 ? stdout : stderr);
    return exit.code;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto exit = tavolin::helpOrVersion(tavolin::argumentList(argc, argv)))
        return finish(*exit);
    QApplication application(argc, argv);
    if (const auto exit = tavolin::unknownArguments(QApplication::arguments()))
        return finish(*exit);
    tavolin::nameApplication();

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
