#include "platform/registry_file.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

#include <optional>
#include <utility>

namespace tavolin::registry_file {
namespace {

constexpr QLatin1StringView DwordPrefix{"dword:"};

const char FileHeading[] =
    "; Tavolin settings. Under each [key] line, one value a line:\n"
    ";   \"name\"=dword:<decimal number>   or   \"name\"=\"text\"\n";

// A character and the letter that stands for it after a backslash.
constexpr std::pair<char16_t, char16_t> Escapes[] = {
    {u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}};

std::optional<QChar> escapeLetter(QChar c)
{
    for (const auto& [plain, letter] : Escapes) {
        if (c == plain)
            return QChar(letter);
    }
    return std::nullopt;
}

std::optional<QChar> unescaped(QChar letter)
{
    for (const auto& [plain, code] : Escapes) {
        if (letter == code)
            return QChar(plain);
    }
    return std::nullopt;
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (const auto letter = escapeLetter(c)) {
            out += u'\\';
            out += *letter;
        } else {
            out += c;
        }
    }
    return out + u'"';
}

struct Quoted {
    QString text;
    QStringView rest;
};

// The quoted string at the start of text, and what follows its closing quote.
std::optional<Quoted> takeQuoted(QStringView text)
{
    if (!text.startsWith(u'"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] == u'"')
            return Quoted{out, text.mid(i + 1)};
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        const auto plain = ++i < text.size() ? unescaped(text[i]) : std::nullopt;
        if (!plain)
            return std::nullopt;
        out += *plain;
    }
    return std::nullopt;
}

std::optional<QVariant> parseData(QStringView text)
{
    if (text.startsWith(DwordPrefix)) {
        bool isNumber = false;
        const int value = text.mid(DwordPrefix.size()).trimmed().toInt(&isNumber);
        return isNumber ? std::optional<QVariant>(value) : std::nullopt;
    }
    const auto string = takeQuoted(text);
    if (!string || !string->rest.trimmed().isEmpty())
        return std::nullopt;
    return QVariant(string->text);
}

struct Value {
    QString name;
    QVariant data;
};

std::optional<Value> parseValue(QStringView line)
{
    const auto name = takeQuoted(line);
    if (!name || name->text.isEmpty())
        return std::nullopt;
    const QStringView rest = name->rest.trimmed();
    if (!rest.startsWith(u'='))
        return std::nullopt;
    const auto data = parseData(rest.mid(1).trimmed());
    if (!data)
        return std::nullopt;
    return Value{name->text, *data};
}

// Text with no NUL in it: a NUL is no character a person wrote, and
// whatever follows it would be lost to a reader that stops there.
std::optional<QString> decodedLine(QByteArrayView bytes)
{
    while (bytes.endsWith('\r'))
        bytes.chop(1);
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (decode.hasError())
        return std::nullopt;
    return text;
}

QString shown(const QString& line)
{
    constexpr qsizetype Longest = 60;
    return line.size() <= Longest ? line : line.left(Longest) + QStringLiteral("...");
}

// Reads what it can; a line it cannot read is dropped with a note, so one bad
// line never costs the others.
class Reader {
public:
    explicit Reader(QSettings::SettingsMap& map) : map_(map) {}

    // One line, without its line feed.
    void read(qlonglong number, QByteArrayView bytes)
    {
        const auto line = decodedLine(bytes);
        if (!line) {
            drop(number, QT_TRANSLATE_NOOP("Registry", "is not readable text"));
            return;
        }
        const QString text = line->trimmed();
        if (text.isEmpty() || text.startsWith(u';'))
            return;
        if (text.startsWith(u'[') && text.endsWith(u']') && text.size() > 2)
            keyPath_ = text.mid(1, text.size() - 2);
        else if (keyPath_.isEmpty())
            drop(number, QT_TRANSLATE_NOOP("Registry", "is not under any [key]"), text);
        else if (const auto value = parseValue(text))
            map_.insert(settingsKey(keyPath_, value->name), value->data);
        else
            drop(number, QT_TRANSLATE_NOOP("Registry", "could not be read"), text);
    }

    void finish()
    {
        if (dropped_ == 0)
            return;
        map_.insert(QLatin1String(UnreadableLinesKey), notes_);
        map_.insert(QLatin1String(UnreadableLineCountKey), dropped_);
    }

private:
    // A file of nothing but junk must not cost a note per line: only the
    // first few are ever shown.
    void drop(qlonglong number, const char* why, const QString& text = {})
    {
        if (++dropped_ > NotedLines)
            return;
        QString note = QCoreApplication::translate("Registry", "line %1 ").arg(number)
            + QCoreApplication::translate("Registry", why);
        if (!text.isEmpty())
            note += QStringLiteral(": ") + shown(text);
        notes_ << note;
    }

    QSettings::SettingsMap& map_;
    QString keyPath_;
    QStringList notes_;
    qlonglong dropped_ = 0;
};

QString decoded(QStringView encoded)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toLatin1()));
}

QString dataText(const QVariant& data)
{
    if (data.typeId() == QMetaType::Int)
        return DwordPrefix + QString::number(data.toInt());
    return quoted(data.toString());
}

QByteArray fileText(const QSettings::SettingsMap& map)
{
    QString text = QLatin1String(FileHeading);
    QString keyPath;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        // Keys without a group are reading notes, not values.
        if (slash < 0)
            continue;
        const QString path = decoded(QStringView(it.key()).left(slash));
        if (path != keyPath) {
            keyPath = path;
            text += QStringLiteral("\n[%1]\n").arg(path);
        }
        text += quoted(decoded(QStringView(it.key()).mid(slash + 1))) + u'=' + dataText(it.value()) + u'\n';
    }
    return text.toUtf8();
}

QString encoded(const QString& text)
{
    return QString::fromLatin1(text.toUtf8().toPercentEncoding());
}

} // namespace

bool readFile(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray bytes = device.readAll();
    const QByteArrayView all(bytes);
    Reader reader(map);
    qlonglong number = 1;
    for (qsizetype start = 0; start < all.size(); ++number) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        reader.read(number, all.sliced(start, end - start));
        start = end + 1;
    }
    reader.finish();
    return true;
}

bool writeFile(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QByteArray text = fileText(map);
    return device.write(text) == text.size();
}

QString group(const QString& keyPath)
{
    return encoded(keyPath);
}

QString settingsKey(const QString& keyPath, const QString& valueName)
{
    return encoded(keyPath) + u'/' + encoded(valueName);
}

} // namespace tavolin::registry_file
