#include "app/answer_output.h"
#include "app/application_identity.h"
#include "app/command_line.h"
#include "app/display_opening.h"
#include "app/main_window.h"
#include "app/player_language.h"
#include "app/solve_command.h"
#include "platform/qt_card_library.h"
#include "platform/qt_environment.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_registry.h"
#include "platform/system_clock.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    const QStringList arguments = tavolin::argumentList(argc, argv);
    const tavolin::CommandLineRequest request = tavolin::readCommandLine(arguments);
    const QString program = tavolin::programName(arguments);
    if (const auto* exit = std::get_if<tavolin::CommandLineExit>(&request))
        return tavolin::printed(program, exit->text, exit->code == 0 ? stdout : stderr, exit->code);
    // Every verdict is an answer, on standard output.
    if (const auto* solve = std::get_if<tavolin::SolveRequest>(&request)) {
        const tavolin::CommandLineExit answer = tavolin::solveDeal(*solve);
        return tavolin::printed(program, answer.text, stdout, answer.code);
    }
    const tavolin::PlayRequest play = std::get<tavolin::PlayRequest>(request);

    auto opening = std::make_unique<tavolin::DisplayOpening>(program);
    QApplication application(argc, argv);
    opening.reset();
    tavolin::nameApplication();
    const tavolin::PlayerLanguage language;

    tavolin::QtRegistry registry(tavolin::QtRegistry::defaultDirectory());
    tavolin::QtMessageBoxes messages;
    tavolin::SystemClock clock;
    tavolin::QtEnvironment environment;
    tavolin::QtCardLibrary cards;
    tavolin::Platform platform{registry, messages, clock, environment, cards};

    tavolin::TForm1 window(platform);
    window.show();
    window.activateWindow();
    // After the first idle moment, which loads the card library.
    if (play.deal)
        QTimer::singleShot(0, &window, [&window, number = *play.deal] { window.startDeal(number); });
    return application.exec();
}
