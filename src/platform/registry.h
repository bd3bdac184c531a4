#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace tavolin {

// One open key of the per-user registry. Closing is destruction.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // Fails (nullopt) when the value is missing or is not a DWORD.
    virtual std::optional<std::int32_t> readDword(const QString& name) const = 0;
    // A missing value reads as the empty string.
    virtual QString readString(const QString& name) const = 0;
    // False when the value could not be stored.
    virtual bool writeDword(const QString& name, std::int32_t value) = 0;
    virtual bool writeString(const QString& name, const QString& value) = 0;
};

// The per-user registry: keys named by a path such as "Software\Projects\Tavolin 2.2".
class Registry {
public:
    virtual ~Registry() = default;

    // Without create: nullptr when the key does not exist. With create: the
    // key, made when absent; nullptr only when it cannot be opened at all.
    virtual std::unique_ptr<RegistryKey> openKey(const QString& path, bool create) = 0;

    // A plain-words description of what could not be read from the store the
    // last time it was opened (a damaged file), or empty when all was well.
    virtual QString damageReport() const = 0;
};

} // namespace tavolin
