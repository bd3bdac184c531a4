#include "app/command_line.h"
#include "app/display_opening.h"
#include "app/solve_command.h"
#include "game/recording_events.h"
#include "solver_replay.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

QStringList line(std::initializer_list<const char*> words)
{
    QStringList arguments{QStringLiteral("/usr/games/tavolin")};
    for (const char* word : words)
        arguments << QString::fromLatin1(word);
    return arguments;
}

// Everything is read before the application object, so that no answer and
// no error needs a display. Qt's own options may come anywhere and are no
// reason to end; anything else not known ends the program with a pointer
// to the help, and a bad value of a known option with one line.
TEST(CommandLine, AnswersAndErrorsComeBeforeAnyDisplay)
{
    const std::tuple<QStringList, int, const char*> ended[] = {
        {line({"-v"}), 0, "Tavolin " TAVOLIN_VERSION "\n"},
        {line({"-platform", "offscreen", "--version"}), 0, "Tavolin " TAVOLIN_VERSION "\n"},
        {line({"-h"}), 0, "  --solve <N>"},
        {line({"-display", ":3", "--help"}), 0, "Usage: tavolin [options]"},
        {line({"--versoin"}), 2, "tavolin: Unknown option 'versoin'.\nTry 'tavolin --help'"},
        {line({"--bogus", "-platform", "xcb"}), 2, "tavolin: Unknown option 'bogus'."},
        {line({"game.ini"}), 2, "tavolin: Unexpected argument 'game.ini'."},
        {line({"--deal"}), 2, "Missing value after '--deal'."},
        {line({"--deal", "0"}), 2, "tavolin: '0' is not a deal number: deals are numbered from 1 to 4294967295.\n"},
        {line({"--deal", "-3"}), 2, "'-3' is not a deal number"},
        {line({"--solve", "4294967296"}), 2, "'4294967296' is not a deal number"},
        {line({"--solve", "12abc"}), 2, "'12abc' is not a deal number"},
        {line({"--solve", "+12"}), 2, "'+12' is not a deal number"},
        {line({"--solve", "5", "--suits", "1243x"}), 2, "'1243x' is not a suit order"},
        {line({"--solve", "5", "--suits", "1224"}), 2, "'1224' is not a suit order"},
        {line({"--solve", "5", "--suits", "0123"}), 2, "'0123' is not a suit order"},
        {line({"--suits", "1234"}), 2, "--suits goes with --solve."},
        {line({"--deal", "3", "--solve", "3"}), 2, "--deal and --solve do not go together."},
        {line({"--solve", "5", "--suits", "1234", "--suits=4321"}), 2, "tavolin: --suits is given more than once.\n"},
        {line({"--deal", "5", "-deal", "5"}), 2, "tavolin: --deal is given more than once.\n"},
    };
    for (const auto& [arguments, code, expected] : ended) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CommandLineRequest request = readCommandLine(arguments);
        const auto* exit = std::get_if<CommandLineExit>(&request);
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(exit->code, code);
        EXPECT_TRUE(exit->text.contains(QString::fromLatin1(expected))) << exit->text.toStdString();
        EXPECT_TRUE(exit->text.endsWith(u'\n'));
    }
    // A very long argument is quoted by its beginning and its length.
    const QString longArgument(130'000, u'7');
    for (const QStringList& arguments : {line({"--solve"}) << longArgument, line({}) << longArgument,
                                         line({"--solve", "4", "--suits"}) << longArgument,
                                         line({}) << QStringLiteral("--") + longArgument}) {
        const auto exit = std::get<CommandLineExit>(readCommandLine(arguments));
        EXPECT_EQ(exit.code, 2);
        EXPECT_LT(exit.text.size(), 200) << exit.text.toStdString();
        EXPECT_TRUE(exit.text.contains(QStringLiteral("'7777777777"))) << exit.text.toStdString();
    }
}

