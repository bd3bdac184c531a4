#include "platform/qt_registry.h"

#include "platform/registry_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace tavolin {
namespace {

class QtRegistryKey final : public RegistryKey {
public:
    QtRegistryKey(std::unique_ptr<QSettings> settings, QString path)
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
        // The file is written again without the lines that could not be read.
        settings_->remove(QLatin1String(registry_file::UnreadableLinesKey));
        settings_->sync();
        return settings_->status() == QSettings::NoError;
    }

    std::unique_ptr<QSettings> settings_;
    QString path_;
};

// The next write drops what could not be read; a copy of the damaged file
// keeps it for the player to mend by hand.
QString keepDamagedCopy(const QString& fileName)
{
    const QString copy = fileName + QStringLiteral(".damaged");
    QFile::remove(copy);
    return QFile::copy(fileName, copy) ? copy : QString();
}

QString unreadableLinesReport(const QString& fileName, const QStringList& notes)
{
    if (notes.isEmpty())
        return {};
    QString report = QStringLiteral("Some lines of %1 could not be read and were left out:\n%2")
                         .arg(QDir::toNativeSeparators(fileName), notes.join(u'\n'));
    if (const QString copy = keepDamagedCopy(fileName); !copy.isEmpty())
        report += QStringLiteral("\nThe file as it was is kept in %1.").arg(QDir::toNativeSeparators(copy));
    return report;
}

} // namespace

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
        damage_ = QStringLiteral("%1 could not be opened: %2")
                      .arg(QDir::toNativeSeparators(fileName_), file.errorString());
        return nullptr;
    }
    auto settings = std::make_unique<QSettings>(fileName_, registry_file::format());
    damage_ = unreadableLinesReport(
        fileName_, settings->value(QLatin1String(registry_file::UnreadableLinesKey)).toStringList());
    if (!create && !settings->childGroups().contains(registry_file::group(path)))
        return nullptr;
    return std::make_unique<QtRegistryKey>(std::move(settings), path);
}

} // namespace tavolin
