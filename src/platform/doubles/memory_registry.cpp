#include "platform/doubles/memory_registry.h"

namespace tavolin {

class MemoryRegistryKey final : public RegistryKey {
public:
    MemoryRegistryKey(MemoryRegistry& registry, QString path, bool toWrite)
        : registry_(registry), path_(std::move(path)), notes_(registry.notes_), toWrite_(toWrite)
    {
    }

    std::optional<std::int32_t> readDword(const QString& name) const override
    {
        const auto stored = registry_.value(path_, name);
        if (!stored || !std::holds_alternative<std::int32_t>(*stored))
            return std::nullopt;
        return std::get<std::int32_t>(*stored);
    }

    QString readString(const QString& name) const override
    {
        const auto stored = registry_.value(path_, name);
        if (!stored || !std::holds_alternative<QString>(*stored))
            return {};
        return std::get<QString>(*stored);
    }

    bool writeDword(const QString& name, std::int32_t value) override
    {
        return registry_.write(path_, name, value);
    }

    bool writeString(const QString& name, const QString& value) override
    {
        return registry_.write(path_, name, value);
    }

    bool commit() override
    {
        ++registry_.commits_;
        if (!toWrite_ || registry_.failWrites_)
            return false;
        registry_.notes_.erase(registry_.notes_.begin(), registry_.notes_.begin() + notes_.size());
        notes_.clear();
        return true;
    }

    QList<QByteArray> notes() const override { return notes_; }

private:
    MemoryRegistry& registry_;
    QString path_;
    QList<QByteArray> notes_;
    bool toWrite_;
};

std::unique_ptr<RegistryKey> MemoryRegistry::openKey(const QString& path)
{
    if (!hasKey(path))
        return nullptr;
    return std::make_unique<MemoryRegistryKey>(*this, path, false);
}

std::unique_ptr<RegistryKey> MemoryRegistry::createKey(const QString& path, int lockWaitMs)
{
    lockWaits_.push_back(lockWaitMs);
    if (busy_)
        return nullptr;
    keys_[path];
    return std::make_unique<MemoryRegistryKey>(*this, path, true);
}

QString MemoryRegistry::keepNote(const QByteArray& text)
{
    if (failWrites_)
        return {};
    notes_ << text;
    return QStringLiteral("note %1").arg(notes_.size());
}

QString MemoryRegistry::writeProblem() const
{
    return busy_ ? QStringLiteral("the store is busy") : failWrites_ ? QStringLiteral("writes refused") : QString();
}

void MemoryRegistry::set(const QString& path, const QString& name, const Value& value)
{
    keys_[path][name] = value;
}

std::optional<MemoryRegistry::Value> MemoryRegistry::value(const QString& path,
                                                           const QString& name) const
{
    const auto key = keys_.find(path);
    if (key == keys_.end())
        return std::nullopt;
    const auto found = key->second.find(name);
    if (found == key->second.end())
        return std::nullopt;
    return found->second;
}

bool MemoryRegistry::write(const QString& path, const QString& name, const Value& value)
{
    writes_.push_back({path, name, value});
    if (failWrites_)
        return false;
    set(path, name, value);
    return true;
}

} // namespace tavolin
