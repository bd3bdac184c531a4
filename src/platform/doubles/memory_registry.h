#pragma once

#include "platform/registry.h"

#include <map>
#include <variant>
#include <vector>

namespace tavolin {

// A registry held in memory, for tests: values keep their type, writes can be
// made to fail or find the store busy, and every write and wait is logged.
class MemoryRegistry final : public Registry {
public:
    using Value = std::variant<std::int32_t, QString>;

    struct Write {
        QString path;
        QString name;
        Value value;
        bool operator==(const Write&) const = default;
    };

    std::unique_ptr<RegistryKey> openKey(const QString& path) override;
    std::unique_ptr<RegistryKey> createKey(const QString& path, int lockWaitMs) override;
    // Kept unless writes fail.
    QString keepNote(const QByteArray& text) override;
    // Nothing is ever left over in memory.
    void clearLeftovers() override {}
    StoreDamage damage() const override { return damage_; }
    QString writeProblem() const override;
    bool wasBusy() const override { return busy_; }

    // Put a value in place without it counting as a write.
    void set(const QString& path, const QString& name, const Value& value);
    bool hasKey(const QString& path) const { return keys_.contains(path); }
    std::optional<Value> value(const QString& path, const QString& name) const;

    // While set, every write and commit fails and stores nothing (the key
    // still opens).
    void setFailWrites(bool fail) { failWrites_ = fail; }
    // While set, no key opens to write, as when another copy holds the store.
    void setBusy(bool busy) { busy_ = busy; }
    void setDamage(const StoreDamage& damage) { damage_ = damage; }
    // The notes kept and not yet counted by a commit.
    const QList<QByteArray>& notes() const { return notes_; }
    // How long each key opened to write was allowed to wait, in order.
    const std::vector<int>& lockWaits() const { return lockWaits_; }

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
    QList<QByteArray> notes_;
    std::vector<int> lockWaits_;
    StoreDamage damage_;
    int commits_ = 0;
    bool failWrites_ = false;
    bool busy_ = false;
};

} // namespace tavolin