TEST(CommandLine, TheGameAndTheSolverTakeTheirNumbers)
{
    const std::tuple<QStringList, std::optional<std::uint32_t>> played[] = {
        {line({}), std::nullopt},
        {line({"-platform", "offscreen", "-style=fusion", "-reverse"}), std::nullopt},
        {line({"--deal", "17"}), 17},
        {line({"-deal", " 4294967295 ", "-display", ":0"}), 4294967295u},
        {line({"--deal=007"}), 7},
    };
    for (const auto& [arguments, deal] : played) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CommandLineRequest request = readCommandLine(arguments);
        ASSERT_TRUE(std::holds_alternative<PlayRequest>(request));
        EXPECT_EQ(std::get<PlayRequest>(request).deal, deal);
    }
    const std::tuple<QStringList, std::uint32_t, std::array<std::int32_t, 4>> solved[] = {
        {line({"--solve", "1"}), 1, {0, 1, 2, 3}},
        {line({"--suits", "2143", "--solve", "90"}), 90, {1, 0, 3, 2}},
        {line({"--solve", "5", "--suits", "4312"}), 5, {3, 2, 0, 1}},
    };
    for (const auto& [arguments, deal, suits] : solved) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CommandLineRequest request = readCommandLine(arguments);
        ASSERT_TRUE(std::holds_alternative<SolveRequest>(request));
        EXPECT_EQ(std::get<SolveRequest>(request).deal, deal);
        EXPECT_EQ(std::get<SolveRequest>(request).pileSuits, suits);
    }
}

TEST(CommandLine, EachVerdictHasItsExitStatus)
{
    const SolverTransfer toRoom{{PlaceKind::Column, 2}, {PlaceKind::Room, 0}, 5, 1, false};
    const SolverTransfer toPile{{PlaceKind::Room, 0}, {PlaceKind::Pile, 3}, 5, 1, false};
    const std::tuple<SolverAnswer, int, const char*> verdicts[] = {
        {{SolverVerdict::Winnable, {toRoom, toPile}, 9}, 0, "Deal 17: winnable in 2 transfers\n3 a\na h\n"},
        {{SolverVerdict::Lost, {}, 9}, 1, "Deal 17: lost\n"},
        {{SolverVerdict::Undecided, {}, 9}, 3, "Deal 17: undecided\n"},
    };
    for (const auto& [answer, code, text] : verdicts) {
        SCOPED_TRACE(text);
        const CommandLineExit exit = solverExit(17, answer);
        EXPECT_EQ(exit.code, code);
        EXPECT_EQ(exit.text, QString::fromLatin1(text));
    }
    // The deal is dealt as the window deals it, with the suits asked for.
    const CommandLineExit solved = solveDeal({4294967295u, {3, 1, 0, 2}});
    EXPECT_EQ(solved, solverExit(4294967295u, [] {
        testing::RecordingEvents events;
        Game game(events);
        game.table.pileSuit = {3, 1, 0, 2};
        testing::dealSeeded(game, 4294967295u);
        return solvePosition(game.table, true, {});
    }()));
}

// What Qt says before it gives up becomes one line naming the display.
TEST(CommandLine, ADisplayThatCannotBeOpenedIsNamedInOneLine)
{
    const QString fatal = QStringLiteral(
        "This application failed to start because no Qt platform plugin could be initialized. Reinstalling "
        "the application may fix this problem.\n\nAvailable platform plugins are: minimal, offscreen, xcb.\n");
    const std::tuple<QStringList, const char*> failures[] = {
        {{"could not connect to display ",
          "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."},
         "tavolin: no display: DISPLAY is not set.\n"},
        {{"could not connect to display :99"}, "tavolin: cannot open the display :99.\n"},
        {{"Could not find the Qt platform plugin \"nonsense\" in \"\""},
         "tavolin: no display: there is no platform \"nonsense\" (there are: minimal, offscreen, xcb).\n"},
        {{"Failed to create wl_display"}, "tavolin: no display could be opened (Failed to create wl_display).\n"},
    };
    for (const auto& [warnings, expected] : failures) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(displayFailureLine(QStringLiteral("tavolin"), warnings, fatal), QString::fromLatin1(expected));
    }
}

} // namespace
} // namespace tavolin
