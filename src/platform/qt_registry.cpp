#include "platform/qt_registry.h"

#include "platform/registry_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace tavolin {
namespace {

class QtRegistryKey final : public RegistryKey {
public:
    QtRegistryKey(std::shared_ptr<QSettings> settings, QString path)
        : settings_(std::move(settings)), path_(std::move(path))
    {
    }

    std::optional<std::int32_t> readDword(const QString& name) const override
    {
        const QVariant data = value(name);
        if (data.typeId() != QMetaType::Int)
            return std::nullopt;
        return data.toInt();
    }

    QString readString(const QString& name) const override
    {
        const QVariant data = value(name);
        return data.typeId() == QMetaType::QString ? data.toString() : QString();
    }

    bool writeDword(const QString& name, std::int32_t value) override
    {
        return write(name, QVariant(value));
    }

    bool writeString(const QString& name, const QString& value) override
    {
        return write(name, QVariant(value));
    }

    bool commit() override
    {
        // The file is written again without the lines that could not be read.
        settings_->remove(QLatin1String(registry_file::UnreadableLinesKey));
        settings_->remove(QLatin1String(registry_file::UnreadableLineCountKey));
        settings_->sync();
        return settings_->status() == QSettings::NoError;
    }

private:
    QVariant value(const QString& name) const
    {
        return settings_->value(registry_file::settingsKey(path_, name));
    }

    bool write(const QString& name, const QVariant& data)
    {
        // QSettings folds an empty name into the key itself.
        if (name.isEmpty())
            return false;
        settings_->setValue(registry_file::settingsKey(path_, name), data);
        return true;
    }

    std::shared_ptr<QSettings> settings_;
    QString path_;
};

QByteArray contentsOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The next write drops what could not be read; a copy of the damaged file
// keeps it for the player to mend by hand. A copy of an earlier damage may
// not be mended yet, so it is never replaced: the new one takes the next
// free name, unless it is the same damage found again.
QString keepDamagedCopy(const QString& fileName)
{
    constexpr int MostCopies = 100;
    const QByteArray damaged = contentsOf(fileName);
    for (int number = 1; number <= MostCopies; ++number) {
        const QString copy = fileName + QStringLiteral(".damaged")
            + (number > 1 ? QStringLiteral(".%1").arg(number) : QString());
        if (!QFile::exists(copy))
            return QFile::copy(fileName, copy) ? copy : QString();
        if (contentsOf(copy) == damaged)
            return copy;
    }
    return QString();
}

} // namespace

StoreDamage QtRegistry::unreadableLines()
{
    StoreDamage damage;
    damage.total = settings_->value(QLatin1String(registry_file::UnreadableLineCountKey)).toLongLong();
    if (damage.total == 0)
        return damage;
    damage.problems = settings_->value(QLatin1String(registry_file::UnreadableLinesKey)).toStringList();
    // Until the next write drops the lines, every opening finds them again:
    // one copy is enough.
    if (keptCopy_.isEmpty())
        keptCopy_ = QDir::toNativeSeparators(keepDamagedCopy(fileName_));
    damage.keptCopy = keptCopy_;
    return damage;
}

QtRegistry::QtRegistry(const QString& directory)
    : fileName_(QDir(directory).filePath(QStringLiteral("registry.ini")))
{
}

QString QtRegistry::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tavolin");
}

std::unique_ptr<RegistryKey> QtRegistry::openKey(const QString& path, bool create)
{
    // QSettings takes a file it cannot open for an empty one; say so rather
    // than let the player's statistics vanish without a word.
    QFile file(fileName_);
    if (file.exists() && !file.open(QIODevice::ReadOnly)) {
        damage_ = {{QCoreApplication::translate("Registry", "%1 could not be opened: %2")
                         .arg(QDir::toNativeSeparators(fileName_), file.errorString())},
                   1,
                   {}};
        return nullptr;
    }
    // Read once and kept: the file may be large, and a key opened to write
    // must not read it all again.
    if (!settings_)
        settings_ = std::make_shared<QSettings>(fileName_, registry_file::format());
    damage_ = unreadableLines();
    if (!create && !settings_->childGroups().contains(registry_file::group(path)))
        return nullptr;
    return std::make_unique<QtRegistryKey>(settings_, path);
}

} // namespace tavolin
