#include "player_language.h"

#include "game/words.h"
#include "platform/file_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <optional>

namespace tavolin {
namespace {

const QString TranslationsFolder = QStringLiteral(":/translations");

std::string translateGameText(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

// The translations' names ("de", "pt_BR").
QStringList translationNames()
{
    const QString prefix = QStringLiteral("tavolin_");
    const QString suffix = QStringLiteral(".qm");
    QStringList names;
    for (const QString& file : namesStartingWith(TranslationsFolder, prefix, QDir::Files)) {
        if (file.endsWith(suffix))
            names << file.sliced(prefix.size(), file.size() - prefix.size() - suffix.size());
    }
    return names;
}

// The translation's name that serves the language, the one for its own
// country first; empty when there is none.
QString translationFor(const QLocale& wanted, const QStringList& names)
{
    QString found;
    for (const QString& name : names) {
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
    // Looked for only when a language other than English is wanted: the
    // C locale, English's, is no such language and has no translation.
    std::optional<QStringList> names;
    for (const QString& wanted : locale.uiLanguages()) {
        const QLocale language(wanted);
        if (language.language() == QLocale::English)
            break;
        if (language.language() == QLocale::C)
            continue;
        if (!names)
            names = translationNames();
        if (name = translationFor(language, *names); !name.isEmpty())
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
