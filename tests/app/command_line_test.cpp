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

TEST(CommandLine, HelpAndVersionAreAnsweredWithoutAGame)
{
    const QString version = QStringLiteral("Tavolin " TAVOLIN_VERSION "\n");
    const std::pair<QStringList, QString> cases[] = {
        {line({"--version"}), version},
        {line({"-v"}), version},
        {line({"-platform", "offscreen", "--version"}), version},
        {line({"--help"}), QStringLiteral("Usage: tavolin [options]")},
        {line({"-h"}), QStringLiteral("  -v, --version")},
        {line({"-display", ":3", "--help"}), QStringLiteral("  -h, --help")},
    };
    for (const auto& [arguments, expected] : cases) {
        const auto exit = helpOrVersion(arguments);
        ASSERT_TRUE(exit.has_value()) << arguments.join(u' ').toStdString();
        EXPECT_EQ(exit->code, 0);
        EXPECT_TRUE(exit->text.contains(expected)) << exit->text.toStdString();
    }
}

TEST(CommandLine, TheGameStartsWithQtsOptionsAndRefusesAnythingElse)
{
    for (const QStringList& arguments : {line({}), line({"-platform", "offscreen"}), line({"-style=fusion"})})
        EXPECT_FALSE(helpOrVersion(arguments).has_value()) << arguments.join(u' ').toStdString();

    // Seen after the application object took out Qt's own options.
    EXPECT_FALSE(unknownArguments(line({})).has_value());
    const std::pair<QStringList, QString> refused[] = {
        {line({"--versoin"}), QStringLiteral("tavolin: Unknown option 'versoin'.")},
        {line({"game.ini"}), QStringLiteral("tavolin: Unexpected argument 'game.ini'.")},
    };
    for (const auto& [arguments, expected] : refused) {
        const auto exit = unknownArguments(arguments);
        ASSERT_TRUE(exit.has_value()) << expected.toStdString();
        EXPECT_NE(exit->code, 0);
        EXPECT_TRUE(exit->text.startsWith(expected)) << exit->text.toStdString();
        EXPECT_TRUE(exit->text.contains(QStringLiteral("tavolin --help"))) << exit->text.toStdString();
    }
}

} // namespace
} // namespace tavolin
