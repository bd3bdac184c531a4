#include "command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tavolin {
namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows these options and ends.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the version and ends.")};
    bool parsed = false;

    explicit Parser(const QStringList& arguments)
    {
        parser.setApplicationDescription(
            QStringLiteral("Tavolin, a solitaire card game: 52 cards face up in eight Columns, four Rooms "
                           "and four Piles.\nThe standard options of Qt, such as -platform and -display, "
                           "are taken too."));
        // -platform is one option, not eight.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parsed = parser.parse(arguments);
    }
};

QString programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("tavolin") : QFileInfo(arguments.first()).fileName();
}

} // namespace

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<CommandLineExit> helpOrVersion(const QStringList& arguments)
{
    Parser p(arguments);
    if (p.parser.isSet(p.help)) {
        // Qt names the program only once an application object exists.
        const QString text = p.parser.helpText();
        return CommandLineExit{0, QStringLiteral("Usage: %1 [options]").arg(programName(arguments))
                                      + text.mid(text.indexOf(u'\n'))};
    }
    if (p.parser.isSet(p.version))
        return CommandLineExit{0, QStringLiteral("Tavolin " TAVOLIN_VERSION "\n")};
    return std::nullopt;
}

std::optional<CommandLineExit> unknownArguments(const QStringList& arguments)
{
    Parser p(arguments);
    QString error;
    if (!p.parsed)
        error = p.parser.errorText();
    else if (!p.parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(p.parser.positionalArguments().first());
    else
        return std::nullopt;
    const QString name = programName(arguments);
    return CommandLineExit{2, QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(name, error)};
}

} // namespace tavolin
