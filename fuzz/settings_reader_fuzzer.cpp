// Feeds arbitrary bytes to the settings file reader. Besides crashes and
// hangs it looks for a disagreement between reader and writer: whatever was
// read must be written and read back unchanged.
#include "platform/registry_file.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

using tavolin::registry_file::readFile;
using tavolin::registry_file::writeFile;

QSettings::SettingsMap read(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    readFile(buffer, map);
    return map;
}

QByteArray written(const QSettings::SettingsMap& map)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeFile(buffer, map))
        std::abort();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QSettings::SettingsMap map = read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (map.value(QLatin1String(tavolin::registry_file::UnreadableLinesKey)).toStringList().size()
        > tavolin::registry_file::NotedLines)
        std::abort();
    map.remove(QLatin1String(tavolin::registry_file::UnreadableLinesKey));
    map.remove(QLatin1String(tavolin::registry_file::UnreadableLineCountKey));
    if (read(written(map)) != map)
        std::abort();
    return 0;
}
