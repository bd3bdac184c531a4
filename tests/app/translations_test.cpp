// The translations as the translators leave them in the source tree, and the
// program started under a locale: its menus in that language, or in English.
#include "app/clock_format.h"
#include "app/player_language.h"
#include "game/words.h"
#include "translation_file.h"
#include "window_fixture.h"

#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>

#include <map>

namespace tavolin {
namespace {

using testing::readTs;
using testing::TsFile;

// Qt's %1..%99 as a set (arg() fills them in any order and repeats), the
// printf conversions in their order or by their positions %1$s, and the "&"s.
QStringList placeholders(const QString& text)
{
    QStringList qt, conversions;
    qsizetype next = 0;
    static const QRegularExpression pattern(QStringLiteral("%(?:(\\d+)\\$)?([sd])|%(\\d+)"));
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text)) {
        if (!m.captured(3).isEmpty()) {
            qt << QLatin1Char('%') + m.captured(3);
            continue;
        }
        const qsizetype at = m.captured(1).isEmpty() ? next++ : m.captured(1).toInt() - 1;
        while (conversions.size() <= at)
            conversions << QString();
        conversions[at] += m.captured(2);
    }
    qt.sort();
    qt.removeDuplicates();
    return qt + QStringList{QStringLiteral("|")} + conversions + QStringList{QString::number(text.count(u'&'))};
}

// Every language: no finished entry empty, none without a placeholder of its
// source. The languages listed as finished: no entry left unfinished.
TEST(Translations, KeepEveryPlaceholderOfTheirSourcesAndAreCompleteOnceFinished)
{
    const QStringList finished = QStringLiteral(TAVOLIN_CHECKED_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
    const QStringList languages = QDir(QStringLiteral(TAVOLIN_TRANSLATIONS_DIR))
                                      .entryList({QStringLiteral("tavolin_*.ts")})
                                      .replaceInStrings(QRegularExpression(QStringLiteral("^tavolin_|\\.ts$")), QString());
    EXPECT_EQ(languages.size(), 6);
    for (const QString& language : languages) {
        for (const auto& [key, entry] : readTs(language)) {
            SCOPED_TRACE(QStringLiteral("%1 %2: %3").arg(language, key.first, key.second).toStdString());
            EXPECT_TRUE(entry.finished || !finished.contains(language)) << "unfinished";
            if (entry.finished) {
                EXPECT_FALSE(entry.translation.isEmpty());
                EXPECT_EQ(placeholders(entry.translation), placeholders(key.second));
            }
        }
    }
}

using LanguageTest = testing::WindowFixture<>;

QStringList menuTexts(const QMainWindow& window)
{
    QStringList texts;
    for (QAction* menu : window.menuBar()->actions())
        for (const QAction* action : QList<QAction*>{menu} + menu->menu()->actions())
            if (!action->isSeparator())
                texts << action->text();
    return texts;
}

// The English menus, and under each finished language the same menus as
// its translation file gives them; the model's texts, Qt's own buttons and
// the names of the days go the same way. Portugal reads the Brazilian
// translation; a language with none is English throughout.
TEST_F(LanguageTest, ShowsTheWholeWindowInTheLanguageOfTheLocale)
{
    open();
    const QStringList english = menuTexts(*window);
    ASSERT_EQ(english.mid(0, 3), (QStringList{QStringLiteral("&Game"), QStringLiteral("&New game"),
                                              QStringLiteral("&Finish game")}));
    std::vector<std::pair<QString, QString>> cases{{QStringLiteral("C"), {}}, {QStringLiteral("en_US"), {}},
                                                   {QStringLiteral("ja_JP"), {}}, {QStringLiteral("pt_PT"), QStringLiteral("pt_BR")}};
    for (const QString& language : QStringLiteral(TAVOLIN_CHECKED_LANGUAGES).split(u' ', Qt::SkipEmptyParts))
        cases.emplace_back(language, language);
    for (const auto& [locale, language] : cases) {
        SCOPED_TRACE(locale.toStdString());
        const PlayerLanguage chosen{QLocale(locale)};
        EXPECT_EQ(chosen.gameLanguage().toStdString(), language.toStdString());
        open();
        const TsFile ts = language.isEmpty() ? TsFile{} : readTs(language);
        const auto shown = [&](const char* context, const QString& source) {
            const auto found = ts.find({QString::fromLatin1(context), source});
            return found == ts.end() || !found->second.finished ? source : found->second.translation;
        };
        const QStringList texts = menuTexts(*window);
        ASSERT_EQ(texts.size(), english.size());
        for (qsizetype i = 0; i < texts.size(); ++i)
            EXPECT_EQ(texts[i].toStdString(), shown("tavolin::TForm1", english[i]).toStdString());
        EXPECT_EQ(translatedText("Card", "Hearts"), shown("Card", QStringLiteral("Hearts")).toStdString());
        const QLocale::Language spoken = language.isEmpty() ? QLocale::English : QLocale(language).language();
        EXPECT_EQ(QLocale().language(), spoken);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == u"Cancel", language.isEmpty());
    }
}

// A game's start and end show the time of day in the locale's own way, on
// the 24-hour clock, with no time zone and nothing left of the brackets some
// locales put around it.
TEST(ClockFormatTest, ShowsTheTimeOnThe24HourClockWithoutAZone)
{
    for (const char* locale : {"C", "en_US", "de_DE", "es_ES", "fr_FR", "it_IT", "pt_BR", "nl_NL", "ja_JP", "ko_KR"}) {
        SCOPED_TRACE(locale);
        const QString shown = QTime(20, 33, 20).toString(clockFormat(QLocale(QString::fromLatin1(locale))));
        EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("^\\D*20\\D+33\\D+20\\D*$")))) << shown.toStdString();
        EXPECT_FALSE(shown.contains(u'(') || shown.contains(u')') || shown.endsWith(u' ')) << shown.toStdString();
        EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("[A-Z]{3,}|UTC|GMT")))) << shown.toStdString();
    }
}

} // namespace
} // namespace tavolin
