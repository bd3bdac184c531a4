#include "player_language.h"

#include "game/words.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tavolin {
namespace {

const QString TranslationsFolder = QStringLiteral(":/translations");

std::string translateGameText(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

// The translation's name ("pt_BR") that serves the language, the one for
// its own country first; empty when there is none.
QString translationFor(const QLocale& wanted)
{
    QString found;
    // Picked out by hand: a name filter is a regular expression, and the
    // expression library would stay in memory for the whole game.
    for (const QString& file : QDir(TranslationsFolder).entryList(QDir::Files)) {
        if (!file.startsWith(u"tavolin_") || !file.endsWith(u".qm"))
            continue;
        const QString name = QFileInfo(file).completeBaseName().section(u'_', 1);
        const QLocale translation(name);
        if (translation.language() == wanted.language()
            && (found.isEmpty() || translation.territory() == wanted.territory()))
            found = name;
    }
    return found;
}

} // namespace

PlayerLanguage::PlayerLanguage(const QLocale& locale)
{
    QString name;
    for (const QString& wanted : locale.uiLanguages()) {
        const QLocale language(wanted);
        if (language.language() == QLocale::English)
            break;
        if (name = translationFor(language); !name.isEmpty())
            break;
    }
    const QLocale::Language chosen = name.isEmpty() ? QLocale::English : QLocale(name).language();
    QLocale::setDefault(locale.language() == chosen ? locale : name.isEmpty() ? QLocale(chosen) : QLocale(name));
    if (!name.isEmpty() && game_.load(QStringLiteral("tavolin_") + name, TranslationsFolder)) {
        QCoreApplication::installTranslator(&game_);
        if (qt_.load(QLocale(name), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
    }
    useTextTranslator(&translateGameText);
}

PlayerLanguage::~PlayerLanguage()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
    QLocale::setDefault(previousDefault_);
}

QString PlayerLanguage::gameLanguage() const
{
    return game_.isEmpty() ? QString() : QFileInfo(game_.filePath()).baseName().section(u'_', 1);
}

} // namespace tavolin
