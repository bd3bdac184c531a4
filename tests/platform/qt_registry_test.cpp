#include "platform/qt_registry.h"
#include "platform/registry_file.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace tavolin {
namespace {

const QString KeyPath = QStringLiteral("Software\\Projects\\Tavolin 2.2");

class RegistryFile : public ::testing::Test {
protected:
    QByteArray fileBytes() const { return testing::readFileBytes(registry.fileName()); }
    QStringList fileLines() const { return QString::fromUtf8(fileBytes()).split(u'\n'); }
    void writeFileBytes(const QByteArray& bytes) { ASSERT_TRUE(testing::writeFileBytes(registry.fileName(), bytes)); }
    std::unique_ptr<RegistryKey> open(bool create = false)
    {
        return create ? registry.createKey(KeyPath, 0) : registry.openKey(KeyPath);
    }

    QTemporaryDir dir;
    QtRegistry registry{dir.path()};
};

TEST_F(RegistryFile, ValuesKeepTheirTypeInAFileAPersonCanReadAndOutliveTheRegistry)
{
    const QString awkward = QStringLiteral("C:\\Pics\\\"side\" 1.bmp\nsecond line\r\tünïcødé ; [x] = y");
    const QString awkwardName = QStringLiteral("Odd \"name\" / with \\ slashes");
    {
        const auto key = open(true);
        ASSERT_TRUE(key);
        EXPECT_TRUE(key->writeDword(QStringLiteral("Lowest"), std::numeric_limits<std::int32_t>::min()));
        EXPECT_TRUE(key->writeDword(QStringLiteral("Highest"), std::numeric_limits<std::int32_t>::max()));
        EXPECT_TRUE(key->writeString(awkwardName, awkward));
        EXPECT_TRUE(key->writeString(QStringLiteral("Seven"), QStringLiteral("7")));
        EXPECT_FALSE(key->writeDword(QString(), 1)) << "an empty name";
        EXPECT_TRUE(key->commit());
    }
    const QStringList lines = fileLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Lowest\"=dword:-2147483648")));
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Seven\"=\"7\"")));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("\"Odd \\\"name\\\" / with \\\\ slashes\"=\"C:\\\\Pics\\\\\\\"side\\\" 1.bmp\\nsecond line\\r\t"
                       "ünïcødé ; [x] = y\"")));

    QtRegistry later(dir.path());
    const auto key = later.openKey(KeyPath);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Lowest")), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(key->readDword(QStringLiteral("Highest")), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(key->readString(awkwardName), awkward);
    EXPECT_FALSE(key->readDword(QStringLiteral("Seven")).has_value());
    EXPECT_EQ(key->readString(QStringLiteral("Highest")), QString());
    EXPECT_EQ(later.damage().total, 0);
}

// Values written together reach the file together, at the commit.
TEST_F(RegistryFile, KeyAndFileComeOnlyWithTheFirstCommit)
{
    EXPECT_FALSE(open(false)) << "nothing stored yet";
    const auto key = open(true);
    key->writeDword(QStringLiteral("Games Won"), 6);
    key->writeDword(QStringLiteral("Games Lost"), 7);
    EXPECT_FALSE(QFile::exists(registry.fileName()));
    ASSERT_TRUE(key->commit());
    EXPECT_TRUE(fileLines().contains(QStringLiteral("\"Games Won\"=dword:6")));
    EXPECT_TRUE(fileLines().contains(QStringLiteral("\"Games Lost\"=dword:7")));
    EXPECT_TRUE(open(false));
    EXPECT_FALSE(registry.openKey(QStringLiteral("Software\\Projects")));
    EXPECT_FALSE(registry.openKey(QStringLiteral("Software/Projects/Tavolin 2.2")));
}

// Reading changes nothing beside the file, not even by a lock: what a
// stopped save left stays there until it is cleared.
TEST_F(RegistryFile, ReadingLeavesWhatAStoppedSaveLeftForClearing)
{
    const auto key = open(true);
    key->writeDword(QStringLiteral("Games Won"), 6);
    ASSERT_TRUE(key->commit());
    const QString leftover = registry.fileName() + QStringLiteral(".saving.stopped");
    ASSERT_TRUE(testing::writeFileBytes(leftover, "half a save\n"));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QtRegistry started(dir.path());
    EXPECT_EQ(started.openKey(KeyPath)->readDword(QStringLiteral("Games Won")), 6);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), before);
    started.clearLeftovers();
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(fileLines().contains(QStringLiteral("\"Games Won\"=dword:6")));
}

TEST_F(RegistryFile, HandEditedFileIsRead)
{
    writeFileBytes("; written by hand\r\n"
                   "\r\n"
                   "[Other key]\r\n"
                   "\"Form Top\"=dword:99\r\n"
                   "  [Software\\Projects\\Tavolin 2.2]  \r\n"
                   "\"Form Top\" = dword: 042\r\n"
                   "\"SWBmpPath\"=\"/home/me/side.bmp\"\r\n");

    const auto key = open();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Form Top")), 42);
    EXPECT_EQ(key->readString(QStringLiteral("SWBmpPath")), QStringLiteral("/home/me/side.bmp"));
    EXPECT_EQ(registry.damage().total, 0);
}

