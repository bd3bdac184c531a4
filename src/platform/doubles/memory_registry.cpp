#include "platform/doubles/memory_registry.h"

namespace tavolin {

class MemoryRegistryKey final : public RegistryKey {
public:
    MemoryRegistryKey(MemoryRegistry& registry, QString path)
        : registry_(registry), path_(std::move(path))
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
        return !registry_.failWrites_;
    }

private:
    MemoryRegistry& registry_;
    QString path_;
};

std::unique_ptr<RegistryKey> MemoryRegistry::openKey(const QString& path, bool create)
{
    if (!create && !hasKey(path))
        return nullptr;
    keys_[path];
    return std::make_unique<MemoryRegistryKey>(*this, path);
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
