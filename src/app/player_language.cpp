#include "player_language.h"

#include "game/words.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tavolin {
namespace {

std::string translateGameText(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

PlayerLanguage::PlayerLanguage(const QLocale& locale)
{
    // QTranslator tries the locale's languages in the player's order, each
    // from the most to the least specific name: pt_BR, then pt.
    if (game_.load(locale, QStringLiteral("tavolin"), QStringLiteral("_"), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(&game_);
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    useTextTranslator(&translateGameText);
}

PlayerLanguage::~PlayerLanguage()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

QString PlayerLanguage::gameLanguage() const
{
    return game_.isEmpty() ? QString() : QFileInfo(game_.filePath()).baseName().section(u'_', 1);
}

} // namespace tavolin