TEST_F(RegistryFile, UnreadableLinesAreDroppedAndReported)
{
    writeFileBytes(QByteArray("\"Stray\"=dword:1\n"          // 1: before any key
                   "[Software\\Projects\\Tavolin 2.2]\n"      // 2
                   "\"Games Won\"=dword:12\n"                 // 3
                   "\"Games Lost\"=dword:4000000000\n"        // 4: too large for a DWORD
                   "\"Bad\xff\xfe bytes\"=dword:3\n"          // 5: not UTF-8
                   "\"Escape\"=\"a\\qb\"\n"                   // 6: unknown escape
                   "no quotes=dword:5\n"                      // 7
                   "\"Streak Wins\"=dword:2\n"                // 8
                   "\"Trailing\"=\"a\" b\n")                  // 9: text after the value
                   + QByteArray("\"Streak Type\"=dword:5\0junk\n", 27)   // 10: a NUL
                   + "\"Streak Los");                         // 11: cut off

    const auto key = open();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Games Won")), 12);
    EXPECT_EQ(key->readDword(QStringLiteral("Streak Wins")), 2);
    EXPECT_FALSE(key->readDword(QStringLiteral("Games Lost")).has_value());
    EXPECT_EQ(key->readString(QStringLiteral("Escape")), QString());
    EXPECT_FALSE(key->readDword(QStringLiteral("Streak Type")).has_value());

    EXPECT_EQ(registry.damage().total, 8);
    const QString report = registry.damage().problems.join(u'\n');
    const std::set<int> reported{1, 4, 5, 6, 7, 9, 10, 11};
    for (int line = 1; line <= 11; ++line)
        EXPECT_EQ(report.contains(QStringLiteral("line %1 ").arg(line)), reported.contains(line)) << line;
}

// Only the first lines of a file of junk are noted, the rest counted. The
// next write leaves them out, keeping the file as it was in a copy.
TEST_F(RegistryFile, FileOfJunkIsNotedBrieflyAndRewrittenWithoutItButKeptInACopy)
{
    QByteArray junk = "[Software\\Projects\\Tavolin 2.2]\n\"Games Won\"=dword:12\n";
    for (int line = 0; line < 5000; ++line)
        junk += "#%&! junk " + QByteArray::number(line) + '\n';
    writeFileBytes(junk);

    const auto key = open(true);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Games Won")), 12);
    StoreDamage damage = registry.damage();
    EXPECT_EQ(damage.total, 5000);
    ASSERT_EQ(damage.problems.size(), registry_file::NotedLines);
    EXPECT_TRUE(damage.problems.front().startsWith(QStringLiteral("line 3 ")));
    EXPECT_TRUE(damage.keptCopy.endsWith(QStringLiteral("registry.ini.damaged")));

    ASSERT_TRUE(key->writeDword(QStringLiteral("Games Lost"), 3) && key->commit());
    EXPECT_FALSE(fileBytes().contains("junk"));
    EXPECT_EQ(testing::readFileBytes(damage.keptCopy), junk);
    EXPECT_EQ(open()->readDword(QStringLiteral("Games Won")), 12);
    EXPECT_EQ(registry.damage().total, 0);
}

// Each start is a new registry on the same folder. Damage found at a later
// start must not replace the copy of an earlier one; the same damage found
// again, before any write dropped it, keeps its one copy.
TEST_F(RegistryFile, DamageFoundAtLaterStartsIsKeptBesideTheEarlierCopies)
{
    const struct { QByteArray junk; bool written; int copy; } starts[] = {
        {"[Software\\Projects\\Tavolin 2.2]\n#first\n", true, 0},
        {"[Software\\Projects\\Tavolin 2.2]\n#second\n", false, 1},
        {"", false, 1},
    };
    QStringList copies;
    for (const auto& start : starts) {
        SCOPED_TRACE(start.copy);
        if (!start.junk.isEmpty())
            writeFileBytes(start.junk);
        QtRegistry registry(dir.path());
        const auto key = registry.createKey(KeyPath, 0);
        ASSERT_TRUE(key);
        const QString copy = registry.damage().keptCopy;
        if (copies.size() == start.copy)
            copies << copy;
        EXPECT_EQ(copy, copies.value(start.copy));
        if (start.written) {
            ASSERT_TRUE(key->writeDword(QStringLiteral("Games Won"), 1) && key->commit());
        }
    }
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(testing::readFileBytes(copies[0]), starts[0].junk);
    EXPECT_EQ(testing::readFileBytes(copies[1]), starts[1].junk);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3) << "the file and two copies";
}

TEST(RegistryLocation, FollowsXdgConfigHomeThenHome)
{
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir temporary;
    qputenv("HOME", temporary.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (temporary.path() + "/cfg").toLocal8Bit());
    EXPECT_EQ(QtRegistry::defaultDirectory(), temporary.path() + "/cfg/Tavolin");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(QtRegistry::defaultDirectory(), temporary.path() + "/.config/Tavolin");
    home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
    config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
}

} // namespace
} // namespace tavolin
