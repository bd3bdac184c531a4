#pragma once

#include "platform/registry.h"

#include <map>
#include <variant>
#include <vector>

namespace tavolin {

// A registry held in memory, for tests: values keep their type, writes can be
// made to fail, and every write is logged.
class MemoryRegistry final : public Registry {
public:
    using Value = std::variant<std::int32_t, QString>;

    struct Write {
        QString path;
        QString name;
        Value value;
        bool operator==(const Write&) const = default;
    };

    std::unique_ptr<RegistryKey> openKey(const QString& path, bool create) override;
    StoreDamage damage() const override { return damage_; }
    QString writeProblem() const override { return failWrites_ ? QStringLiteral("writes refused") : QString(); }

    // Put a value in place without it counting as a write.
    void set(const QString& path, const QString& name, const Value& value);
    bool hasKey(const QString& path) const { return keys_.contains(path); }
    std::optional<Value> value(const QString& path, const QString& name) const;

    // While set, every write and commit fails and stores nothing (the key
    // still opens).
    void setFailWrites(bool fail) { failWrites_ = fail; }
    void setDamage(const StoreDamage& damage) { damage_ = damage; }

    // Every write attempted, successful or not, in order.
    const std::vector<Write>& writes() const { return writes_; }
    // How many times written values were committed, that is, how many times
    // a file behind the store would have been written.
    int commits() const { return commits_; }

private:
    friend class MemoryRegistryKey;
    bool write(const QString& path, const QString& name, const Value& value);

    std::map<QString, std::map<QString, Value>> keys_;
    std::vector<Write> writes_;
    StoreDamage damage_;
    int commits_ = 0;
    bool failWrites_ = false;
};

} // namespace tavolin
