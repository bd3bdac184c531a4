#include "app/command_line.h"

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

// Qt's own options may come first and are no reason to end; anything else
// not known ends the program with a pointer to the help. Unknown arguments
// are looked for after the application object took out Qt's options.
TEST(CommandLine, HelpAndVersionEndAtOnceAndAnythingUnknownIsRefused)
{
    const std::tuple<QStringList, const char*, bool> answered[] = {
        {line({"-v"}), "Tavolin " TAVOLIN_VERSION "\n", true},
        {line({"-platform", "offscreen", "--version"}), "Tavolin " TAVOLIN_VERSION "\n", true},
        {line({"-h"}), "  -v, --version", true},
        {line({"-display", ":3", "--help"}), "Usage: tavolin [options]", true},
        {line({"--versoin"}), "tavolin: Unknown option 'versoin'.", false},
        {line({"game.ini"}), "tavolin: Unexpected argument 'game.ini'.", false},
    };
    for (const auto& [arguments, expected, helped] : answered) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const auto exit = helped ? helpOrVersion(arguments) : unknownArguments(arguments);
        ASSERT_TRUE(exit.has_value());
        EXPECT_TRUE(exit->text.contains(QString::fromLatin1(expected))) << exit->text.toStdString();
        EXPECT_EQ(exit->code == 0, helped);
        EXPECT_EQ(exit->text.contains("tavolin --help"), !helped);
    }
    for (const QStringList& arguments : {line({}), line({"-platform", "offscreen"}), line({"-style=fusion"})})
        EXPECT_FALSE(helpOrVersion(arguments).has_value()) << arguments.join(u' ').toStdString();
    EXPECT_FALSE(unknownArguments(line({})).has_value());
}

} // namespace
} // namespace tavolin
