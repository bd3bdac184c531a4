#include "command_line.h"

#include "deal_number.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tavolin {
namespace {

// The options QGuiApplication and QApplication take out of the arguments.
const char* const QtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                          "display", "geometry", "title", "name", "visual", "style",
                                          "stylesheet", "qmljsdebugger"};
const char* const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows these options and ends.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the version and ends.")};
    QCommandLineOption deal{QStringLiteral("deal"),
                            QStringLiteral("Opens the window with deal N dealt (1 to 4294967295)."),
                            QStringLiteral("N")};
    QCommandLineOption solve{
        QStringLiteral("solve"),
        QStringLiteral("Says whether deal N can be won and prints the winning line, one transfer a line "
                       "(Columns 1-8, Rooms a-d, Piles h: \"3 h\" puts Column 3's card on its Pile); "
                       "no window. Exit status 0: winnable, 1: lost, 3: undecided, 2: bad arguments, "
                       "4: the answer could not be written."),
        QStringLiteral("N")};
    QCommandLineOption suits{QStringLiteral("suits"),
                             QStringLiteral("With --solve: the suit of each Pile, as the four suit buttons of the "
                                            "preferences are pressed (1 Hearts, 2 Diamonds, 3 Spades, 4 Clubs); "
                                            "default 1234."),
                             QStringLiteral("ORDER")};
    bool parsed = false;

    explicit Parser(const QStringList& arguments)
    {
        parser.setApplicationDescription(
            QStringLiteral("Tavolin, a solitaire card game: 52 cards face up in eight Columns, four Rooms "
                           "and four Piles.\nThe standard options of Qt, such as -platform and -display, "
                           "are taken too."));
        // -platform is one option, not eight.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, deal, solve, suits});
        for (const char* name : QtOptionsWithValue) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* name : QtFlags) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        parsed = parser.parse(arguments);
    }
};

// An argument as a message quotes it: a long one would bury the message.
QString shortened(const QString& argument)
{
    constexpr int Longest = 60;
    if (argument.size() <= Longest)
        return argument;
    return QStringLiteral("%1... (%2 characters)").arg(argument.left(Longest - 20)).arg(argument.size());
}

CommandLineExit refusal(const QStringList& arguments, const QString& error)
{
    const QString name = programName(arguments);
    return CommandLineExit{2, QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(name, error)};
}

// A bad value of a known option: the line says all there is to say.
CommandLineExit badValue(const QStringList& arguments, const QString& error)
{
    return CommandLineExit{2, QStringLiteral("%1: %2\n").arg(programName(arguments), error)};
}

// "2143": Pile 1 takes Diamonds, Pile 2 Hearts, ...
std::optional<std::array<std::int32_t, 4>> readSuitOrder(const QString& text)
{
    if (text.size() != 4)
        return std::nullopt;
    std::array<std::int32_t, 4> suits{};
    unsigned seen = 0;
    for (int pile = 0; pile < 4; ++pile) {
        const int suit = text[pile].unicode() - u'1';
        if (suit < 0 || suit > 3 || (seen & (1u << suit)))
            return std::nullopt;
        seen |= 1u << suit;
        suits[pile] = suit;
    }
    return suits;
}

// The About box's text area is full with the design's texts: the licence is told here.
// It is printed before any translation is loaded, and stays English like the rest of --version.
QString licenceNotice()
{
    return QStringLiteral(
        "Copyright 2026 The Tavolin developers.\n"
        "Licence GPL-3.0-or-later: the GNU General Public License, version 3 or later\n"
        "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
        "This is free software: you may change it and pass it on.\n"
        "There is NO WARRANTY, to the extent permitted by law.\n");
}

} // namespace

QString programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("tavolin") : QFileInfo(arguments.first()).fileName();
}

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

CommandLineRequest readCommandLine(const QStringList& arguments)
{
    Parser p(arguments);
    QCommandLineParser& parser = p.parser;
    if (parser.isSet(p.help)) {
        // Qt names the program only once an application object exists.
        const QString text = parser.helpText();
        return CommandLineExit{0, QStringLiteral("Usage: %1 [options]").arg(programName(arguments))
                                      + text.mid(text.indexOf(u'\n'))};
    }
    if (parser.isSet(p.version))
        return CommandLineExit{0, QStringLiteral("Tavolin " TAVOLIN_VERSION "\n") + licenceNotice()};
    if (!p.parsed && !parser.unknownOptionNames().isEmpty())
        return refusal(arguments,
                       QStringLiteral("Unknown option '%1'.").arg(shortened(parser.unknownOptionNames().first())));
    if (!p.parsed)
        return refusal(arguments, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refusal(arguments, QStringLiteral("Unexpected argument '%1'.")
                                      .arg(shortened(parser.positionalArguments().first())));
    // The last of two values would win without a word, and the first may be the one meant.
    for (const QCommandLineOption* option : {&p.deal, &p.solve, &p.suits})
        if (parser.values(*option).size() > 1)
            return badValue(arguments, QStringLiteral("--%1 is given more than once.").arg(option->names().first()));
    if (parser.isSet(p.deal) && parser.isSet(p.solve))
        return refusal(arguments, QStringLiteral("--deal and --solve do not go together."));
    if (parser.isSet(p.suits) && !parser.isSet(p.solve))
        return refusal(arguments, QStringLiteral("--suits goes with --solve."));
    const QCommandLineOption& numbered = parser.isSet(p.solve) ? p.solve : p.deal;
    std::optional<std::uint32_t> deal;
    if (parser.isSet(numbered)) {
        deal = readDealNumber(parser.value(numbered));
        if (!deal)
            return badValue(arguments, notADealNumber(shortened(parser.value(numbered))));
    }
    if (!parser.isSet(p.solve))
        return PlayRequest{deal};
    SolveRequest solve{*deal, {0, 1, 2, 3}};
    if (parser.isSet(p.suits)) {
        const auto suits = readSuitOrder(parser.value(p.suits));
        if (!suits)
            return badValue(arguments, QStringLiteral("'%1' is not a suit order: four different digits 1-4, "
                                                     "such as 1234.")
                                          .arg(shortened(parser.value(p.suits))));
        solve.pileSuits = *suits;
    }
    return solve;
}

} // namespace tavolin
